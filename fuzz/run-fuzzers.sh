#!/usr/bin/env bash
# Builds the fuzz preset and runs each fuzzer on a copy of its seed corpus: fuzz/run-fuzzers.sh [seconds each] [target...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=(script_parser document_json dialog_resource amplex_settings amplex_presets)
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
build=build/fuzz
for target in "${targets[@]}"; do
  corpus="$build/corpus/$target"
  mkdir -p "$corpus" "$build/findings/$target"
  cp -n fuzz/corpus/"$target"/* "$corpus"/ 2>/dev/null || true
  echo "fuzzing $target for ${seconds}s"
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
    -artifact_prefix="$build/findings/$target/" -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
done
