#!/usr/bin/env bash
# Sets up and builds when needed (as scripts/setup.sh), then starts SkyCrier:
# without arguments the headless service with the program folder's
# configuration (build/skycrier.ini; stop it with Ctrl-C); with arguments,
# skycrier-cli with those arguments (./scripts/run.sh bulletin --list).
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >&2
if [ $# -eq 0 ]; then
  set -- run
fi
exec ./build/skycrier-cli "$@"
