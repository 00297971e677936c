#!/usr/bin/env bash
# Resident memory of one render service over many requests of varied titles
# (each a new text, size and effect, so each is rendered): printed after a
# warm-up and at every tenth of the run; a service that keeps nothing
# between requests stays flat.
# Usage: bash bench/service_memory.sh [BUILD] [REQUESTS, default 100000]
set -euo pipefail
build=${1:-build}
requests=${2:-100000}
program=$(realpath "$build/bin/Velloro")
work=$(mktemp -d)
service=
finish() {
  [ -n "$service" ] && kill "$service" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$work"
}
trap finish EXIT
export QT_QPA_PLATFORM=offscreen

port=$(python3 -c 'import socket; s=socket.socket(); s.bind(("127.0.0.1",0)); print(s.getsockname()[1])')
"$program" --serve --port "$port" 2>/dev/null &
service=$!
for _ in $(seq 100); do curl -fs "http://127.0.0.1:$port/healthz" >/dev/null && break; sleep 0.1; done

cat >"$work/varied.lua" <<'LUA'
local effects = {"none", "drop-shadow", "glow", "outline1", "engraved"}
local counter = 0
request = function()
  counter = counter + 1
  local text = "Title " .. counter .. " " .. string.rep(string.char(65 + counter % 26), counter % 12)
  local path = "/v1/title.png?text=" .. text:gsub(" ", "%%20") .. "&size=" .. (12 + counter % 40) ..
               "&effect=" .. effects[counter % #effects + 1]
  return wrk.format("GET", path)
end
LUA

resident() { awk '/VmRSS/ {print $2}' "/proc/$service/status"; }
rate=$(wrk -t1 -c2 -d5s -s "$work/varied.lua" "http://127.0.0.1:$port" | awk '/Requests\/sec/ {print $2}')
echo "after warm-up: $(resident) kB resident ($rate requests/s)"
tenth=$(printf '%.0f' "$(echo "$requests / 10 / $rate" | bc -l)")
for step in $(seq 10); do
  wrk -t1 -c2 -d"${tenth}s" -s "$work/varied.lua" "http://127.0.0.1:$port" >/dev/null
  echo "$((step * requests / 10)) requests: $(resident) kB resident"
done
