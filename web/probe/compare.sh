#!/usr/bin/env bash
# Runs the native probe and the WebAssembly one under node and compares their printouts byte for
# byte, then loads the engine module built beside the WebAssembly probe and calls it.
# Usage: compare.sh NATIVE_PROBE WASM_PROBE NODE OUT_DIR. The environment's QUARROW_WASM_PROBE,
# when set, names the WebAssembly probe. Exits 77, which the test counts as skipped, when that
# probe or node is missing.
set -euo pipefail
native=$1 wasm=${QUARROW_WASM_PROBE:-$2} node=$3 out=$4
if [ ! -f "$wasm" ] || [ ! -x "$node" ]; then
  echo "No WebAssembly probe at \"$wasm\" or no node: build the preset web first."
  exit 77
fi
# The probe is a classic script in one file; the site's build marks build/web as a folder of
# modules, under which node would read it as one. A copy named .cjs is read as what it is.
script="$out/quarrow_probe.cjs"
cp "$wasm" "$script"
for seed in 1 2; do
  "$native" "$seed" >"$out/probe-native-$seed.txt"
  "$node" "$script" "$seed" >"$out/probe-wasm-$seed.txt"
  if ! cmp "$out/probe-native-$seed.txt" "$out/probe-wasm-$seed.txt"; then
    diff "$out/probe-native-$seed.txt" "$out/probe-wasm-$seed.txt" | head -20 || true
    exit 1
  fi
done
engine_dir=$(dirname "$wasm")
if [ -f "$engine_dir/quarrow-engine.mjs" ]; then
  "$node" "$(dirname "$0")/engine-check.mjs" "$engine_dir"
fi
