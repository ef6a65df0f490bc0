#!/usr/bin/env bash
# ./zep [--screenshot FILE.png] [file.zep]
# Installs what is missing, builds zep.exe and starts it under Wine: without
# a file it opens the editor, with one it runs that script in its own
# window. Without a display, a virtual one is used (--screenshot saves a
# picture of it after a few seconds and ends the program).
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
what="the script"
[ $# -ge 1 ] || what="the editor"
if [ -z "${DISPLAY:-}" ]; then
    echo "zep: no display; $what runs on a virtual display (Xvfb)." >&2
    [ ${#shot[@]} -gt 0 ] || echo "zep: it runs until it ends itself; Ctrl+C stops it." >&2
fi
if [ $# -lt 1 ]; then
    exec "$root/tools/winerun" "${shot[@]}" "$exe"
fi
[ -f "$1" ] || { echo "zep: no such file: $1" >&2; exit 2; }
exec "$root/tools/winerun" "${shot[@]}" "$exe" "$(realpath "$1")"
