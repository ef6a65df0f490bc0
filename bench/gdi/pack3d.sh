#!/usr/bin/env bash
# Frames per second of a 3D animation frame in ZEP under Wine: one
# Draw3DPack of 1,024 triangles on the back screen plus one CopyBMP to the
# window (and the clearing FullPaint), 300 frames in one run.
#
#   bench/gdi/pack3d.sh [path/to/zep.exe]   (default: the build tools/build e2e makes)
#
# The time of the frames is the wall time of "zep.exe pack3d.zep" minus that
# of "zep.exe pack3d_empty.zep" (same window and pack, no frames): the median
# over $RUNS pairs of runs (default 5).
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
zep="${1:-$root/build/$("$root/tools/build" e2e-preset)/zep.exe}"
runs="${RUNS:-5}"
frames=300

# shellcheck source=bench/gdi/timing.sh
. "$here/timing.sh"

"$root/tools/winerun" "$zep" "$here/pack3d_empty.zep" >/dev/null  # warm the prefix and the caches
diffs=()
for i in $(seq 1 "$runs"); do
    f=$(wall_ms "$zep" "$here/pack3d.zep")
    e=$(wall_ms "$zep" "$here/pack3d_empty.zep")
    diffs+=($((f - e)))
done
ms=$(printf '%s\n' "${diffs[@]}" | median)
echo "zep.exe pack3d.zep: $frames frames in ${ms} ms (median of pairs)"
awk -v ms="$ms" -v n="$frames" 'BEGIN {
    if (ms <= 0) { print "3D frame rate: no time measured"; exit 1 }
    fps = n * 1000 / ms
    printf "3D frames per second (Draw3DPack of 1,024 triangles + CopyBMP): %.1f (%.2f ms a frame)\n", fps, ms / n
    if (fps >= 60) print "3D target (>= 60 frames per second): met"
    else print "3D target (>= 60 frames per second): MISSED" }'
