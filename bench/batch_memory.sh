#!/usr/bin/env bash
# Renders a batch of 1,000 titles in one `Velloro --render` process and
# samples its resident memory: the figure after the tenth title and the
# highest one after it should be the same (no growth), and the run's own
# temporary folder must be empty afterwards.
# Usage: bash bench/batch_memory.sh [build folder]   (default: build)
set -euo pipefail

build=${1:-build}
velloro=$(realpath "$build/bin/Velloro")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/out" "$work/tmp"
# Titles of one length, so that every mask and working array has one size.
for i in $(seq 1 1000); do printf 'Title %04d\ttitle%d.png\n' "$i" "$i"; done >"$work/list.txt"

# Made before the run starts, so that the sampling below finds it at once.
: >"$work/progress.txt"
TMPDIR="$work/tmp" "$velloro" --render --batch "$work/list.txt" --out-dir "$work/out" \
  2>"$work/progress.txt" &
pid=$!
after_ten=0
highest=0
while kill -0 "$pid" 2>/dev/null; do
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status" 2>/dev/null || echo 0)
  done_titles=$(wc -l <"$work/progress.txt")
  if ((done_titles >= 10 && rss > 0)); then
    ((after_ten == 0)) && after_ten=$rss
    ((rss > highest)) && highest=$rss
  fi
  sleep 0.05
done
wait "$pid"
status=$?

echo "titles written:            $(find "$work/out" -name '*.png' | wc -l)"
echo "resident after 10 titles:  ${after_ten} kB"
echo "highest resident after:    ${highest} kB"
echo "growth:                    $((highest - after_ten)) kB"
# Qt keeps its runtime folder (runtime-USER) in the temporary folder when
# XDG_RUNTIME_DIR is not set; it is Qt's, reused by every run, and no file
# of the render.
echo "temporary files left:      $(find "$work/tmp" -mindepth 1 -not -path "$work/tmp/runtime-*" | wc -l)"
exit "$status"
