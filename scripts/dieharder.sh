#!/usr/bin/env bash
# Runs dieharder on the generator's raw values under each of the program's call patterns.
#
#   bash scripts/dieharder.sh [--all] [PATTERN...]
#
# Patterns: plain, product, chain, clock (all four by default). Without --all a quick subset
# of tests runs (minutes rather than hours). Installs dieharder (Debian package) if missing.
set -euo pipefail
cd "$(dirname "$0")/.."

if ! command -v dieharder >/dev/null; then
    if [ "$(id -u)" -eq 0 ]; then apt-get install -y dieharder; else sudo apt-get install -y dieharder; fi
fi

full=0
patterns=()
for argument in "$@"; do
    case "$argument" in
        --all) full=1 ;;
        *) patterns+=("$argument") ;;
    esac
done
[ ${#patterns[@]} -gt 0 ] || patterns=(plain product chain clock)

build=build/release
if [ ! -f "$build/build.ninja" ]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" --target quarrow_raw_values
emitter="$build/bench/quarrow_raw_values"

# The quick subset: birthdays, OPERM5, both binary ranks, count-the-ones, runs, craps, GCD,
# the three STS tests, RGB permutations and the byte distribution.
# DIEHARDER_TESTS="0 2 15" picks others.
read -r -a quick <<< "${DIEHARDER_TESTS:-0 1 2 3 8 15 16 17 100 101 102 202 205}"

for pattern in "${patterns[@]}"; do
    echo "=== $pattern"
    if [ "$full" -eq 1 ]; then
        "$emitter" "$pattern" | dieharder -g 200 -a
    else
        for test in "${quick[@]}"; do
            "$emitter" "$pattern" | dieharder -g 200 -d "$test" | grep -E '\|.*(PASSED|WEAK|FAILED)' || true
        done
    fi
done
