#!/usr/bin/env bash
# Runs COMMAND in a brand-new minimal Debian system on a clean clone of the repository's
# committed HEAD, as ../shared/tools/fresh-machine-check.sh does, with one addition: the folder
# OUT of this machine is seen there as /home/newcomer/out, so that what the command leaves in it
# (a package) outlives the system and can be installed in the next one.
#
#   bash .ci/fresh-system.sh SUITE OUT COMMAND
#
# SUITE is bookworm (Debian 12) or trixie (Debian 13). The base system is the one
# fresh-machine-check.sh builds with debootstrap and caches; it is built first when missing.
# With FRESH_CCACHE=FOLDER the system compiles through ccache with its cache in FOLDER of this
# machine, so that a second run on the same machine does not compile everything again; the
# packages the README's commands install are still installed from nothing.
set -euo pipefail
suite=$1
out=$(cd "$2" && pwd)
command=$3
repo=$(git rev-parse --show-toplevel)
tools=$repo/../shared/tools
case "$suite" in
  bookworm) release=12 ;;
  trixie) release=13 ;;
  *) echo "SUITE must be bookworm or trixie, not '$suite'" >&2; exit 2 ;;
esac
cache=${FRESH_CACHE:-/var/tmp/fresh-debian$release}
if [ ! -x "$cache/base/bin/bash" ]; then
  FRESH_SUITE=$suite bash "$tools/fresh-machine-check.sh" "$repo" true
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/fresh-root.XXXXXX")
cleanup() {
  for m in home/newcomer/out root/.ccache dev/pts dev proc sys; do
    umount -l "$root/$m" 2>/dev/null || true
  done
  rm -rf --one-file-system "$root"
}
trap cleanup EXIT
cp -a "$cache/base/." "$root/"
cp /etc/resolv.conf "$root/etc/resolv.conf" 2>/dev/null || true
# The network may pass TLS through a certificate authority of its own, which this machine trusts
# by a certificate added under /usr/local/share/ca-certificates. The new system is on the same
# network and trusts the same ones: update-ca-certificates adds them to its list once the
# README's commands install ca-certificates, and node (npm), which keeps a list of its own,
# reads them from NODE_EXTRA_CA_CERTS.
extra_cas=()
while IFS= read -r -d '' certificate; do
  extra_cas+=("$certificate")
done < <(find /usr/local/share/ca-certificates -name '*.crt' -print0 2>/dev/null)
if [ "${#extra_cas[@]}" -gt 0 ]; then
  mkdir -p "$root/usr/local/share/ca-certificates"
  cp "${extra_cas[@]}" "$root/usr/local/share/ca-certificates/"
  cat "${extra_cas[@]}" >"$root/usr/local/share/extra-ca-certificates.pem"
fi
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
git clone -q --no-hardlinks "$repo" "$root/home/newcomer/project"
[ -d "$repo/../shared" ] && cp -a "$repo/../shared" "$root/home/newcomer/shared"
mkdir -p "$root/home/newcomer/out"
mount --bind "$out" "$root/home/newcomer/out"

environment=(HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 CI=true)
if [ "${#extra_cas[@]}" -gt 0 ]; then
  environment+=(NODE_EXTRA_CA_CERTS=/usr/local/share/extra-ca-certificates.pem)
fi
if [ -n "${FRESH_CCACHE:-}" ]; then
  mkdir -p "$FRESH_CCACHE" "$root/root/.ccache"
  mount --bind "$FRESH_CCACHE" "$root/root/.ccache"
  command="DEBIAN_FRONTEND=noninteractive apt-get update -qq && \
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends ccache >/dev/null && \
$command"
  environment+=(CMAKE_CXX_COMPILER_LAUNCHER=ccache CCACHE_DIR=/root/.ccache)
fi

echo "Running '$3' in a fresh Debian $release ($suite) system..."
set +e
chroot "$root" /usr/bin/env -i "${environment[@]}" \
  /bin/bash -c "cd /home/newcomer/project && $command"
rc=$?
set -e
echo "fresh system (Debian $release): '$3' exited $rc"
exit $rc
