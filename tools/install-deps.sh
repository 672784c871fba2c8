#!/usr/bin/env bash
# Installs what the build needs (Debian 12, as root); only what is missing.
set -euo pipefail
packages=(g++ cmake make pkg-config libgtest-dev libbenchmark-dev nlohmann-json3-dev
          qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev fonts-dejavu-core xvfb xauth "$@")
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
