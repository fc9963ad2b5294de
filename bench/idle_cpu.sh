#!/usr/bin/env bash
# Idle cost of vrx beside psensor: both under one Xvfb, vrx linked to vrxsim, nothing touched.
# Prints CPU % of one core and peak RSS for each over the same minute.
# Usage: bench/idle_cpu.sh [BUILD_DIR] [SECONDS]
# VRX_IDLE_UNMAP=1 unmaps vrx's window first, to tell the cost of painting from the rest.
# PSENSOR_INTERVAL=N sets psensor's sensor and graph update interval (its default is 2 s; vrx
# updates every second).
set -euo pipefail
build="${1:-build/default}"
secs="${2:-60}"
work="$(mktemp -d)"
display=":$((90 + RANDOM % 9))"
pids=()
cleanup() { kill "${pids[@]}" 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$work"; }
trap cleanup EXIT

Xvfb "$display" -screen 0 1280x960x24 >/dev/null 2>&1 & pids+=($!)
sleep 1
export DISPLAY="$display"
"$build/bin/vrxsim" --app-dir "$work" --port 3 --board 2 >"$work/sim.out" 2>&1 & pids+=($!)
for _ in $(seq 50); do grep -q ready "$work/sim.out" 2>/dev/null && break; sleep 0.1; done
"$build/bin/vrx" --app-dir "$work" --ports-only --dry-run-power-off >/dev/null 2>&1 & vrx=$!; pids+=($vrx)
mkdir -p "$work/config/glib-2.0/settings"
printf '[apps/psensor]\nsensor-update-interval=%s\ngraph-update-interval=%s\n' \
    "${PSENSOR_INTERVAL:-2}" "${PSENSOR_INTERVAL:-2}" >"$work/config/glib-2.0/settings/keyfile"
HOME="$work" XDG_CONFIG_HOME="$work/config" GSETTINGS_BACKEND=keyfile psensor >/dev/null 2>&1 &
psensor=$!; pids+=($psensor)
sleep 10 # start-up, link and first paint are not idle
if [ "${VRX_IDLE_UNMAP:-0}" = 1 ]; then
    for w in $(xdotool search --pid "$vrx" 2>/dev/null); do xdotool windowunmap "$w" 2>/dev/null || true; done
    sleep 2
fi

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
v0=$(ticks $vrx); p0=$(ticks $psensor)
sleep "$secs"
v1=$(ticks $vrx); p1=$(ticks $psensor)
report() { # name, ticks used, pid
    local rss; rss=$(awk '/VmHWM/ {print $2}' "/proc/$3/status")
    awk -v n="$1" -v t="$2" -v hz="$hz" -v s="$secs" -v rss="$rss" \
        'BEGIN { printf "%-8s CPU %.3f %% of a core   peak RSS %.1f MB\n", n, 100 * t / hz / s, rss / 1024 }'
}
report vrx $((v1 - v0)) $vrx
report psensor $((p1 - p0)) $psensor
