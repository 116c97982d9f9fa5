#!/usr/bin/env bash
# What the desktop program costs while it waits, beside the headless service:
# starts `skycrier` on a fresh folder (no source, no port) on a display of its
# own (Xvfb through xvfb-run, or Qt's offscreen platform without it), lets it
# settle for 5 s, measures it for a while (60 s unless given), prints its
# memory and the CPU time it used meanwhile, then runs idle_service.sh for the
# same time as the reference.
#   bench/idle_desktop.sh [SECONDS] [BUILD_DIR]
set -euo pipefail
here="$(dirname "$0")"
source "$here/idle_cost.sh"
pid=""
cleanup() {
  [ -n "$pid" ] && kill -TERM "$pid" 2>/dev/null && wait "$pid" 2>/dev/null
  rm -rf "$folder"
}
trap cleanup EXIT
mkdir -p "$folder/program" "$folder/home"
printf '[SKYCRIER V2.2.2]\r\nPERIOD=3\r\n' > "$folder/program/skycrier.ini"
printf 'pcm.!default {\n type null\n}\n' > "$folder/asound.conf"

# The program's own process id, whatever runs the display: the shell becomes the program.
launch=(bash -c 'echo $$ > "$0"; exec "$@"' "$folder/pid" "$build/skycrier" --folder "$folder/program")
# A home of its own: the shared weather folder and the session's settings stay out of the user's.
export HOME="$folder/home" XDG_CONFIG_HOME="$folder/home/.config" ALSA_CONFIG_PATH="$folder/asound.conf"
if command -v xvfb-run > /dev/null; then
  xvfb-run -a "${launch[@]}" > "$folder/stdout" 2> "$folder/stderr" &
else
  QT_QPA_PLATFORM=offscreen "${launch[@]}" > "$folder/stdout" 2> "$folder/stderr" &
fi
runner=$!
for _ in $(seq 100); do [ -s "$folder/pid" ] && break; sleep 0.1; done
pid="$(cat "$folder/pid")"
idle_cost "$pid" 5 "$seconds" "skycrier        "
kill -TERM "$pid"
wait "$runner" || true
pid=""
"$here/idle_service.sh" "$seconds" "$build"
