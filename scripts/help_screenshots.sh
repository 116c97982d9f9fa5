#!/usr/bin/env bash
# Pictures for the help page: every window and menu of the desktop program,
# drawn off screen with the example configuration, into resources/help/images.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake --build build --target skycrier > /dev/null
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
cp examples/skycrier.ini "$folder/"
./build/skycrier --folder "$folder" --screenshots resources/help/images
