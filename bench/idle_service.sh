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
# Time on the CPU in nanoseconds, all threads: the first field of schedstat
# (finer than the clock ticks of /proc/PID/stat, which an idle service stays under).
cpu_ns=0
for task in /proc/"$pid"/task/*; do
  cpu_ns=$((cpu_ns + $(awk '{ print $1 }' "$task/schedstat")))
done
kill -TERM "$pid"
wait "$pid"
awk -v rss="$rss_kb" -v ns="$cpu_ns" -v s="$seconds" 'BEGIN {
    printf "idle for %d s: RSS %.1f MB, CPU %.4f s, %.3f s per hour\n", s, rss / 1024, ns / 1e9, ns / 1e9 * 3600 / s
}'
