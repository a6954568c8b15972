#!/usr/bin/env bash
# Builds the plug-ins and the host, then runs the example session on the example document.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
out="${XT_EXAMPLE_OUT:-build/example}"
mkdir -p "$out"
cp examples/example-document.json "$out/"
build/default/bin/layout-host --plugins build/default/plugins --system-dir "$out/system" \
  --work-dir "$out" --script examples/session.txt
build/default/bin/layout-host --plugins build/default/plugins --system-dir "$out/system" \
  --work-dir "$out" --script examples/amplex/scale-session.txt
# The palette session saves a preset named "Card"; it starts from an empty preset folder.
rm -rf "$out/system/VORNE Amplex Presets"
build/default/bin/layout-host --plugins build/default/plugins --system-dir "$out/system" \
  --work-dir "$out" --script examples/amplex/palette-session.txt
