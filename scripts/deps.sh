#!/usr/bin/env bash
# Installs what building and testing need on Debian 12 (run as root).
# Does nothing when everything is already there.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git file
  qt6-base-dev qt6-serialport-dev qt6-l10n-tools libgl-dev libyaml-cpp-dev
  libgtest-dev libgmock-dev
  clang libclang-rt-14-dev clang-format
  xvfb xauth openbox xdotool x11-utils imagemagick strace
  poppler-utils qt6-translations-l10n fonts-wqy-microhei
  help2man lintian
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing packages need root: ${missing[*]}" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
