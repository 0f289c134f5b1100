#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, running and testing need.
# Idempotent: packages already present are left alone and nothing is fetched.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-multimedia-dev qt6-speech-dev qt6-speech-flite-plugin libqt6svg6
  libsqlite3-dev mdbtools-dev libglib2.0-dev
  libgtest-dev libgmock-dev libbenchmark-dev clang libclang-rt-14-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-noto-cjk fonts-symbola qt6-translations-l10n
  appstream dpkg-dev file
  xvfb xauth imagemagick poppler-utils libx11-dev clang-format strace
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

if [ "$(id -u)" -ne 0 ]; then
  if command -v sudo >/dev/null 2>&1; then
    exec sudo "$0" "$@"
  fi
  echo "Missing packages: ${missing[*]}" >&2
  echo "Run as root: apt-get install --no-install-recommends ${missing[*]}" >&2
  exit 1
fi

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
