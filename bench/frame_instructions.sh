#!/usr/bin/env bash
# Instructions of one live-preview frame of each draw_bench case whose name
# matches the filter, counted by callgrind inside the bench's showFrame
# alone (the change, the event-loop turn that previews it and the paint),
# every thread included; the set-up and the untimed checks between frames
# are left out. Unlike times, the counts do not depend on the machine's load.
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
  # A profile part is written as each frame starts (showFrame) and as it
  # ends (frameShown): the parts written at a frame's end hold that frame
  # and nothing else. At a minimum time of 0 each repetition is one frame.
  valgrind --tool=callgrind --callgrind-out-file="$parts/profile" \
    --dump-before='*showFrame*' --dump-before='*frameShown*' \
    "$bench" --benchmark_filter="^$name/repeats" --benchmark_min_time=0 >/dev/null 2>&1
  read -r refs frames < <(awk '/^desc: Trigger:/ { ended = /frameShown/ }
      /^summary:/ { if (ended) { refs += $2; ++frames } ended = 0 }
      END { printf "%.0f %d\n", refs, frames }' "$parts"/profile.*)
  rm -rf "$parts"
  if ((frames == 0)); then
    echo "$name: no frame was counted" >&2
    exit 1
  fi
  printf '%-50s %14d %7d\n' "$name" $((refs / frames)) "$frames"
done
