#!/usr/bin/env bash
# What the headless service costs while it waits: runs `skycrier-cli run` with
# no source and no port for a while (60 s unless given), then prints its
# resident memory and the CPU time it used, scaled to an hour.
#   bench/idle_service.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
seconds="${1:-60}"
build="${2:-$(dirname "$0")/../build}"
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
printf '[SKYCRIER V2.2.2]\r\nPERIOD=3\r\n' > "$folder/skycrier.ini"
# ALSA's output is not opened while nothing plays; a null device keeps it that way anywhere.
printf 'pcm.!default {\n type null\n}\n' > "$folder/asound.conf"

ALSA_CONFIG_PATH="$folder/asound.conf" "$build/skycrier-cli" run --folder "$folder" 2> "$folder/stderr" &
pid=$!
sleep "$seconds"
rss_kb=$(awk '/^VmRSS:/ { print $2 }' "/proc/$pid/status")
# utime and stime, fields 14 and 15 of /proc/PID/stat, in clock ticks.
ticks=$(awk '{ print $14 + $15 }' "/proc/$pid/stat")
hz=$(getconf CLK_TCK)
kill -TERM "$pid"
wait "$pid"
awk -v rss="$rss_kb" -v ticks="$ticks" -v hz="$hz" -v s="$seconds" 'BEGIN {
    printf "idle for %d s: RSS %.1f MB, CPU %.3f s, %.2f s per hour\n", s, rss / 1024, ticks / hz, ticks / hz * 3600 / s
}'
