#!/usr/bin/env bash
# Times 10,000 Box calls on the back screen plus one CopyBMP in ZEP against
# the same GDI calls made directly by gdi_boxes.exe, and prints the ratio.
#
#   bench/gdi/run.sh [path/to/zep.exe]    (default: the build tools/build e2e makes)
#
# The ZEP time is the wall time of "zep.exe bench.zep" minus that of
# "zep.exe empty.zep" (same window, no loop): the median over $RUNS pairs of
# runs (default 7), since the start-up of a Wine process varies by tens of
# milliseconds. The direct time is the median of
# what gdi_boxes.exe reports for its own GDI work.
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
zep="${1:-$root/build/$("$root/tools/build" e2e-preset)/zep.exe}"
runs="${RUNS:-7}"
out="$root/build/bench-gdi"
mkdir -p "$out"

# The same word size as the zep.exe that runs on this machine.
bits="$("$root/tools/wine-bits")"
cxx=i686-w64-mingw32-g++
[ "$bits" = 32 ] || cxx=x86_64-w64-mingw32-g++
boxes="$out/gdi_boxes$bits.exe"
if [ ! -x "$boxes" ] || [ "$here/gdi_boxes.cpp" -nt "$boxes" ]; then
    "$cxx" -O2 -static "$here/gdi_boxes.cpp" -o "$boxes" -lgdi32 -luser32
fi

# shellcheck source=bench/gdi/timing.sh
. "$here/timing.sh"

# BOXES=N draws N boxes instead of 10,000 in both programs: with more, the
# start-up time of a Wine process, which the difference removes only on
# average, weighs less.
count="${BOXES:-10000}"
script="$out/bench_$count.zep"
sed "s/loop(10000)/loop($count)/" "$here/bench.zep" >"$script"

direct=$(for i in $(seq 1 "$runs"); do "$root/tools/winerun" "$boxes" "$count" | tr -d '\r'; done | median)
case "$direct" in
    ''|*[!0-9.]*) echo "gdi_boxes did not report a time: $direct" >&2; exit 1 ;;
esac

# Runs of bench.zep and empty.zep alternate, so that a slow spell of the
# machine touches both; the difference is taken per pair.
"$root/tools/winerun" "$zep" "$here/empty.zep" >/dev/null  # warm the prefix and the caches
fulls=() empties=() diffs=()
for i in $(seq 1 "$runs"); do
    f=$(wall_ms "$zep" "$script")
    e=$(wall_ms "$zep" "$here/empty.zep")
    fulls+=("$f") empties+=("$e") diffs+=($((f - e)))
done
full=$(printf '%s\n' "${fulls[@]}" | median)
empty=$(printf '%s\n' "${empties[@]}" | median)
zep_ms=$(printf '%s\n' "${diffs[@]}" | median)

echo "direct GDI (gdi_boxes.exe): ${direct} ms"
echo "boxes: $count"
echo "zep.exe bench.zep: ${full} ms, empty.zep: ${empty} ms, difference (median of pairs): ${zep_ms} ms"
awk "BEGIN{printf \"ratio ZEP / direct: %.1f\n\", $zep_ms / $direct}"
