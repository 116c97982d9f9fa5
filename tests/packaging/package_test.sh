#!/usr/bin/env bash
# Builds the Debian package from a built tree into a scratch folder and checks
# it as a user would meet it: what it installs where, lintian's verdict, its
# dependencies, and the unpacked programs running.
#   package_test.sh BUILD_DIR
set -euo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

if ! cpack -G DEB -B "$scratch" --config "$build/CPackConfig.cmake" >"$scratch/cpack.log" 2>&1; then
  cat "$scratch/cpack.log"
  exit 1
fi
debs=("$scratch"/skycrier_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: no single skycrier_*.deb in: $(ls "$scratch")"; exit 1; }
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "skycrier_${version}_$(dpkg --print-architecture).deb" ] || fail "package named $(basename "$deb")"

listing=$(dpkg-deb -c "$deb" | awk '{print $NF}')
for path in usr/bin/skycrier usr/bin/skycrier-cli \
    usr/share/applications/skycrier.desktop usr/share/icons/hicolor/scalable/apps/skycrier.svg \
    usr/share/icons/hicolor/{16x16,32x32,48x48,64x64,128x128,256x256}/apps/skycrier.png \
    usr/share/man/man1/skycrier.1.gz usr/share/man/man1/skycrier-cli.1.gz \
    usr/lib/systemd/user/skycrier.service usr/lib/systemd/system/skycrier@.service \
    usr/share/skycrier/help/en/skycrier_help.html usr/share/skycrier/help/es/skycrier_help.html \
    usr/share/doc/skycrier/copyright usr/share/doc/skycrier/changelog.gz \
    usr/share/doc/skycrier/examples/skycrier.ini; do
  grep -qx "\./$path" <<<"$listing" || fail "the package has no /$path"
done

# Warnings are reported, errors fail.
lintian --tag-display-limit 0 "$deb" >"$scratch/lintian.log" 2>&1 || true
cat "$scratch/lintian.log"
grep -q '^E:' "$scratch/lintian.log" && fail "lintian reports errors"
dpkg-deb -f "$deb" Depends | tr ',' '\n' | grep -qE '^ *libasound2( |$)' || fail "Depends lacks libasound2"

root=$scratch/root
dpkg-deb -x "$deb" "$root"
desktop-file-validate "$root/usr/share/applications/skycrier.desktop" || fail "the desktop entry is not valid"
# systemd reads the units without a complaint (a copy pointed at the unpacked program,
# which it wants to find); it reports what it cannot parse but still exits 0.
for unit in user/skycrier.service system/skycrier@.service; do
  grep -qx 'ExecStart=/usr/bin/skycrier-cli run' "$root/usr/lib/systemd/$unit" || fail "$unit does not start /usr/bin/skycrier-cli"
  if command -v systemd-analyze >/dev/null; then
    copy=$scratch/$(basename "$unit")
    sed "s#^ExecStart=/usr/bin/#ExecStart=$root/usr/bin/#" "$root/usr/lib/systemd/$unit" >"$copy"
    complaints=$(systemd-analyze verify --man=no "$copy" 2>&1) || true
    [ -z "$complaints" ] || fail "systemd-analyze verify $unit: $complaints"
  fi
done

# The unpacked command line runs on its own, with a home of its own.
export HOME=$scratch/home XDG_CONFIG_HOME=$scratch/home/.config
mkdir -p "$HOME"
cli=$root/usr/bin/skycrier-cli
[ "$("$cli" --version)" = "skycrier-cli $version" ] || fail "--version says '$("$cli" --version)', not $version"
printf '[SKYCRIER V2.2.2]\r\nHELLO=Y\r\nCOM=1\r\n' >"$scratch/skycrier.ini"
expected=$'key DTR\nkey RTS\nwait 300\nplay-file kuckoo.wav\nplay son_mon\nplay son7\nplay son_dec\nplay son2026\nwait 300\nplay son_it_s\nplay son2_et\nplay son5\nplay son_pm\nunkey DTR\nunkey RTS\ndone'
actual=$("$cli" bulletin --at "2026-12-07 14:05:00" --ini "$scratch/skycrier.ini" --list) || fail "bulletin --list failed"
[ "$actual" = "$expected" ] || fail "bulletin --list printed: $actual"

[ "$failures" -eq 0 ] && echo "the package checks out: $(basename "$deb")"
exit "$failures"
