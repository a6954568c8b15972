#!/usr/bin/env bash
# Builds and runs every test: tools/test.sh [default|asan]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
tools/setup.sh
cmake --preset "$preset" ${XT_CMAKE_ARGS:-} >/dev/null
cmake --build --preset "$preset"
ctest --preset "$preset" -j "$(nproc)"
