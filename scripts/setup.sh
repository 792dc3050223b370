#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing Quarrow need, on Debian 12
# (bookworm) or Debian 13 (trixie). Names given as arguments are installed too.
# Safe to run again: packages already present are left alone. With --check it only lists the
# missing ones, and fails if there are any.
# With --web it sees to what building the browser site needs instead (no Qt), and with
# --web-test to that and what its browser tests need as well.
#
#   bash scripts/setup.sh [--check] [--web | --web-test] [PACKAGE...]
set -euo pipefail
check_only=false
list=desktop
while [ $# -gt 0 ]; do
  case "$1" in
    --check) check_only=true ;;
    --web) list=web ;;
    --web-test) list=web-test ;;
    *) break ;;
  esac
  shift
done

codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")

# The site: the engine compiled to WebAssembly, the page's TypeScript compiled with the
# compiler that npm installs from web/package-lock.json, the generators run with python3, and
# the installed app's icons drawn from the SVG with rsvg-convert.
web_packages=(cmake ninja-build emscripten nodejs npm python3 ca-certificates librsvg2-bin)
# Its tests drive Debian's own Chromium; the fonts are the ones the page asks for.
web_test_packages=(chromium fonts-liberation fonts-dejavu-core)
if [ "$codename" != bookworm ]; then
  web_test_packages+=(fonts-liberation-sans-narrow)
fi

desktop_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-base-private-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev libgl-dev qt6-qpa-plugins
  qt6-l10n-tools qt6-tools-dev
  # The toolkit's own texts (message-box buttons, file dialogs) in the shipped languages.
  qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  libcli11-dev nlohmann-json3-dev
  fonts-liberation fonts-dejavu-core
  xvfb xauth
  librsvg2-bin
  desktop-file-utils appstream
)

# The window's face is Liberation Sans Narrow. Debian 12 ships it in fonts-liberation; from
# Debian 13 on, fonts-liberation holds the 2.x faces, which have no narrow one, and the
# narrow face has a package of its own.
if [ "$codename" != bookworm ]; then
  desktop_packages+=(fonts-liberation-sans-narrow)
fi

case "$list" in
  desktop) packages=("${desktop_packages[@]}") ;;
  web) packages=("${web_packages[@]}") ;;
  web-test) packages=("${web_packages[@]}" "${web_test_packages[@]}") ;;
esac
packages+=("$@")

# A name that one release packages on its own and the next only provides from another package
# (libqt6opengl6-dev is part of qt6-base-dev on Debian 13) is present when a package provides it.
provided=$(dpkg-query -W -f='${Status}|${Provides}\n' 2>/dev/null |
  sed -n 's/^install ok installed|//p' | tr ',' '\n' | sed 's/^ *//; s/ .*//')
installed() {
  dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q "install ok installed" ||
    grep -qxF "$1" <<<"$provided"
}

missing=()
for package in "${packages[@]}"; do
  if ! installed "$package"; then
    missing+=("$package")
  fi
done

if [ "${#missing[@]}" -eq 0 ]; then
  exit 0
fi
if $check_only; then
  echo "Missing: ${missing[*]}" >&2
  exit 1
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
