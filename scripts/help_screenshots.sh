#!/usr/bin/env bash
# Pictures for the help pages: every window and menu of the desktop program,
# drawn off screen in each language with the example configuration and every
# weather source holding values from a poll (station files, a METAR report, an
# APRS weather file, a simulated Weather Monitor II console), into
# resources/help/LANGUAGE/images.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target skycrier skycrier-review-inputs wm2-simulator > /dev/null
folder="$(mktemp -d)"
build/tools/wm2-simulator --inside 70 --outside 45 --wind 9 --direction 200 > "$folder/console" &
console=$!
trap 'kill $console 2> /dev/null; rm -rf "$folder"' EXIT
for _ in $(seq 50); do [ -s "$folder/console" ] && break; sleep 0.1; done
build/tests/skycrier-review-inputs "$folder" W23 "$(head -n 1 "$folder/console")" > /dev/null
# The example's own settings, but the inputs of the review.
grep -v -E '^(METEO|W23_DAT|COM)=' examples/skycrier.ini >> "$folder/skycrier.ini"
for language in en es; do
  ./build/skycrier --folder "$folder" --lang "$language" --screenshots "resources/help/$language/images"
done
