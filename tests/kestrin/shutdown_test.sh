#!/usr/bin/env bash
# The real kestrin against a mocked systemd-logind. A private dbus-daemon
# stands in for the system bus (DBUS_SYSTEM_BUS_ADDRESS points kestrin and
# the mock at it), so no case can reach the machine's own logind.
#   shutdown_test.sh KESTRIN
set -uo pipefail
kestrin=$1
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# python3-dbusmock belongs to Debian's own interpreter, which need not be
# the first python3 on the PATH.
python=
for candidate in python3 /usr/bin/python3; do
    if "$candidate" -c 'import dbusmock' 2>/dev/null; then python=$candidate; break; fi
done
[ -n "$python" ] || { echo "FAIL: no python3 with dbusmock (scripts/install-deps)"; exit 1; }

export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work
pass=0 fail=0
ok() { pass=$((pass + 1)); }
bad() { fail=$((fail + 1)); echo "FAIL $1"; }

# Polls a command for up to 20 s (a sanitizer build starts slowly).
eventually() {
    local i
    for ((i = 0; i < 200; i++)); do "$@" && return 0; sleep 0.1; done
    return 1
}
running() {  # pid: alive and not a zombie
    local state
    state=$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null) && [ "$state" != Z ]
}
contains() { grep -qF -- "$2" "$1" 2>/dev/null; }

# start_bus NAME: a bus daemon of its own; sets $bus to its address.
start_bus() {
    dbus-daemon --session --nofork --address="unix:path=$work/$1.socket" --print-address=1 \
        >"$work/$1.address" 2>"$work/$1.daemon.log" &
    pids+=($!)
    eventually test -s "$work/$1.address" || { echo "FAIL: dbus-daemon did not start"; exit 1; }
    bus=$(head -n 1 "$work/$1.address")
}
# start_logind NAME: python3-dbusmock's logind template on that bus,
# logging every call it receives to NAME.calls.
start_logind() {
    DBUS_SYSTEM_BUS_ADDRESS=$bus "$python" -m dbusmock --system --template logind \
        --logfile "$work/$1.calls" >"$work/$1.mock.log" 2>&1 &
    pids+=($!)
    eventually has_owner org.freedesktop.login1 || { echo "FAIL: mock logind did not start"; exit 1; }
}
has_owner() {
    dbus-send --bus="$bus" --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q 'boolean true'
}
# Makes the mock's PowerOff answer as logind does for a user polkit refuses.
refuse_power_off() {
    dbus-send --bus="$bus" --print-reply --dest=org.freedesktop.login1 /org/freedesktop/login1 \
        org.freedesktop.DBus.Mock.AddMethod string:org.freedesktop.login1.Manager string:PowerOff \
        string:b string: "string:raise dbus.exceptions.DBusException('Interactive authentication required.', name='org.freedesktop.DBus.Error.InteractiveAuthorizationRequired')" \
        >/dev/null
}
# start_kestrin NAME [ARGS...] with the current $bus as its system bus.
start_kestrin() {
    local name=$1
    shift
    DBUS_SYSTEM_BUS_ADDRESS=$bus "$kestrin" "$@" >"$work/$name.out" 2>&1 &
    kestrin_pid=$!
    pids+=("$kestrin_pid")
}
# After its request the window stays: the process goes on running.
check_stays_open() {
    sleep 1
    if running "$kestrin_pid"; then ok; else bad "$1: kestrin ended"; cat "$work/$1.out"; fi
    if grep -qE 'Sanitizer|runtime error' "$work/$1.out"; then bad "$1: sanitizer report"; cat "$work/$1.out"; else ok; fi
    kill "$kestrin_pid" 2>/dev/null
}
power_off_calls() { cat "$work/$1.calls" 2>/dev/null | grep -c ' PowerOff False$'; }

# Accepted: one non-interactive PowerOff, and kestrin waits for the
# shutdown to end it.
start_bus accepted
start_logind accepted
start_kestrin accepted
if eventually contains "$work/accepted.calls" ' PowerOff False'; then ok; else bad "accepted: no PowerOff(false)"; fi
check_stays_open accepted
[ "$(power_off_calls accepted)" = 1 ] && ok || bad "accepted: $(power_off_calls accepted) PowerOff calls, not 1"

# Refused by logind: asked once, the refusal leaves the window open.
start_bus refused
start_logind refused
refuse_power_off
start_kestrin refused
if eventually contains "$work/refused.calls" 'PowerOff raised: org.freedesktop.DBus.Error.InteractiveAuthorizationRequired'; then ok; else bad "refused: PowerOff not refused"; fi
check_stays_open refused
[ "$(power_off_calls refused)" = 1 ] && ok || bad "refused: $(power_off_calls refused) PowerOff calls, not 1"

# No logind on the bus: the request goes out, the bus answers that nobody
# serves it, and the window stays.
start_bus nologind
dbus-monitor --address "$bus" "type='method_call',member='PowerOff'" >"$work/nologind.monitor" 2>&1 &
pids+=($!)
sleep 0.3  # let the monitor attach
start_kestrin nologind
if eventually contains "$work/nologind.monitor" 'member=PowerOff'; then ok; else bad "nologind: no PowerOff sent"; fi
check_stays_open nologind

# No system bus at all: nothing can be requested; no crash, the window
# stays. A mock on a bus of its own shows that nothing went elsewhere.
start_bus elsewhere
start_logind elsewhere
bus="unix:path=$work/no-such.socket"
start_kestrin nobus
sleep 2
check_stays_open nobus
[ "$(power_off_calls elsewhere)" = 0 ] && ok || bad "nobus: a PowerOff reached a bus"

# Arguments are ignored, Qt's own options among them: a -platform that does
# not exist would end the program if anything read it.
start_bus arguments
start_logind arguments
start_kestrin arguments -platform no-such-platform --help -style none extra.txt
if eventually contains "$work/arguments.calls" ' PowerOff False'; then ok; else bad "arguments: no PowerOff(false)"; cat "$work/arguments.out"; fi
check_stays_open arguments

echo "$pass passed, $fail failed"
[ $fail -eq 0 ]
