#!/bin/sh
# Start-up benchmark of the playground: over several runs, the time from process launch
# to the first frame of the storybook cover, the resident memory once the playground is
# shown, the CPU the idle cover and the idle playground use, and the video room opened
# over the playground: the time until its player page has loaded and the memory with it
# open (the program alone, and with the web engine's helper processes).
#   tools/bench/startup.sh [build folder] [runs]
set -eu
build=${1:-build}
runs=${2:-7}
bench="$build/tools/bench/bench_startup"
[ -x "$bench" ] || { echo "build the bench first: cmake --build $build --target bench_startup" >&2; exit 1; }
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

results=$(mktemp)
trap 'rm -f "$results"' EXIT
i=0
while [ "$i" -lt "$runs" ]; do
    "$bench" "$(date +%s%N)" 2>/dev/null | tee -a "$results"
    i=$((i + 1))
done

# Median of each figure.
for key in first_frame_ms rss_playground_mb idle_cover_cpu_percent idle_playground_cpu_percent \
           room_open_ms rss_room_mb rss_room_with_helpers_mb; do
    tr ' ' '\n' < "$results" | sed -n "s/^$key=//p" | sort -n |
        awk -v key="$key" '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2; printf "median %s = %s (min %s, max %s, %d runs)\n", key, m, v[1], v[NR], NR }'
done
