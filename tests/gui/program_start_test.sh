#!/usr/bin/env bash
# The real toramel on the offscreen platform: a start in a sound program
# folder keeps running; without system.dbf, or with a damaged one, it says
# which file (naming the program folder in full), asks for no password and
# ends with 0.
#   program_start_test.sh TORAMEL MAKE_PROGRAM_FOLDER
set -uo pipefail
toramel=$1 generator=$2
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
pass=0 fail=0
check() {  # name, output, expected text
    if grep -qF -- "$3" <<<"$2"; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAIL $1: no '$3' in:"; echo "$2"; fi
}
none() {  # name, output, text that must not be there
    if grep -qF -- "$3" <<<"$2"; then fail=$((fail + 1)); echo "FAIL $1: '$3' in:"; echo "$2"; else pass=$((pass + 1)); fi
}
export QT_QPA_PLATFORM=offscreen TORAMEL_ECHO_MESSAGES=1

# Each start gets a session of its own, so that no copy blocks another.
start() {  # folder; runs toramel there with a timeout, prints its output and exit code
    local run
    run=$(mktemp -d "$work/run.XXXX") && chmod 700 "$run"
    XDG_RUNTIME_DIR="$run" timeout 10 "$1/toramel" 2>&1
    echo "exit $?"
}

mkdir "$work/school"
"$generator" "$work/school" >/dev/null
cp "$toramel" "$work/school/toramel"
mkdir -m 700 "$work/run-sound"
XDG_RUNTIME_DIR="$work/run-sound" "$work/school/toramel" >"$work/sound.out" 2>&1 &
pids+=($!)
disown
sleep 2
if kill -0 "${pids[0]}" 2>/dev/null; then pass=$((pass + 1)); else fail=$((fail + 1)); echo "FAIL sound start ended:"; cat "$work/sound.out"; fi
none "sound start shows no message" "$(cat "$work/sound.out")" "[信息]"

mkdir "$work/empty 空"
cp "$toramel" "$work/empty 空/toramel"
out=$(start "$work/empty 空")
check "missing settings" "$out" "[信息] 系统初始化错误！"
check "names AppDir" "$out" "文件 $work/empty 空/system.dbf 未找到！"
check "missing settings ends with 0" "$out" "exit 0"
none "no password asked" "$out" "密码"

mkdir "$work/damaged"
"$generator" "$work/damaged" >/dev/null
cp "$toramel" "$work/damaged/toramel"
head -c 100 /dev/urandom >"$work/damaged/system.dbf"
out=$(start "$work/damaged")
check "damaged settings" "$out" "文件 $work/damaged/system.dbf"
check "damaged settings ends with 0" "$out" "exit 0"

echo "$pass passed, $fail failed"
[ $fail -eq 0 ]
