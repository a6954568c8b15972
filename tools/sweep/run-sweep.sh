#!/usr/bin/env bash
# The full fault sweep over every example and sweep session: tools/sweep/run-sweep.sh [preset] [fault-sweep options...]
# (preset asan by default, so that a sanitizer finding counts; e.g. --sample 100 for a quick look). The build
# lists the sessions of the host and of every plug-in in build/<preset>/sweep-scripts.txt.
set -euo pipefail
cd "$(dirname "$0")/../.."
preset="${1:-asan}"
shift || true
cmake --preset "$preset" ${XT_CMAKE_ARGS:-} >/dev/null
cmake --build --preset "$preset"
build="build/$preset"
mapfile -t scripts < "$build/sweep-scripts.txt"
# The plug-ins' own example documents, beside their sessions, go into each run's work folder too.
work_files=(--work-file examples/example-document.json)
for document in examples/*/*.json; do
  [ -e "$document" ] && work_files+=(--work-file "$document")
done
exec "$build/bin/fault-sweep" --host "$build/bin/layout-host" --plugins "$build/plugins" \
  --out "$build/sweep" --jobs "$(nproc)" "${work_files[@]}" "$@" "${scripts[@]}"
