#!/usr/bin/env bash
# Load figures of the render service on this machine, with wrk and hey,
# each the service's against the batch's for the same titles:
#  - the default title: a batch of it (`--render --batch`, every line the
#    same) against uncached renders of it straight from one service (which
#    keeps no cache of its own), per second,
#  - varied titles: a batch of distinct titles against the service asked
#    for the same titles in turn,
#  - p99 latency at 80 % of the saturating load of the default title (hey,
#    rate-limited),
#  - 304s and cache hits per second through nginx in front of two replicas.
# Each figure is the best of RUNS runs: the machine is shared, and what
# others take from it only ever lowers a figure.
# Usage: bash bench/service_load.sh [BUILD] [SECONDS] [RUNS]
set -euo pipefail
build=${1:-build}
seconds=${2:-10}
runs=${3:-3}
program=$(realpath "$build/bin/Velloro")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
# The batch writes its pictures into memory where it can: the service writes
# none, and a disk busy with others' work would set the batch's pace.
pictures=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work" "$pictures"
}
trap finish EXIT
export QT_QPA_PLATFORM=offscreen

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }
best() { sort -g | tail -1; }
percent() { echo "100 * $1 / $2" | bc -l; }

# Starts a replica on the free port `port`; in this shell, so that its
# process is ended at the end.
replica() {
  port=$(free_port)
  "$program" --serve --port "$port" 2>>"$work/access.log" &
  pids+=($!)
  for _ in $(seq 100); do curl -fs "http://127.0.0.1:$port/healthz" >/dev/null && break; sleep 0.1; done
}

titles=1000
for i in $(seq $titles); do printf 'Velloro\t%d.png\n' "$i"; done >"$work/same.txt"
for i in $(seq $titles); do printf 'Title %d\t%d.png\n' "$i" "$i"; done >"$work/varied.txt"
# The service is asked for the titles of the varied list in turn, by one
# wrk thread so that no two connections ask for the same title together.
cat >"$work/varied.lua" <<LUA
local counter = 0
request = function()
  counter = counter % $titles + 1
  return wrk.format("GET", "/v1/title.png?text=Title%20" .. counter)
end
LUA

# Titles per second of a batch of the list `$1`.
batch_rate() {
  rm -rf "${pictures:?}"/*
  local start
  start=$(date +%s.%N)
  "$program" --render --batch "$1" --out-dir "$pictures" 2>/dev/null
  echo "$titles / ($(date +%s.%N) - $start)" | bc -l
}

# Requests per second wrk makes of the service with the further arguments.
service_rate() { wrk -d"${seconds}s" "$@" | awk '/Requests\/sec/ {print $2}'; }

replica
one=$port
render_url="http://127.0.0.1:$one/v1/title.png?text=Velloro"
same_batch=$(for _ in $(seq "$runs"); do batch_rate "$work/same.txt"; done | best)
same_service=$(for _ in $(seq "$runs"); do service_rate -t2 -c4 "$render_url"; done | best)
varied_batch=$(for _ in $(seq "$runs"); do batch_rate "$work/varied.txt"; done | best)
varied_service=$(for _ in $(seq "$runs"); do
  service_rate -t1 -c4 -s "$work/varied.lua" "http://127.0.0.1:$one"
done | best)
printf 'best of %d runs of %d s\n' "$runs" "$seconds"
printf 'default title: service %.1f renders/s, batch %.1f titles/s (%.0f %%)\n' \
  "$same_service" "$same_batch" "$(percent "$same_service" "$same_batch")"
printf 'varied titles: service %.1f renders/s, batch %.1f titles/s (%.0f %%)\n' \
  "$varied_service" "$varied_batch" "$(percent "$varied_service" "$varied_batch")"

per_worker=$(echo "0.8 * $same_service / 4" | bc -l)
p99=$(for _ in $(seq "$runs"); do
  hey -z "${seconds}s" -c 4 -q "$(printf '%.0f' "$per_worker")" "$render_url" |
    awk '/99% in/ {print $3}'
done | sort -g | head -1)
printf 'p99 at 80 %% of saturation (%.0f/s): %s s\n' "$(echo "4 * $per_worker" | bc -l)" "$p99"

replica
two=$port
listen=$(free_port)
mkdir "$work/nginx"
sed -e "s|@PREFIX@|$work/nginx|g" -e "s|@LISTEN@|127.0.0.1:$listen|" \
    -e "s|@REPLICA_ONE@|127.0.0.1:$one|" -e "s|@REPLICA_TWO@|127.0.0.1:$two|" \
    "$here/../data/deploy/nginx-velloro.conf.in" >"$work/nginx/nginx.conf"
runner=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$work/nginx"
  runner=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
"${runner[@]}" nginx -e stderr -p "$work/nginx" -c "$work/nginx/nginx.conf" &
pids+=($!)
front="http://127.0.0.1:$listen/v1/title.png?text=Velloro"
for _ in $(seq 100); do curl -fs "$front" -o /dev/null && break; sleep 0.1; done
tag=$(curl -fsI "$front" | awk -F': ' 'tolower($1)=="etag" {print $2}' | tr -d '\r')
hits=$(for _ in $(seq "$runs"); do service_rate -t2 -c32 "$front"; done | best)
not_modified=$(for _ in $(seq "$runs"); do
  service_rate -t2 -c32 -H "If-None-Match: $tag" "$front"
done | best)
printf 'nginx cache hits: %.0f/s\nnginx 304s: %.0f/s\n' "$hits" "$not_modified"
