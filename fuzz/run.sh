#!/usr/bin/env bash
# Runs every fuzz target of a SKYCRIER_FUZZ build over its committed seeds:
# fuzz_NAME over corpus/NAME. Usage: fuzz/run.sh BUILD_DIR [libFuzzer options]
#   fuzz/run.sh build-sanitize -runs=20000 -seed=1 -use_cmp=0   what scripts/test.sh runs
#   fuzz/run.sh build-sanitize -max_total_time=600              a longer search
# Inputs found on the way go to a scratch folder, never into corpus/; an input
# that fails is kept as BUILD_DIR/fuzz-findings/NAME-crash-... and the run fails.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ $# -lt 1 ]; then
  echo "usage: fuzz/run.sh BUILD_DIR [libFuzzer options]" >&2
  exit 2
fi
build="$(cd "$1" && pwd)"
shift

# The station targets write every input to a file: a memory-backed folder
# keeps that off the disk, which would otherwise set the pace.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi
export UBSAN_OPTIONS="print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

# Addresses steer a run through the code that hashes or compares them:
# without their randomization, the same seed and build (and -use_cmp=0, see
# scripts/test.sh) try the same inputs every time.
fixed_addresses=()
if setarch "$(uname -m)" -R true 2> /dev/null; then
  fixed_addresses=(setarch "$(uname -m)" -R)
fi

findings="$build/fuzz-findings"
mkdir -p "$findings"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

failed=()
for corpus in "$here"/corpus/*/; do
  name="$(basename "$corpus")"
  mkdir "$scratch/$name"
  start=$SECONDS
  # An input that runs for a minute counts as a hang; options given later win.
  if "${fixed_addresses[@]}" "$build/fuzz/fuzz_$name" -timeout=60 "$@" -artifact_prefix="$findings/$name-" \
      "$scratch/$name" "$corpus" > "$scratch/$name.log" 2>&1; then
    echo "fuzz_$name: $(grep -E '^#[0-9]+' "$scratch/$name.log" | tail -n 1) ($((SECONDS - start)) s)"
  else
    cat "$scratch/$name.log"
    echo "fuzz_$name FAILED; the input is in $findings" >&2
    failed+=("$name")
  fi
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets failed: ${failed[*]}" >&2
  exit 1
fi
