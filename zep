#!/usr/bin/env bash
# ./zep [--screenshot FILE.png [--after SECONDS]] [file.zep]
# ./zep --check FILE...
# Installs what is missing, builds zep.exe and starts it under Wine: without
# a file it opens the editor, with one it runs that script in its own
# window. Without a display, a virtual one is used (--screenshot saves a
# picture of it after a few seconds and ends the program). With --check it
# runs nothing: zep.exe checks the files, its lines come out on standard
# output, and the exit status is zep.exe's, the number of errors.
set -eu
root="$(cd "$(dirname "$0")" && pwd)"

usage() {
    cat <<'USAGE'
usage: ./zep [--screenshot FILE.png [--after SECONDS]] [file.zep]
       ./zep --check FILE...

  ./zep examples/hello.zep   run a script in its own window
  --screenshot FILE.png      save a picture of the screen after a few
                             seconds (3, or --after SECONDS) and end the run
  --check FILE...            check scripts without running them: each
                             problem is one line (UTF-8) on standard output,
                             FILE(LINE,COLUMN): エラー: message hint
                             (注意 for a warning), a file that cannot be read
                             is one エラー line; the exit status is the
                             number of エラー (0: none; at most 255)
  --help                     this text

The first run installs what is missing (Debian packages), builds zep.exe
and sets up Wine once, which takes a minute or two.
USAGE
}

shot=()
after=()
check=0
while [ $# -gt 0 ]; do
    case "$1" in
        --help|-h) usage; exit 0 ;;
        --screenshot)
            [ $# -ge 2 ] || { usage >&2; exit 2; }
            shot=(--screenshot "$(realpath -m "$2")" --kill)
            shift 2 ;;
        --after)
            [ $# -ge 2 ] || { usage >&2; exit 2; }
            after=(--after "$2")
            shift 2 ;;
        --check) check=1; shift; break ;;
        --) shift; break ;;
        -*) echo "zep: unknown option: $1" >&2; usage >&2; exit 2 ;;
        *) break ;;
    esac
done
if [ "$check" = 1 ] && [ $# -lt 1 ]; then
    echo "zep: --check needs at least one file" >&2; usage >&2; exit 2
fi
# Standard output is for zep.exe's lines alone.
"$root/tools/install-deps" >&2
"$root/tools/build" e2e >/dev/null
exe="$root/build/$("$root/tools/build" e2e-preset)/zep.exe"
# The names as given: Wine starts in this folder, and zep.exe prints each
# name as it was written.
if [ "$check" = 1 ]; then
    exec "$root/tools/winerun" "$exe" --check "$@"
fi
what="the script"
[ $# -ge 1 ] || what="the editor"
if [ -z "${DISPLAY:-}" ]; then
    echo "zep: no display; $what runs on a virtual display (Xvfb)." >&2
    [ ${#shot[@]} -gt 0 ] || echo "zep: it runs until it ends itself; Ctrl+C stops it." >&2
fi
if [ $# -lt 1 ]; then
    exec "$root/tools/winerun" "${shot[@]}" "${after[@]}" "$exe"
fi
[ -f "$1" ] || { echo "zep: no such file: $1 (./zep --help)" >&2; exit 2; }
exec "$root/tools/winerun" "${shot[@]}" "${after[@]}" "$exe" "$(realpath "$1")"
