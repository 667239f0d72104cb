#!/usr/bin/env bash
# Installs the Debian packages named on the command line that are missing,
# through sudo when not root. Quiet when everything is present.
set -euo pipefail
missing=()
for pkg in "$@"; do
  dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed' || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0
echo "installing: ${missing[*]}"
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq || true
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
