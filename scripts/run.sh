#!/usr/bin/env bash
# Sets up and builds when needed (as scripts/setup.sh), then starts SkyCrier.
# Without arguments: the desktop program where there is a display, else the
# headless service (stop it with Ctrl-C); both use the program folder's
# configuration, ~/.config/skycrier/skycrier.ini. With arguments: skycrier-cli with those
# arguments (./scripts/run.sh bulletin --list).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >&2
if [ $# -gt 0 ]; then
  exec ./build/skycrier-cli "$@"
fi
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec ./build/skycrier
fi
exec ./build/skycrier-cli run
