#!/usr/bin/env bash
# CPU time and resident memory of an idle toramel (offscreen, the sample
# day's rows all over) over a span of seconds.
#   idle_usage.sh BUILD_DIR [SECONDS]   (default 600)
set -euo pipefail
build=$1 span=${2:-600}
work=$(mktemp -d) pid=
trap 'kill "$pid" 2>/dev/null; rm -rf "$work" "/dev/shm/faketime_shm_$pid" "/dev/shm/sem.faketime_sem_$pid"' EXIT
"$build/tools/make_program_folder" "$work" >/dev/null
cp "$build/program/toramel" "$work/"
export XDG_RUNTIME_DIR="$work" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/none"
# The faketime library preloaded directly, so that the program is this
# process itself (the clean-up removes the shared clock it makes).
faketime_library=$(faketime -f +0 printenv LD_PRELOAD)
(cd "$work" && QT_QPA_PLATFORM=offscreen TORAMEL_ECHO_MESSAGES=1 LD_PRELOAD="$faketime_library" \
    FAKETIME="@2026-12-09 18:00:00" exec ./toramel >/dev/null 2>&1) &
pid=$!
sleep 5  # past start-up
target=$pid
before=$(awk '{print $14 + $15}' "/proc/$target/stat")
sleep "$span"
after=$(awk '{print $14 + $15}' "/proc/$target/stat")
rss=$(awk '/VmRSS/ {print $2}' "/proc/$target/status")
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v s="$span" -v rss="$rss" \
    'BEGIN { printf "idle toramel over %d s: CPU %.2f s (%.3f %% of a core), resident %.1f MiB\n", s, t / hz, 100 * t / hz / s, rss / 1024 }'
