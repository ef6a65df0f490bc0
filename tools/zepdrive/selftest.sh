#!/usr/bin/env bash
# Checks zepdrive on a small window program of its own, under Wine:
#   selftest.zep, selftest_cmdline.zep, selftest_noargs.zep,
#   selftest_start.zep  must pass;
#   selftest_fail*.zep  must fail (exit 1);
#   selftest_bad*.zep   must be refused (exit 2);
# each failing or refused one must print exactly its "// expect:" line, and
# no run may leave the program behind. Prints the time of each run.
#
#   selftest.sh BUILD_DIR
# BUILD_DIR holds zepdrive.exe and selftest_app.exe, as CMake builds them
# (build/win/tools/zepdrive). The scripts (UTF-8, LF) run from a scratch
# copy written as Shift-JIS with CR LF, so the files the program writes stay
# out of the source tree. Each run has a display of its own (unless
# ZEP_OWN_DISPLAY is set), so tests running beside it cannot cover its window.
set -u
here="$(cd "$(dirname "$0")" && pwd)"
winerun="$here/../winerun"
[ $# -eq 1 ] || { echo "usage: $0 BUILD_DIR" >&2; exit 2; }
build="$(cd "$1" && pwd)"
export ZEP_OWN_DISPLAY="${ZEP_OWN_DISPLAY:-1}"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
for f in "$here"/*.zep; do
    "$here/../zep-encode" "$f" "$work/$(basename "$f")"
done
cd "$work" || exit 1

problems=0
problem() {
    echo "  PROBLEM: $*"
    problems=$((problems + 1))
}

# The Windows path Wine gives a file of this folder (drive Z: is /).
winpath() {
    local p="Z:$work/$1"
    echo "${p//\//\\}"
}

expected_line() {
    grep -a '^// expect: ' "$1" | iconv -f CP932 -t UTF-8 | tr -d '\r' | sed 's#^// expect: ##'
}

# run FILE WANTED_EXIT_CODE WANTED_OUTPUT
run() {
    rm -f selftest_out.txt selftest_args.txt selftest_shot.bmp
    local start end out rc
    start=$(date +%s%N)
    out="$("$winerun" "$build/zepdrive.exe" "$build/selftest_app.exe" "$1")"
    rc=$?
    end=$(date +%s%N)
    echo "$1: exit $rc in $(( (end - start) / 1000000 )) ms"
    [ "$rc" = "$2" ] || problem "exit code $rc, wanted $2"
    [ "$out" = "$3" ] || problem "printed [$out], wanted [$3]"
    # A program the driver ended leaves Wine's process list a moment after
    # the driver saw it end.
    local waited=0
    while pgrep -f 'selftest_app\.exe' >/dev/null && [ $waited -lt 30 ]; do
        sleep 0.1
        waited=$((waited + 1))
    done
    if pgrep -f 'selftest_app\.exe' >/dev/null; then
        problem "selftest_app.exe is still running"
    fi
}

# Reads the arguments the program wrote (key 67) and compares them.
check_args() {
    local got
    [ -f selftest_args.txt ] || { problem "the program wrote no selftest_args.txt"; return; }
    got="$(cat selftest_args.txt)"
    [ "$got" = "$1" ] || problem "program arguments [$got], wanted [$1]"
}

run selftest.zep 0 "PASS selftest.zep"
check_args "\"$(winpath selftest.zep)\""
if [ ! -s selftest_shot.bmp ] || [ "$(head -c 2 selftest_shot.bmp)" != BM ]; then
    problem "no BMP from shot"
fi

run selftest_cmdline.zep 0 "PASS selftest_cmdline.zep"
check_args "\"no such file.zep\" -x $(winpath selftest_cmdline.zep)"

run selftest_noargs.zep 0 "PASS selftest_noargs.zep"
check_args ""

run selftest_start.zep 0 "PASS selftest_start.zep"

for f in selftest_fail*.zep; do
    run "$f" 1 "$(expected_line "$f")"
done
for f in selftest_bad*.zep; do
    run "$f" 2 "$(expected_line "$f")"
done

if [ "$problems" -ne 0 ]; then
    echo "selftest: $problems problem(s)"
    exit 1
fi
echo "selftest: all good"
