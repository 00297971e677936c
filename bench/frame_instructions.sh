#!/usr/bin/env bash
# Instructions of one live-preview frame of each draw_bench case whose name
# matches the filter, counted by callgrind from entering timeFrames to
# leaving it, the engine's helper threads included, over the frames timed:
# unlike times, the counts do not depend on the machine's load.
# Usage: bash bench/frame_instructions.sh [build folder] [name filter]
# (defaults: build, OnLargeCanvas). Needs valgrind and a built draw_bench.
set -euo pipefail

build=$(realpath "${1:-build}")
filter=${2:-OnLargeCanvas}
bench="$build/bench/draw_bench"
export QT_QPA_PLATFORM=offscreen

echo "load: $(uptime)"
printf '%-50s %14s %7s\n' case instructions frames
for name in $("$bench" --benchmark_list_tests --benchmark_filter="$filter" 2>/dev/null |
  sed 's,/repeats:.*,,' | sort -u); do
  profile=$(mktemp)
  valgrind --tool=callgrind --callgrind-out-file="$profile" --collect-atstart=no \
    --toggle-collect='*timeFrames*' "$bench" --benchmark_filter="^$name/repeats" \
    --benchmark_min_time=0 >/dev/null 2>&1
  refs=$(callgrind_annotate "$profile" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }')
  # Every frame repaints the canvas once.
  frames=$(callgrind_annotate --tree=calling --inclusive=yes "$profile" |
    awk '/\*  .*timeFrames</ { inside = 1; next } /^$/ { inside = 0 }
         inside && /QWidget::repaint\(\)/ { match($0, /\(([0-9,]+)x\)/); n = substr($0, RSTART + 1, RLENGTH - 3); gsub(",", "", n); frames += n }
         END { print frames }')
  rm -f "$profile"
  printf '%-50s %14d %7d\n' "$name" $((refs / frames)) "$frames"
done
