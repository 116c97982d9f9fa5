#!/usr/bin/env bash
# How soon a rising GPIO trigger line keys a GPIO PTT line under
# `skycrier-cli run`, on a chip of the kernel's gpio-sim: for N trials (20
# unless given), each after a random wait so that it falls anywhere in the
# service's second, the trigger line is pulled up and the time until the PTT
# line goes high is taken; then the median and the largest, in ms.
# Needs root, configfs and the gpio-sim module (modprobe gpio-sim); says so and
# stops where the machine has none.
#   bench/gpio_trigger_latency.sh [TRIALS] [BUILD_DIR]
set -euo pipefail
trials="${1:-20}"
build="$(cd "${2:-$(dirname "$0")/../build}" && pwd)"
sim=/sys/kernel/config/gpio-sim
if [ ! -d "$sim" ]; then
  echo "gpio-sim is not available here (needs configfs at /sys/kernel/config and the gpio-sim module); skipped"
  exit 0
fi
device="$sim/skycrier-bench-$$"
folder="$(mktemp -d)"
cleanup() {
  [ -n "${pid:-}" ] && kill -TERM "$pid" 2>/dev/null && wait "$pid" || true
  if [ -d "$device" ]; then
    echo 0 > "$device/live" || true
    rmdir "$device/bank0" "$device" || true
  fi
  rm -rf "$folder"
}
trap cleanup EXIT
mkdir "$device" "$device/bank0"
echo 8 > "$device/bank0/num_lines"
echo 1 > "$device/live"
lines="/sys/devices/platform/$(cat "$device/dev_name")/$(cat "$device/bank0/chip_name")"
chip="$(cat "$device/bank0/chip_name")"

printf '[SKYCRIER V2.2.2]\r\nCOM=0\r\nDATE=N\r\nPTT=GPIO\r\nGPIO_CHIP=%s\r\nGPIO_LINE=0\r\nGPIO_TRIGGER_LINE=1\r\n' \
  "$chip" > "$folder/skycrier.ini"
printf 'pcm.!default {\n type null\n}\n' > "$folder/asound.conf"
ALSA_CONFIG_PATH="$folder/asound.conf" "$build/skycrier-cli" run --folder "$folder" 2> "$folder/stderr" &
pid=$!
sleep 3

python3 - "$trials" "$lines" <<'PY'
import random, statistics, sys, time
trials, lines = int(sys.argv[1]), sys.argv[2]
def read(line):
    with open(f"{lines}/sim_gpio{line}/value") as f:
        return f.read().strip()
def pull(line, up):
    with open(f"{lines}/sim_gpio{line}/pull", "w") as f:
        f.write("pull-up" if up else "pull-down")
def wait_for(line, value, limit):
    end = time.monotonic() + limit
    while read(line) != value:
        if time.monotonic() > end:
            sys.exit(f"line {line} never read {value}")
        time.sleep(0.0002)
latencies = []
for _ in range(trials):
    time.sleep(random.uniform(0, 1))
    start = time.monotonic()
    pull(1, True)
    wait_for(0, "1", 5)
    latencies.append((time.monotonic() - start) * 1000)
    wait_for(0, "0", 120)
    pull(1, False)
    time.sleep(0.5)
print(f"GPIO trigger -> PTT line raised over {trials} trials: median {statistics.median(latencies):.1f} ms, "
      f"largest {max(latencies):.1f} ms")
PY
