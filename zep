#!/usr/bin/env bash
# ./zep [--screenshot FILE.png] [file.zep]
# Installs what is missing, builds zep.exe and runs it under Wine. With a
# script, the script runs in its own window; without a display, a virtual
# one is used (save a picture of it with --screenshot).
set -eu
root="$(cd "$(dirname "$0")" && pwd)"
shot=()
if [ "${1:-}" = "--screenshot" ]; then
    [ $# -ge 2 ] || { echo "usage: ./zep [--screenshot FILE.png] [file.zep]" >&2; exit 2; }
    shot=(--screenshot "$(realpath -m "$2")" --kill)
    shift 2
fi
"$root/tools/install-deps"
"$root/tools/build" win >/dev/null
args=()
if [ $# -ge 1 ]; then
    [ -f "$1" ] || { echo "zep: no such file: $1" >&2; exit 2; }
    args=("$(realpath "$1")")
else
    echo "zep: the editor is not built yet; give a script to run, e.g. ./zep examples/hello.zep" >&2
fi
[ -n "${DISPLAY:-}" ] || echo "zep: no display; running on a virtual display (Xvfb)" >&2
exec "$root/tools/winerun" "${shot[@]}" "$root/build/win/zep.exe" "${args[@]}"
