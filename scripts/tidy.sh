#!/usr/bin/env bash
# Checks that every check the checked-in .clang-tidy names exists, then runs clang-tidy with it
# over every source file of the project (not the generated ones) and fails on any finding.
# Builds the release tree first, so that the generated headers the window's sources include
# exist.
#
#   bash scripts/tidy.sh [FILE-REGEX]   (default: the whole tree)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh clang-tidy >/dev/null
# A check clang-tidy does not have is passed over in silence: every name must be one it has.
bash tests/tools/tidy_checks_exist.sh .clang-tidy
cmake --preset release >/dev/null
cmake --build --preset release
folders='platform|search|engine|analysis|plot|lab|ui|web|tests|bench'
# -Wno-unknown-warning-option: the compile commands carry GCC's warning flags.
output=$(run-clang-tidy -p build/release -quiet -j "$(nproc)" -extra-arg=-Wno-unknown-warning-option \
  "${1:-^$PWD/($folders)/}" 2>&1) && status=0 || status=$?
grep -v -E '^(clang-tidy|[0-9]+ warnings? generated|Suppressed [0-9]+ warnings|Use -header-filter)' \
  <<<"$output" || true
if [ "$status" -ne 0 ]; then
  echo "tidy: findings above" >&2
  exit "$status"
fi
echo "tidy: no findings"
