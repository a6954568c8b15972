#!/usr/bin/env bash
# Builds the fuzz preset and runs each fuzzer on a copy of its seed corpus: fuzz/run-fuzzers.sh [seconds each] [target...]
# Targets are named without their "fuzz_" prefix (document_json, amplex_settings); the build lists every
# fuzzer of the host and the plug-ins, with its seed folder, in build/fuzz/fuzzers.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
build=build/fuzz
declare -A seeds
order=()
while read -r name corpus; do
  [ -n "$name" ] || continue
  seeds["${name#fuzz_}"]="$corpus"
  order+=("${name#fuzz_}")
done < "$build/fuzzers.txt"
targets=("$@")
[ ${#targets[@]} -eq 0 ] && targets=("${order[@]}")
for target in "${targets[@]}"; do
  if [ -z "${seeds[$target]+known}" ]; then
    echo "no fuzzer named $target; there are: ${order[*]}" >&2
    exit 2
  fi
  corpus="$build/corpus/$target"
  mkdir -p "$corpus" "$build/findings/$target"
  cp -n "${seeds[$target]}"/* "$corpus"/ 2>/dev/null || true
  echo "fuzzing $target for ${seconds}s"
  "$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=20 -rss_limit_mb=4096 \
    -artifact_prefix="$build/findings/$target/" -print_final_stats=1 "$corpus" 2>&1 | tail -n 12
done
