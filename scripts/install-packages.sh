#!/usr/bin/env bash
# Installs those of the given Debian packages that are missing (as root, or with sudo).
# Usage: scripts/install-packages.sh package...
set -euo pipefail
missing=()
for p in "$@"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo="sudo"
echo "Installing: ${missing[*]}"
# Another install may hold dpkg's lock (a fresh machine's automatic updates, or a second
# script at the same moment): wait for it rather than fail.
lock=(-o DPkg::Lock::Timeout=600)
$sudo apt-get "${lock[@]}" update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get "${lock[@]}" install -y -qq "${missing[@]}"
