#!/usr/bin/env bash
# ./zep [--screenshot FILE.png] [file.zep]
# Installs what is missing, builds zep.exe and runs the script under Wine in
# its own window; without a display, a virtual one is used (--screenshot
# saves a picture of it after a few seconds and ends the run).
set -eu
root="$(cd "$(dirname "$0")" && pwd)"
shot=()
if [ "${1:-}" = "--screenshot" ]; then
    [ $# -ge 2 ] || { echo "usage: ./zep [--screenshot FILE.png] [file.zep]" >&2; exit 2; }
    shot=(--screenshot "$(realpath -m "$2")" --kill)
    shift 2
fi
"$root/tools/install-deps"
"$root/tools/build" e2e >/dev/null
exe="$root/build/$("$root/tools/build" e2e-preset)/zep.exe"
if [ $# -lt 1 ]; then
    echo "zep: the editor is not built yet; give a script to run, e.g. ./zep examples/hello.zep" >&2
    exit 2
fi
[ -f "$1" ] || { echo "zep: no such file: $1" >&2; exit 2; }
if [ -z "${DISPLAY:-}" ]; then
    echo "zep: no display; the script runs on a virtual display (Xvfb)." >&2
    [ ${#shot[@]} -gt 0 ] || echo "zep: it runs until it ends itself; Ctrl+C stops it." >&2
fi
exec "$root/tools/winerun" "${shot[@]}" "$exe" "$(realpath "$1")"
