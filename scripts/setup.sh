#!/usr/bin/env bash
# Installs what SkyCrier needs on Debian 12 and builds it into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(
  build-essential cmake ninja-build pkg-config
  # clang and its sanitizer and libFuzzer runtimes, for the second build of scripts/test.sh
  clang libclang-rt-14-dev
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libasound2-dev libcurl4-openssl-dev
  # a private sound server for the playback tests, and ALSA's plug-ins that reach it
  pulseaudio pulseaudio-utils libasound2-plugins
  # the desktop program, and a display server with a tray host for its tests and screenshots
  qt6-base-dev libgl-dev xvfb xauth trayer xdg-utils fonts-dejavu-core
  # the English and Spanish catalogues: lrelease and its CMake functions, and Qt's own Spanish texts
  qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
  # the man pages' check
  groff-base
  # the APRS login browser: the web engine and its page process, QtWebEngineProcess
  qt6-webengine-dev libqt6webenginecore6-bin
  # the Debian package (cpack -G DEB: dpkg-shlibdeps finds its dependencies, file tells it the programs)
  # and its test: lintian's verdict and the desktop entry's check
  dpkg-dev file lintian desktop-file-utils
  # the transmitter's other keyings: Hamlib's CAT (and its rigctld and rigctl for the tests) and GPIO lines
  libhamlib-dev libhamlib-utils libgpiod-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja ${SKYCRIER_CMAKE_ARGS:-}
cmake --build build -j "$(nproc)"
