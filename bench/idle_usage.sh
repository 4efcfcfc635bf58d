#!/usr/bin/env bash
# CPU time and resident memory of an idle toramel (offscreen, the sample
# day's rows all over) over a span of seconds.
#   idle_usage.sh BUILD_DIR [SECONDS]   (default 600)
set -euo pipefail
build=$1 span=${2:-600}
work=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null; rm -rf "$work"' EXIT
"$build/tools/make_program_folder" "$work" >/dev/null
cp "$build/program/toramel" "$work/"
export XDG_RUNTIME_DIR="$work" DBUS_SYSTEM_BUS_ADDRESS="unix:path=$work/none"
(cd "$work" && QT_QPA_PLATFORM=offscreen TORAMEL_ECHO_MESSAGES=1 exec faketime -f "@2026-12-09 18:00:00" ./toramel >/dev/null 2>&1) &
pid=$!
sleep 5  # past start-up
target=$(pgrep -P "$pid" toramel || echo "$pid")
before=$(awk '{print $14 + $15}' "/proc/$target/stat")
sleep "$span"
after=$(awk '{print $14 + $15}' "/proc/$target/stat")
rss=$(awk '/VmRSS/ {print $2}' "/proc/$target/status")
hz=$(getconf CLK_TCK)
awk -v t=$((after - before)) -v hz="$hz" -v s="$span" -v rss="$rss" \
    'BEGIN { printf "idle toramel over %d s: CPU %.2f s (%.3f %% of a core), resident %.1f MiB\n", s, t / hz, 100 * t / hz / s, rss / 1024 }'
