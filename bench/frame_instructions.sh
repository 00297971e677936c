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
  # parts that end at a loop's end hold its frames.
  valgrind --tool=callgrind --callgrind-out-file="$parts/profile" \
    --dump-after='benchmark::State::StartKeepRunning*' \
    --dump-before='benchmark::State::FinishKeepRunning*' \
    "$bench" --benchmark_filter="^$name/repeats" --benchmark_min_time=0 >/dev/null 2>&1
  read -r refs frames < <(awk '/^desc: Trigger:.*FinishKeepRunning/ { loop = 1 }
      /^summary:/ { if (loop) { refs += $2; ++frames } loop = 0 }
      END { printf "%.0f %d\n", refs, frames }' "$parts"/profile.*)
  rm -rf "$parts"
  printf '%-50s %14d %7d\n' "$name" $((refs / frames)) "$frames"
done
