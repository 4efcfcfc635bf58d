#!/usr/bin/env bash
# The real toramel over a default program folder, with the clock put where
# each case needs it (faketime), its sound going to a private PulseAudio
# null sink, and a mocked systemd-logind on a private bus standing in for
# the system's, so that a shutdown can be seen arriving and never happens.
#   broadcast_day_test.sh TORAMEL KESTRIN MAKE_PROGRAM_FOLDER WRITE_TIMETABLE
set -uo pipefail
toramel=$1 kestrin=$2 generator=$3 timetable=$4
work=$(mktemp -d)
pids=()
cleanup() {
    # Every toramel and kestrin of these cases, and the shared clock that
    # the faketime library of each made and cannot remove when killed.
    for pid in $(pgrep -f "^$work/"); do
        kill "$pid" 2>/dev/null
        rm -f "/dev/shm/faketime_shm_$pid" "/dev/shm/sem.faketime_sem_$pid"
    done
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
pass=0 fail=0
ok() { pass=$((pass + 1)); }
bad() { fail=$((fail + 1)); echo "FAIL $*"; }
within() {  # within SECONDS COMMAND...: polls every 0.1 s
    local tries=$(($1 * 10)); shift
    for _ in $(seq "$tries"); do "$@" && return 0; sleep 0.1; done
    return 1
}
eventually() { within 15 "$@"; }
contains() { grep -qF -- "$2" "$1" 2>/dev/null; }

# Debian's python3 has dbusmock; a python3 earlier on the PATH may not.
python=python3
$python -c 'import dbusmock' 2>/dev/null || python=/usr/bin/python3
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"

pulseaudio --daemonize=no --exit-idle-time=-1 --system=false --use-pid-file=false --realtime=false \
    --high-priority=false --log-target=stderr --log-level=error -n \
    "--load=module-null-sink sink_name=out" \
    "--load=module-native-protocol-unix auth-anonymous=1 socket=$work/pulse.socket" 2>"$work/pulse.log" &
pids+=($!)
export PULSE_SERVER="unix:$work/pulse.socket"
eventually test -S "$work/pulse.socket" || { echo "FAIL pulseaudio did not start"; cat "$work/pulse.log"; exit 1; }

dbus-daemon --session --nofork --address="unix:path=$work/bus.socket" --print-address=1 >"$work/bus.address" 2>/dev/null &
pids+=($!)
eventually test -s "$work/bus.address" || { echo "FAIL dbus-daemon did not start"; exit 1; }
export DBUS_SYSTEM_BUS_ADDRESS=$(head -n 1 "$work/bus.address")
$python -m dbusmock --system --template logind --logfile "$work/logind.calls" >"$work/mock.log" 2>&1 &
pids+=($!)
eventually dbus-send --bus="$DBUS_SYSTEM_BUS_ADDRESS" --print-reply --dest=org.freedesktop.login1 \
    /org/freedesktop/login1 org.freedesktop.DBus.Peer.Ping >/dev/null 2>&1 || { echo "FAIL mock logind"; exit 1; }

# A school program folder of its own; `setting FIELD VALUE` edits system.dbf
# through Perl's XBase, an independent dBASE implementation.
school() {
    local dir="$work/$1"
    mkdir -p "$dir"
    "$generator" "$dir" >/dev/null
    cp "$toramel" "$kestrin" "$dir/"
    echo "$dir"
}
setting() {
    /usr/bin/perl -MXBase -e '$t = XBase->new($ARGV[0]) or die XBase->errstr;
        $t->update_record_hash(0, $ARGV[1] => $ARGV[2]) or die $t->errstr; $t->close' "$1/system.dbf" "$2" "$3"
}
# The faketime command's own shared clock would outlive a killed program;
# its library is preloaded directly instead.
faketime_library=$(faketime -f +0 printenv LD_PRELOAD)
# launch NAME DIR [VAR=VALUE...]: toramel of DIR on its offscreen platform,
# as a user session of its own (the single-instance lock lives there), by
# its full path, so that the clean-up finds it and the kestrin it started.
launch() {
    local name=$1 dir=$2
    shift 2
    mkdir -m 700 "$work/$name.runtime"
    (cd "$dir" && env XDG_RUNTIME_DIR="$work/$name.runtime" QT_QPA_PLATFORM=offscreen TORAMEL_ECHO_STATUS=1 \
        TORAMEL_ECHO_MESSAGES=1 LD_PRELOAD="$faketime_library" "$@" "$dir/toramel" >"$work/$name.out" 2>&1
     echo "exit $?" >>"$work/$name.out") &
}
# start NAME DIR "YYYY-MM-DD hh:mm:ss": with the clock starting there.
start() { launch "$1" "$2" FAKETIME="@$3"; }
# start_movable NAME DIR "YYYY-MM-DD hh:mm:ss": as start, on a clock that
# `jump NAME SECONDS` later moves forward (the monotonic clock stays real,
# so the program's timers see no jump).
start_movable() {
    printf '%+d\n' $(($(date -d "$3" +%s) - $(date +%s))) >"$work/$1.clock"
    launch "$1" "$2" FAKETIME_TIMESTAMP_FILE="$work/$1.clock" FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1
}
jump() {
    printf '%+d\n' $(($(<"$work/$1.clock") + $2)) >"$work/$1.clock"
}

# A Wednesday: the sample day's first row, 预备铃 at 07:50:00, starts at its
# second; a custom shutdown time powers off through kestrin.
day=$(school day)
setting "$day" ID2 "07:50:03"
start day "$day" "2026-12-09 07:49:57"
if eventually contains "$work/day.out" "正在播放：$day/audio/bell.wav"; then ok; else bad "the 07:50:00 row did not start"; cat "$work/day.out"; fi
if eventually contains "$work/logind.calls" "PowerOff False"; then ok; else bad "no PowerOff at the custom shutdown time"; fi
if grep -q "07:49" "$work/logind.calls" 2>/dev/null; then bad "PowerOff came early"; else ok; fi
contains "$work/day.out" "exit" && bad "toramel ended after the shutdown request" || ok

# End mode "quit": once the day's rows are over the program ends by itself,
# with no password asked although it starts locked.
quit=$(school quit)
setting "$quit" ID5 "1"
start quit "$quit" "2026-12-09 17:00:00"
if eventually contains "$work/quit.out" "exit 0"; then ok; else bad "end mode 1 did not quit"; cat "$work/quit.out"; fi
contains "$work/quit.out" "操作员资格论证" && bad "a password was asked" || ok

# rows DIR < lines: the spring-and-autumn table replaced by these rows
# (TIME|FILENAME|SHICHANG|XQJTB).
rows() { "$timetable" "$1/chunqiu.dbf" CHUNQIU_ON; }
# starts NAME FILE: how many times FILE began to play (its first playing
# tick shows the estimate 00:00:00; a long title keeps its file name).
starts() { grep -cF "$(basename "$2")  长度大约：00:00:00" "$work/$1.out"; }
at_least() { [ "$(starts "$1" "$2")" -ge "$3" ]; }

# A continuation row follows the timed row it belongs to; a row suspended
# today (Wednesday, 3) is passed over and the next timed row plays.
chain=$(school chain)
rows "$chain" <<'ROWS'
07:50:00|bell.wav||
|chime.wav||
07:50:07|bell.wav||3
07:50:08|chime.wav|07:50:40|
ROWS
start chain "$chain" "2026-12-09 07:49:58"
if eventually at_least chain "$chain/audio/chime.wav" 2; then ok; else bad "continuation or the row after the suspended one did not play"; cat "$work/chain.out"; fi
[ "$(starts chain "$chain/audio/bell.wav")" = 1 ] && ok || bad "the suspended row played"

# A folder row plays its files in turn until its stop time.
folder=$(school folder)
rows "$folder" <<ROWS
07:50:00|$folder/audio/|07:50:12|
ROWS
start folder "$folder" "2026-12-09 07:49:59"
if eventually at_least folder "$folder/audio/bell.wav" 1 && eventually at_least folder "$folder/audio/chime.wav" 1; then
    ok
else
    bad "the folder row did not play its files in turn"; cat "$work/folder.out"
fi

# End mode "replay": a list of continuation rows starts again from the top.
replay=$(school replay)
setting "$replay" ID5 "2"
rows "$replay" <<'ROWS'
|chime.wav||
ROWS
start replay "$replay" "2026-12-09 09:00:00"
if eventually at_least replay "$replay/audio/chime.wav" 2; then ok; else bad "end mode 2 did not replay"; cat "$work/replay.out"; fi

# End mode 0: about 31 idle seconds after the last row the shutdown is armed
# 5 minutes ahead, the status line counts down, and the computer is switched
# off at the armed second. The clock jumps over most of the 5 minutes.
armed=$(school armed)
setting "$armed" ID5 "0"
rows "$armed" <<'ROWS'
17:00:01|chime.wav||
ROWS
poweroffs() { grep -c "PowerOff False" "$work/logind.calls" 2>/dev/null; }
before=$(poweroffs)
start_movable armed "$armed" "2026-12-09 17:00:00"
countdown() { contains "$work/armed.out" "系统将在 $1 后自动关机！"; }
if within 60 countdown "00:05:00"; then ok; else bad "end mode 0 did not arm"; cat "$work/armed.out"; fi
[ "$(poweroffs)" = "$before" ] && ok || bad "PowerOff came before the armed time"
jump armed 290
powered_off() { [ "$(poweroffs)" -gt "$before" ]; }
if within 30 powered_off; then
    # The tick before the armed second shows one second left; a shutdown at
    # any earlier second would arrive before that line.
    if countdown "00:00:01"; then ok; else bad "PowerOff came before the armed second"; tail -n 15 "$work/armed.out"; fi
else
    bad "end mode 0 did not power off at the armed second"; tail -n 15 "$work/armed.out"
fi

echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
