#!/usr/bin/env bash
# Instructions of one live-preview frame of each draw_bench case whose name
# matches the filter, counted by callgrind over the timed loop of each
# repetition (one frame each at a minimum time of 0), every thread included:
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
  parts=$(mktemp -d)
  # A profile part is written as each timed loop starts and as it ends: the
  # parts that end at a loop's end hold its frames. Under callgrind a frame
  # takes seconds, so the timers that wait for the design to stand still
  # (the overrun notice, the exact frame at rest) fire between frames, as
  # they never do in a drag at full speed: their work is taken off.
  valgrind --tool=callgrind --callgrind-out-file="$parts/profile" \
    --dump-after='benchmark::State::StartKeepRunning*' \
    --dump-before='benchmark::State::FinishKeepRunning*' \
    "$bench" --benchmark_filter="^$name/repeats" --benchmark_min_time=0 >/dev/null 2>&1
  refs=0
  frames=0
  for part in "$parts"/profile.*; do
    grep -q '^desc: Trigger:.*FinishKeepRunning' "$part" || continue
    total=$(awk '/^summary:/ { print $2 }' "$part")
    still=$(callgrind_annotate --inclusive=yes --threshold=100 "$part" 2>/dev/null |
      awk '/:(CanvasArea::showDesignOverrun|LivePreview::renderAtRest)\(\) / {
             gsub(",", "", $1); sum += $1 }
           END { printf "%.0f\n", sum }')
    refs=$((refs + total - still))
    frames=$((frames + 1))
  done
  rm -rf "$parts"
  printf '%-50s %14d %7d\n' "$name" $((refs / frames)) "$frames"
done
