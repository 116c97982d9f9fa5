#!/usr/bin/env bash
# What the headless service costs while it waits: runs `skycrier-cli run` with
# no source and no port, lets it settle for 5 s, measures it for a while (60 s
# unless given), then prints its resident memory and the CPU time it used
# meanwhile, scaled to an hour.
#   bench/idle_service.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
here="$(dirname "$0")"
source "$here/idle_cost.sh"
trap 'rm -rf "$folder"' EXIT
printf '[SKYCRIER V2.2.2]\r\nPERIOD=3\r\n' > "$folder/skycrier.ini"
# ALSA's output is not opened while nothing plays; a null device keeps it that way anywhere.
printf 'pcm.!default {\n type null\n}\n' > "$folder/asound.conf"

ALSA_CONFIG_PATH="$folder/asound.conf" "$build/skycrier-cli" run --folder "$folder" 2> "$folder/stderr" &
pid=$!
idle_cost "$pid" 5 "$seconds" "skycrier-cli run"
kill -TERM "$pid"
wait "$pid"
