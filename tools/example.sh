#!/usr/bin/env bash
# Builds the plug-ins and the host, then runs the example session and each plug-in's example sessions
# (examples/<plug-in>/*.txt) on the example document.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/setup.sh
cmake --preset default >/dev/null
cmake --build --preset default
out="${XT_EXAMPLE_OUT:-build/example}"
mkdir -p "$out"
cp examples/example-document.json "$out/"
host=(build/default/bin/layout-host --plugins build/default/plugins --system-dir "$out/system" --work-dir "$out")
"${host[@]}" --script examples/session.txt
# Each plug-in session opens a fresh copy of the example document and starts on an empty system folder,
# as on a fresh machine (a session that saves a preset finds none there before).
for session in examples/*/*.txt; do
  rm -rf "$out/system"
  cp examples/example-document.json "$out/"
  # A plug-in's own example documents lie beside its sessions.
  find "$(dirname "$session")" -maxdepth 1 -name '*.json' -exec cp {} "$out/" \;
  "${host[@]}" --script "$session"
done
