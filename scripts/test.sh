#!/usr/bin/env bash
# Sets up and builds (as scripts/setup.sh), then runs every test. Then builds
# again with clang into build-sanitize, with AddressSanitizer and UBSan (any
# undefined behaviour fails the test that meets it) and the fuzz targets,
# runs every test there, and runs each fuzz target over its committed seeds
# for a fixed number of inputs from a fixed seed, so the same inputs are
# tried every time. SKYCRIER_QUICK=1 stops after the first build's tests.
set -euo pipefail
cd "$(dirname "$0")/.."
./scripts/setup.sh
ctest --test-dir build --output-on-failure -j "$(nproc)" --timeout 600

if [ "${SKYCRIER_QUICK:-0}" = 1 ]; then
  echo "SKYCRIER_QUICK=1: no sanitizer build, no fuzzing"
  exit 0
fi
CC=clang CXX=clang++ cmake -S . -B build-sanitize -G Ninja \
  -DSKYCRIER_SANITIZE=ON -DSKYCRIER_FUZZ=ON -DSKYCRIER_BENCH=OFF
cmake --build build-sanitize -j "$(nproc)"
ctest --test-dir build-sanitize --output-on-failure -j "$(nproc)" --timeout 600
# -use_cmp=0: mutations taken from the values the code compares would bring
# addresses in, and with them a different series of inputs on each machine.
./fuzz/run.sh build-sanitize -runs=50000 -seed=1 -use_cmp=0
