#!/usr/bin/env bash
# Installs the Debian packages that building, playing and testing need.
# Only missing packages are installed; apt-get runs through sudo when not root.
set -euo pipefail

RULECRAFT_PACKAGES=(
  build-essential cmake pkg-config clang libclang-rt-dev
  libgtest-dev googletest libbenchmark-dev
  libsdl2-dev libsdl2-mixer-dev libfreeimage-dev libfreetype-dev
  libcurl4-openssl-dev ca-certificates
  fonts-liberation fonts-dejavu-core fonts-font-awesome
  xvfb xauth imagemagick sox vorbis-tools
)

missing=()
for pkg in "${RULECRAFT_PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  SUDO=""
  if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
  export DEBIAN_FRONTEND=noninteractive
  $SUDO apt-get update -qq
  $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
