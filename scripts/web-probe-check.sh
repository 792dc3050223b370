#!/usr/bin/env bash
# Builds the probe natively and for WebAssembly and compares what the two print for a few seeds,
# byte for byte; then loads the engine module under node. Usage: scripts/web-probe-check.sh
# [SEED...] (1 2 3 when none is given). Needs emscripten (em++, emcmake) and node.
set -euo pipefail
cd "$(dirname "$0")/.."
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-$(command -v ccache || true)}"

cmake --preset release >/dev/null
cmake --build build/release --target quarrow_probe
emcmake cmake --preset web >/dev/null
cmake --build build/web/wasm

out=build/web/probe
mkdir -p "$out"
status=0
for seed in "${@:-1 2 3}"; do
  for s in $seed; do
    build/release/web/quarrow_probe "$s" >"$out/native-$s.txt"
    node build/web/wasm/web/quarrow_probe.js "$s" >"$out/wasm-$s.txt"
    if cmp -s "$out/native-$s.txt" "$out/wasm-$s.txt"; then
      echo "seed $s: the same $(wc -c <"$out/native-$s.txt") bytes"
    else
      echo "seed $s: the printouts differ" >&2
      diff "$out/native-$s.txt" "$out/wasm-$s.txt" | head -20 >&2 || true
      status=1
    fi
  done
done
node web/probe/engine-check.mjs build/web/wasm/web
exit "$status"
