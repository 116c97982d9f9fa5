#!/usr/bin/env bash
# How soon a rising CTS keys the transmitter under `skycrier-cli run`, on a
# pseudo-terminal that the modem-line shim (tests/support/modem_shim.c) turns
# into a serial port: for N trials (20 unless given), each after a random wait
# so that it falls anywhere in the service's second, CTS is raised and the
# time until DTR goes up is taken; the bulletin is let run out and CTS lowered
# again. Then the median and the largest, in ms.
#   bench/trigger_latency.sh [TRIALS] [BUILD_DIR]
set -euo pipefail
trials="${1:-20}"
build="$(cd "${2:-$(dirname "$0")/../build}" && pwd)"
shim="$build/tests/libskycrier_modem_shim.so"
if [ ! -f "$shim" ]; then
  echo "$shim is missing: build it first (cmake --build $build --target skycrier_modem_shim)" >&2
  exit 1
fi
folder="$(mktemp -d)"
trap 'rm -rf "$folder"' EXIT
# ALSA's output is not opened while nothing plays; a null device keeps it that way anywhere.
printf 'pcm.!default {\n type null\n}\n' > "$folder/asound.conf"

python3 - "$trials" "$build/skycrier-cli" "$shim" "$folder" <<'PY'
import os, random, statistics, subprocess, sys, time
trials, program, shim, folder = int(sys.argv[1]), sys.argv[2], sys.argv[3], sys.argv[4]
log_path, inputs_path = f"{folder}/modem.log", f"{folder}/inputs"

def set_inputs(text):
    with open(inputs_path, "w") as f:
        f.write(text)

class ModemLog:
    """The shim's log, read on from the last line taken."""
    def __init__(self):
        self.taken = 0
    def wait_for(self, request, limit):
        end = time.monotonic() + limit
        while True:
            try:
                with open(log_path) as f:
                    f.seek(self.taken)
                    text = f.read()
            except FileNotFoundError:
                text = ""
            for line in text[:text.rfind("\n") + 1].splitlines():
                self.taken += len(line) + 1
                words = line.split()
                if words[0] == request and "DTR" in words[1:]:
                    return
            if time.monotonic() > end:
                sys.exit(f"no '{request} DTR' within {limit} s; the program said:\n" + open(f"{folder}/stderr").read())
            time.sleep(0.0002)

# The master end stays open for the whole run, so the terminal stays there.
master, terminal = os.openpty()
with open(f"{folder}/skycrier.ini", "w", newline="") as f:
    f.write(f"[SKYCRIER V2.2.2]\r\nCOM={os.ttyname(terminal)}\r\nDATE=N\r\n")
os.close(terminal)
set_inputs("")
env = dict(os.environ, LD_PRELOAD=shim, SKYCRIER_MODEM_LOG=log_path, SKYCRIER_MODEM_INPUTS=inputs_path,
           ALSA_CONFIG_PATH=f"{folder}/asound.conf")
with open(f"{folder}/stderr", "w") as stderr:
    service = subprocess.Popen([program, "run", "--folder", folder], env=env, stdout=subprocess.DEVNULL, stderr=stderr)
try:
    log = ModemLog()
    # Opening the port lowers both lines; from then on CTS is watched.
    log.wait_for("TIOCMBIC", 10)
    time.sleep(2)
    latencies = []
    for _ in range(trials):
        time.sleep(random.uniform(0, 1))
        start = time.monotonic()
        set_inputs("CTS")
        log.wait_for("TIOCMBIS", 10)
        latencies.append((time.monotonic() - start) * 1000)
        log.wait_for("TIOCMBIC", 300)
        set_inputs("")
        # Long enough for a reading once a second to see CTS low before it rises again.
        time.sleep(1.5)
finally:
    service.terminate()
    service.wait()
print(f"CTS -> DTR raised over {trials} trials: median {statistics.median(latencies):.1f} ms, "
      f"largest {max(latencies):.1f} ms")
PY
