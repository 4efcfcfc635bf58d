#!/usr/bin/env bash
# Two real toramel processes in one user session: the second shows
# "Belvane系统已经运行！" and ends with 0 at once; after the first is killed
# with SIGKILL a new start runs.
#   single_instance_test.sh TORAMEL MAKE_PROGRAM_FOLDER
set -uo pipefail
toramel=$1 generator=$2
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$work"' EXIT
pass=0 fail=0
ok() { pass=$((pass + 1)); }
bad() { fail=$((fail + 1)); echo "FAIL $*"; }

mkdir "$work/school" && mkdir -m 700 "$work/run"
"$generator" "$work/school" >/dev/null
cp "$toramel" "$work/school/toramel"
export XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen TORAMEL_ECHO_MESSAGES=1

# Waits until copy $1 holds the session's lock file open. (Probing with a
# lock of our own would itself make a starting copy think one is running.)
wait_for_lock() {
    for _ in $(seq 100); do
        ls -l "/proc/$1/fd" 2>/dev/null | grep -q "$work/run/toramel.lock" && return 0
        sleep 0.1
    done
    return 1
}

"$work/school/toramel" >"$work/first.out" 2>&1 &
pids+=($!)
first=$!
wait_for_lock "$first" && ok || bad "the first copy never took the lock: $(cat "$work/first.out")"

out=$(timeout 10 "$work/school/toramel" 2>&1); rc=$?
[ $rc -eq 0 ] && ok || bad "second copy ended with $rc"
grep -qF "[系统信息] Belvane系统已经运行！" <<<"$out" && ok || bad "second copy said: $out"
kill -0 "$first" 2>/dev/null && ok || bad "the first copy is gone"

{ kill -9 "$first" && wait "$first"; } 2>/dev/null
"$work/school/toramel" >"$work/third.out" 2>&1 &
pids+=($!)
third=$!
disown
wait_for_lock "$third" && ok || bad "no start after the first copy was killed"
sleep 0.5
kill -0 "$third" 2>/dev/null && ok || bad "the start after the kill ended: $(cat "$work/third.out")"
grep -qF "已经运行" "$work/third.out" && bad "the start after the kill was refused" || ok

echo "$pass passed, $fail failed"
[ $fail -eq 0 ]
