#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quarrow need, on Debian 12
# (bookworm) or Debian 13 (trixie). Names given as arguments are installed too.
# Safe to run again: packages already present are left alone.
#
#   bash scripts/setup.sh [PACKAGE...]
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth
  desktop-file-utils appstream
  "$@"
)

# The window's face is Liberation Sans Narrow. Debian 12 ships it in fonts-liberation; from
# Debian 13 on, fonts-liberation holds the 2.x faces, which have no narrow one, and the
# narrow face has a package of its own.
codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
if [ "$codename" != bookworm ]; then
  packages+=(fonts-liberation-sans-narrow)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo_cmd=()
elif command -v sudo >/dev/null 2>&1; then
  sudo_cmd=(sudo)
else
  echo "These packages are missing and this user cannot install them: ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
