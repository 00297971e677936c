#!/usr/bin/env bash
# Load figures of the render service on this machine, with wrk and hey:
#  - a batch's titles per second (`--render --batch` of the default title),
#  - uncached renders of the default title per second, straight from one
#    service (it keeps no cache of its own),
#  - 304s and cache hits per second through nginx in front of two replicas,
#  - p99 latency at 80 % of the saturating render load (hey, rate-limited).
# Usage: bash bench/service_load.sh [BUILD] [SECONDS]
set -euo pipefail
build=${1:-build}
seconds=${2:-10}
program=$(realpath "$build/bin/Velloro")
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
chmod 755 "$work"
pids=()
finish() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
export QT_QPA_PLATFORM=offscreen

free_port() { python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])'; }

# Starts a replica on the free port `port`; in this shell, so that its
# process is ended at the end.
replica() {
  port=$(free_port)
  "$program" --serve --port "$port" 2>>"$work/access.log" &
  pids+=($!)
  for _ in $(seq 100); do curl -fs "http://127.0.0.1:$port/healthz" >/dev/null && break; sleep 0.1; done
}

titles=1000
for i in $(seq $titles); do printf 'Velloro\t%d.png\n' "$i"; done >"$work/list.txt"
mkdir "$work/out"
start=$(date +%s.%N)
"$program" --render --batch "$work/list.txt" --out-dir "$work/out" 2>/dev/null
batch_rate=$(echo "$titles / ($(date +%s.%N) - $start)" | bc -l)
printf 'batch: %.1f titles/s\n' "$batch_rate"

replica
one=$port
render_url="http://127.0.0.1:$one/v1/title.png?text=Velloro"
render_rate=$(wrk -t2 -c4 -d"${seconds}s" "$render_url" | awk '/Requests\/sec/ {print $2}')
printf 'service, uncached renders: %.1f/s (%.0f %% of the batch)\n' "$render_rate" \
  "$(echo "100 * $render_rate / $batch_rate" | bc -l)"

per_worker=$(echo "0.8 * $render_rate / 4" | bc -l)
hey -z "${seconds}s" -c 4 -q "$(printf '%.0f' "$per_worker")" "$render_url" >"$work/hey.txt"
printf 'p99 at 80 %% of saturation (%.0f/s): %s s\n' "$(echo "4 * $per_worker" | bc -l)" \
  "$(awk '/99% in/ {print $3}' "$work/hey.txt")"

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
hits=$(wrk -t2 -c32 -d"${seconds}s" "$front" | awk '/Requests\/sec/ {print $2}')
not_modified=$(wrk -t2 -c32 -d"${seconds}s" -H "If-None-Match: $tag" "$front" |
  awk '/Requests\/sec/ {print $2}')
printf 'nginx cache hits: %.0f/s\nnginx 304s: %.0f/s\n' "$hits" "$not_modified"
