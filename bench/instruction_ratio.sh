#!/usr/bin/env bash
# Instructions of one later render of each engine size case, this engine
# against the one engine_case_bench builds from its comparison commit, counted
# by callgrind: unlike times, the counts do not depend on the machine's load.
# A later render is (renders of a run of 1 + extra) minus (a run of 1) over
# extra, so loading, the pictures and the first render drop out.
# Usage: bash bench/instruction_ratio.sh [build folder] [extra renders]
# (defaults: build, 2). Needs valgrind and a built engine_case_bench.
set -euo pipefail

build=$(realpath "${1:-build}")
extra=${2:-2}
bench="$build/bench/engine_case_bench"
now="$build/bin/libVelloro.so"
today="$build/bench/libVelloroToday.so"
cases=(default_title four_times_the_pixels title_300pt sixteen_times_the_pixels)

# Instructions the whole child process runs for `renders` renders.
instructions() {
  valgrind --tool=callgrind --callgrind-out-file=/dev/null \
    "$bench" --render-child "$1" "$2" "$3" 2>&1 |
    awk '/refs:/ { gsub(",", "", $NF); print $NF }'
}

laterRender() {
  local once many
  once=$(instructions "$1" "$2" 1)
  many=$(instructions "$1" "$2" $((1 + extra)))
  echo $(((many - once) / extra))
}

echo "load: $(uptime)"
printf '%-26s %14s %14s %7s\n' case now today ratio
for index in "${!cases[@]}"; do
  mine=$(laterRender "$now" "$index")
  theirs=$(laterRender "$today" "$index")
  printf '%-26s %14d %14d %7.3f\n' "${cases[$index]}" "$mine" "$theirs" \
    "$(echo "$mine / $theirs" | bc -l)"
done
