#!/usr/bin/env bash
# Builds the Debian package of Quarrow from the release build, for the Debian release this
# machine runs, and checks it with lintian:
#
#   bash scripts/package.sh      ->  build/release/package/quarrow_<version>_<arch>.deb
#
# The package's library dependencies are those of this machine's release, so build it on each
# release it is meant for.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh dpkg-dev file lintian
cmake --preset release >/dev/null
cmake --build --preset release --target quarrow quarrow-lab quarrow_dist_files
rm -f build/release/package/quarrow_*.deb
(cd build/release && cpack --config CPackConfig.cmake)
deb=$(ls build/release/package/quarrow_*.deb)

# lintian fails on errors; every warning is either fixed or overridden, with its reason, in
# dist/lintian-overrides.
echo "lintian $deb:"
lintian --fail-on error,warning --display-info "$deb"
echo "Built $deb"
