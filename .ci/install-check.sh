#!/usr/bin/env bash
# Installs the Debian package as an administrator would, on a system that has never seen
# Quarrow, tries both programs, removes the package and checks that none of its files remain.
#
#   bash .ci/install-check.sh quarrow_<version>_<arch>.deb
set -euo pipefail
deb=$(realpath "$1")
source "$(dirname "$0")/../scripts/stays-up.sh"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "$deb" >/dev/null
dpkg-query -W quarrow

# Both programs start from the places the package put them.
quarrow-lab --version
report=$(quarrow-lab evolve --seed 1 CAT)
echo "$report"
grep -q '^Phrase "CAT"' <<<"$report"

export QT_QPA_PLATFORM=offscreen
/usr/bin/quarrow &
pid=$!
stays_up "$pid" 5 install-check

# Removing the package takes away every file and folder it brought that nothing else uses.
mapfile -t owned < <(dpkg-query -L quarrow)
apt-get purge -y -qq quarrow >/dev/null
if dpkg-query -W -f='${Status}\n' quarrow 2>/dev/null | grep -q installed; then
  echo "install-check: quarrow is still installed after apt-get purge" >&2
  exit 1
fi
left=()
for path in "${owned[@]}"; do
  if [ -f "$path" ] || [ -L "$path" ]; then
    left+=("$path")
  elif [ -d "$path" ] && [ -z "$(dpkg-query -S "$path" 2>/dev/null)" ] &&
    [ -z "$(ls -A "$path")" ]; then
    left+=("$path/")
  fi
done
if [ "${#left[@]}" -gt 0 ]; then
  printf 'install-check: left behind after removal: %s\n' "${left[@]}" >&2
  exit 1
fi
echo "install-check: the package installed, ran and left nothing behind"
