#!/usr/bin/env bash
# Builds zepdrive.exe and selftest_app.exe without CMake, into $1 (default:
# build/ in this folder). Objects are compiled in parallel and kept; one is
# rebuilt when its source or any header is newer.
set -eu
here="$(cd "$(dirname "$0")" && pwd)"
out="${1:-$here/build}"
mkdir -p "$out"
cxx="${CXX_MINGW:-i686-w64-mingw32-g++}"
flags=(-std=c++17 -O2 -Wall -Wextra -fexec-charset=CP932)

newest_header=""
for h in "$here"/*.h; do
    [ -z "$newest_header" ] || [ "$h" -nt "$newest_header" ] && newest_header="$h"
done
objects=()
pids=()
for src in "$here"/*.cpp; do
    obj="$out/$(basename "${src%.cpp}").o"
    [ "$(basename "$src")" = selftest_app.cpp ] || objects+=("$obj")
    if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ] || [ "$newest_header" -nt "$obj" ]; then
        "$cxx" "${flags[@]}" -c "$src" -o "$obj" &
        pids+=($!)
    fi
done
for p in "${pids[@]}"; do wait "$p"; done

"$cxx" -static "${objects[@]}" -o "$out/zepdrive.exe" -lgdi32
"$cxx" -static -mwindows "$out/selftest_app.o" -o "$out/selftest_app.exe" -lgdi32
