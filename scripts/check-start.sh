#!/usr/bin/env bash
# Tries the README's first command on a machine without a display: runs scripts/run.sh with
# Qt's offscreen platform and passes when, once the build is done and the program has started,
# the program is still up a few seconds later.
#
#   bash scripts/check-start.sh [SECONDS]   (default 5)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/stays-up.sh
seconds=${1:-5}
program=$(pwd)/build/release/ui/quarrow

QT_QPA_PLATFORM=offscreen bash scripts/run.sh &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

# run.sh builds and then replaces itself with the program: wait for that moment.
until [ "$(readlink "/proc/$pid/exe" 2>/dev/null)" = "$program" ]; do
  if ! kill -0 "$pid" 2>/dev/null; then
    wait "$pid" && status=0 || status=$?
    echo "check-start: scripts/run.sh ended (status $status) before the program started" >&2
    exit 1
  fi
  sleep 0.2
done

stays_up "$pid" "$seconds" check-start
trap - EXIT
