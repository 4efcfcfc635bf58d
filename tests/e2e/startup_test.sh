#!/usr/bin/env bash
# The real toramel binary in a program folder of its own: it loads the
# selected season's table, and without system.dbf it names the file it
# looked for, in full, and ends.
#   startup_test.sh TORAMEL MAKE_PROGRAM_FOLDER
set -uo pipefail
toramel=$1 generator=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
pass=0 fail=0
check() {  # name, output, expected text
    if grep -qF -- "$3" <<<"$2"; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAIL $1: no '$3' in:"; echo "$2"; fi
}

mkdir "$work/school"
"$generator" "$work/school" >/dev/null
cp "$toramel" "$work/school/toramel"
out=$("$work/school/toramel" 2>&1); rc=$?
check "loads season" "$out" "chunqiu.dbf: 11 行"
check "first row current" "$out" ">     1  07:50:00  预备铃"
[ $rc -eq 0 ] && pass=$((pass + 1)) || { fail=$((fail + 1)); echo "FAIL exit code $rc"; }

mkdir "$work/empty 空"
cp "$toramel" "$work/empty 空/toramel"
out=$("$work/empty 空/toramel" 2>&1)
check "missing settings" "$out" "系统初始化错误！"
check "names AppDir" "$out" "文件 $work/empty 空/system.dbf 未找到！"

echo "$pass passed, $fail failed"
[ $fail -eq 0 ]
