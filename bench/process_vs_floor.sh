#!/usr/bin/env bash
# Whole processes in one hyperfine run, with the machine's load beside them:
#  1. one `Velloro --render` of the default title to PNG against the floor,
#     bench/qt_floor (goal: within 1.25x), and against an earlier build;
#  2. a batch of 100 titles against the same earlier build (goal: at most
#     0.5x), on canvases fitted to each title and on one fixed canvas, with
#     the total size of the PNG files each writes (goal: within 10 % of the
#     earlier build's).
# Usage: bash bench/process_vs_floor.sh [build folder] [earlier build folder]
# (defaults: build, and no earlier build). Needs hyperfine.
set -euo pipefail

build=$(realpath "${1:-build}")
earlier=${2:+$(realpath "$2")}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen

list="$work/titles.txt"
for i in $(seq 1 100); do printf 'Title %d\ttitle%d.png\n' "$i" "$i"; done >"$list"
mkdir -p "$work/now" "$work/earlier" "$work/fixed" "$work/earlier-fixed"

one=(-n "floor (bench/qt_floor)" "'$build/bench/qt_floor' '$work/floor.png'"
  -n "Velloro --render" "'$build/bin/Velloro' --render --text Velloro -o '$work/now/one.png'")
fixed="--canvas 631x331"
batch=(-n "Velloro batch of 100" "'$build/bin/Velloro' --render --batch '$list' --out-dir '$work/now'"
  -n "Velloro batch of 100, fixed canvas"
  "'$build/bin/Velloro' --render --batch '$list' --out-dir '$work/fixed' $fixed")
if [[ -n $earlier ]]; then
  one+=(-n "earlier Velloro --render"
    "'$earlier/bin/Velloro' --render --text Velloro -o '$work/earlier/one.png'")
  batch+=(-n "earlier Velloro batch of 100"
    "'$earlier/bin/Velloro' --render --batch '$list' --out-dir '$work/earlier'"
    -n "earlier Velloro batch of 100, fixed canvas"
    "'$earlier/bin/Velloro' --render --batch '$list' --out-dir '$work/earlier-fixed' $fixed")
fi

echo "cores: $(nproc); load before: $(uptime)"
hyperfine --shell=none --warmup 3 --runs 30 --export-markdown "$work/one.md" "${one[@]}" >/dev/null
hyperfine --shell=none --warmup 1 --runs 8 --export-markdown "$work/batch.md" "${batch[@]}" >/dev/null
echo "load after:  $(uptime)"
cat "$work/one.md" "$work/batch.md"
bytes() { find "$1" -name 'title*.png' -printf '%s\n' | awk '{ s += $1 } END { print s }'; }
echo "PNG bytes of the batch: now $(bytes "$work/now")${earlier:+, earlier $(bytes "$work/earlier")}"
echo "PNG bytes of the fixed-canvas batch: now $(bytes "$work/fixed")${earlier:+, earlier $(bytes "$work/earlier-fixed")}"
