#!/usr/bin/env bash
# Runs a program on a virtual X display that has a system tray: Xvfb and
# trayer, both stopped when the program ends. Usage: with_tray_host.sh PROGRAM [ARGS]
set -euo pipefail
for tool in Xvfb trayer; do
  command -v "$tool" > /dev/null || { echo "with_tray_host.sh: $tool is not installed (scripts/setup.sh installs it)" >&2; exit 1; }
done
# Xvfb picks a free display and writes its number to the descriptor.
exec {numbers}<> <(:)
Xvfb -displayfd "$numbers" -screen 0 1024x768x24 -nolisten tcp > /dev/null 2>&1 &
server=$!
trap 'kill $server ${host:-} 2> /dev/null || true' EXIT
read -r -t 20 display <&"$numbers" || { echo "with_tray_host.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=":$display"
unset WAYLAND_DISPLAY
trayer --edge top --align right --widthtype request --height 32 > /dev/null 2>&1 &
host=$!
export QT_QPA_PLATFORM=xcb
# Xvfb has no GPU: Mesa's GL driver, which Qt's X plugin would load and unload,
# leaves memory behind that the leak checker cannot even name.
export QT_XCB_GL_INTEGRATION=none
"$@"
