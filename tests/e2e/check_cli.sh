#!/usr/bin/env bash
# zep.exe --check FILE... under Wine, as a teacher runs it on a class's
# scripts: what it prints on standard output, byte for byte, and its exit
# status. The scripts are written here into a scratch folder (so that the
# checker's corpus test, which reads every .zep of tests/e2e, never sees the
# one with mistakes): a script with two mistakes saved as the editor saves
# (Shift-JIS, CR LF), a clean one saved as UTF-8 with LF, and a name with a
# blank and Japanese in it. Prints each case's result; exits 1 if any fails.
#
#   check_cli.sh WINERUN ZEP.EXE
set -u
[ $# -eq 2 ] || { echo "usage: $0 WINERUN ZEP.EXE" >&2; exit 2; }
winerun="$1"
exe="$2"

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1

printf 'INIT {\r\n  Prin(1, 1, 0, 0, 16, 0, "a") ;\r\n}\r\nPAINT {\r\n  Box(10, 10, 50, 50, 1) ;\r\n}\r\n' |
    iconv -f UTF-8 -t CP932 >two_mistakes.zep
printf 'PAINT {\n  // 四角をひとつ描きます\n  Box(10, 10, 50, 50, 1, 2) ;\n}\n' >clean.zep
cp two_mistakes.zep "1組 の名前.zep"

prin='「Prin」という命令はありません。 「Print」と書いてください。'
box='「Box(XL,YT,XR,YB,OC,IC)」は 6 個の値をとります。ここには 5 個しかありません。 値を「,」で区切って 6 個書いてください。'
missing='ファイルが見つからないか、開けません。'

failures=0
# check NAME STATUS EXPECTED FILE...: runs zep.exe --check FILE... and
# compares its standard output with EXPECTED (lines, each ending in LF)
# and its exit status with STATUS.
check() {
    local name="$1" status="$2" expected="$3" got rc
    shift 3
    got="$("$winerun" "$exe" --check "$@"; echo "rc=$?")"
    rc="${got##*rc=}"
    got="${got%rc=*}"
    if [ "$got" = "$expected" ] && [ "$rc" = "$status" ]; then
        echo "ok   $name"
        return
    fi
    echo "FAIL $name: status $rc (expected $status)"
    echo "--- expected"
    printf '%s' "$expected"
    echo "--- got"
    printf '%s' "$got"
    failures=$((failures + 1))
}

check "two mistakes" 2 "two_mistakes.zep(2,3): エラー: $prin
two_mistakes.zep(5,3): エラー: $box
" two_mistakes.zep
check "clean file" 0 "" clean.zep
check "missing file" 1 "missing.zep: エラー: $missing
" missing.zep
check "files in order" 3 "missing.zep: エラー: $missing
two_mistakes.zep(2,3): エラー: $prin
two_mistakes.zep(5,3): エラー: $box
" missing.zep clean.zep two_mistakes.zep
check "name with a blank and Japanese" 2 "1組 の名前.zep(2,3): エラー: $prin
1組 の名前.zep(5,3): エラー: $box
" "1組 の名前.zep"

[ "$failures" -eq 0 ] || exit 1
