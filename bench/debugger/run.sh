#!/usr/bin/env bash
# The frame rate of a game run from the editor, with the debugger's watch
# window open and with it closed. game.zep asks for a TIMER run every 16 ms
# and counts its own ticks over whole seconds of the clock (SEC); it writes
# "TICKS SECONDS" to rate.txt and ends. zepdrive.exe starts zep.exe with no
# argument (its editor), opens game.zep with the Open dialog, runs the
# script (command 32781, as F5) and waits for the run to end, in one of
# three ways:
#   closed  the watch window is not opened
#   open    the watch window (command 32799) is opened before the run and
#           follows it (its event strip and variables are checked to show
#           the run)
#   grid    as open, and the array p is chosen in the variables' list, so
#           that the grid shows its 20 x 4 cells as they change
#   break   the watch window is not opened, and a breakpoint is set on the
#           first line (a comment, where the run never pauses): the
#           debugger's statement hook then looks at every statement
# Each way runs $RUNS times (default 3), the ways alternating so that a slow
# spell of the machine touches all; every figure is printed, and the best
# of each way.
#
#   bench/debugger/run.sh [path/to/zep.exe]   (default: the build tools/build e2e makes)
#
# Prints "closed: T ticks / S s = R per second" lines, one per run, then
#   TIMER runs per second, best of N: watch closed R1, watch open R2 (open/closed Q2),
#   with the array's grid R3 (Q3), with a breakpoint elsewhere R4 (Q4)
#   worst run of each way: ...
# and exits 1 when a run did not report (the driver failed, or rate.txt
# is missing or malformed).
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
root="$(cd "$here/../.." && pwd)"
zep="${1:-$root/build/$("$root/tools/build" e2e-preset)/zep.exe}"
zepdrive="$(dirname "$zep")/tools/zepdrive/zepdrive.exe"
runs="${RUNS:-3}"
out="$root/build/bench-debugger"
mkdir -p "$out"
[ -f "$zepdrive" ] || { echo "no zepdrive.exe beside $zep" >&2; exit 2; }

# The game writes rate.txt here, by its full path: a run from the editor
# starts in whatever folder the Open dialog left current (under Wine, the
# one it showed last), not necessarily the script's. Wine's drive Z: is the
# root of this machine's file system.
sed "s|\"rate.txt\"|\"Z:$out/rate.txt\"|" "$here/game.zep" >"$out/game.utf8"
grep -q "\"Z:$out/rate.txt\"" "$out/game.utf8" || { echo "game.zep names no rate.txt" >&2; exit 2; }
"$root/tools/zep-encode" "$out/game.utf8" "$out/game.zep"

# The driver script of one way: closed, open, grid or break.
driver() {
    local way="$1"
    echo '// The editor runs game.zep (bench/debugger/run.sh writes this file).'
    echo '//! cmdline'
    echo '//! window ZEP2 "ZEP - [NONAME.ZEP]"'
    echo '//! command 32771'
    echo '//! dialog "開く"'
    echo '//! dialogfile "game.zep"'
    echo '//! title "ZEP - [game.zep]"'
    if [ "$way" = break ]; then
        # F9 with the caret on the first line.
        echo '//! ctlselect 200 200 0 0'
        echo '//! ctlselection 200 200 0 0'
        echo '//! press "0x78"'
    fi
    if [ "$way" = open ] || [ "$way" = grid ]; then
        echo '//! command 32799'
        echo '//! window ZEPWATCH'
        echo '//! window ZEP2'
    fi
    echo '//! command 32781'
    echo '//! window RUN "rate"'
    if [ "$way" = open ] || [ "$way" = grid ]; then
        # The watch follows the run: the event strip counts its TIMER runs.
        echo '//! window ZEPWATCH'
        echo '//! lvfind 301 0 "TIMER" 0 "TIMER"'
        echo '//! lvfind 303 0 "frame" 0 "frame"'
        if [ "$way" = grid ]; then
            # p is the first variable of the list (the first the script makes).
            echo '//! lvtext 303 0 0 "p"'
            echo '//! lvselect 303 0'
            echo '//! lvcount 304 20'
        fi
        echo '//! window ZEP2'
    fi
    echo '//! timeout 40'
    echo '//! nowindow RUN'
    echo '//! window ZEP2'
    echo '//! statustext 2 "実行を終えました"'
    echo '//! close'
    echo '//! exit 0'
}
for way in closed open grid break; do
    driver "$way" >"$out/drive_$way.utf8"
    "$root/tools/zep-encode" "$out/drive_$way.utf8" "$out/drive_$way.zep"
done

# One run of one way; prints its ticks per second, or fails.
run_way() {
    local way="$1" ticks secs rest
    rm -f "$out/rate.txt"
    if ! "$root/tools/winerun" "$zepdrive" "$zep" "$out/drive_$way.zep" >"$out/drive_$way.log" 2>&1; then
        echo "$way: the driver failed:" >&2
        tr -d '\r' <"$out/drive_$way.log" >&2
        return 1
    fi
    [ -f "$out/rate.txt" ] || { echo "$way: the game wrote no rate.txt" >&2; return 1; }
    read -r ticks secs rest <"$out/rate.txt" || true
    case "$ticks$secs" in
        ''|*[!0-9]*) echo "$way: rate.txt holds '$(cat "$out/rate.txt")'" >&2; return 1 ;;
    esac
    awk -v t="$ticks" -v s="$secs" -v w="$way" \
        'BEGIN { printf "%s: %d ticks / %d s = %.1f per second\n", w, t, s, t / s }' >&2
    awk -v t="$ticks" -v s="$secs" 'BEGIN { printf "%.1f\n", t / s }'
}

closed=() open=() grid=() breaks=()
for _ in $(seq 1 "$runs"); do
    r="$(run_way closed)"; closed+=("$r")
    r="$(run_way open)"; open+=("$r")
    r="$(run_way grid)"; grid+=("$r")
    r="$(run_way break)"; breaks+=("$r")
done
best() { printf '%s\n' "$@" | sort -g | tail -1; }
worst() { printf '%s\n' "$@" | sort -g | head -1; }
c="$(best "${closed[@]}")"
o="$(best "${open[@]}")"
g="$(best "${grid[@]}")"
k="$(best "${breaks[@]}")"
awk -v c="$c" -v o="$o" -v g="$g" -v k="$k" -v n="$runs" 'BEGIN {
    printf "TIMER runs per second, best of %d: watch closed %.1f, watch open %.1f (open/closed %.2f),\n", n, c, o, o / c
    printf "  with the array\47s grid %.1f (%.2f), with a breakpoint elsewhere %.1f (%.2f)\n", g, g / c, k, k / c }'
# The rate asked for is a ceiling that a best run reaches easily; a cost
# shows first as runs that fall short of it.
echo "worst run of each way: closed $(worst "${closed[@]}"), open $(worst "${open[@]}"), grid $(worst "${grid[@]}"), break $(worst "${breaks[@]}")"
