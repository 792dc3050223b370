#!/usr/bin/env bash
# Installs the Debian package as an administrator would, on a system that has never seen
# Quarrow, tries both programs, removes the package and checks that none of its files remain.
#
#   bash .ci/install-check.sh quarrow_<version>_<arch>.deb
set -euo pipefail
deb=$(realpath "$1")
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
sleep 5
if ! kill -0 "$pid" 2>/dev/null; then
  wait "$pid" && status=0 || status=$?
  echo "install-check: /usr/bin/quarrow ended (status $status) within 5 seconds of starting" >&2
  exit 1
fi
kill "$pid"
wait "$pid" 2>/dev/null || true
echo "install-check: /usr/bin/quarrow started and stayed up for 5 seconds"

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
