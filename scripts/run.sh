#!/usr/bin/env bash
# Sets up and builds when needed (as scripts/setup.sh), then runs skycrier-cli
# with the given arguments; without any, it lists the bulletin it would speak now.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh >&2
if [ $# -eq 0 ]; then
  set -- bulletin --list
fi
exec ./build/skycrier-cli "$@"
