#!/usr/bin/env bash
# Installs what is missing, builds everything and runs the whole test suite: the native build and
# the browser site (whose engine the native tests compare with their own figures), the native
# tests with ctest, then the browser tests in Debian's Chromium.
# With --sanitize, builds and runs the native tests under AddressSanitizer and UBSan instead,
# and leaves the browser site out.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
preset=release
if [ "${1:-}" = "--sanitize" ]; then
  preset=asan
fi
export QT_QPA_PLATFORM=offscreen
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset"
if [ "$preset" = asan ]; then
  ctest --preset "$preset" --timeout 600
  exit 0
fi

bash scripts/setup.sh --web-test
bash scripts/web-build.sh
ctest --preset "$preset" --timeout 600
# The files are named one by one, which every runner from Node 18 on takes alike; TAP closes
# with the counts ("# pass N", "# fail N").
node --test --test-reporter=tap web/tests/*.test.mjs
