#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-2.0-or-later
# Installs every Debian package that building, running and testing Quenbrook needs.
# Safe to run again: it does nothing (and prints nothing) when all are present. It also makes the
# de_DE.UTF-8 locale that the tests run under a second time.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang-format
  qt6-base-dev qt6-base-dev-tools qt6-svg-dev libqt6svg6 libcups2-dev
  libgl-dev libxkbcommon-dev
  libwmf-dev libwmf-bin libemf2svg-dev libpng-dev libjpeg62-turbo-dev libheif-dev
  qt6-image-formats-plugins
  cups cups-client cups-bsd printer-driver-cups-pdf
  xvfb xauth x11-utils xdotool imagemagick poppler-utils libjpeg-turbo-progs time
  fonts-dejavu-core python3
  libheif-examples webp libavif-bin icc-profiles-free
  clang libclang-rt-14-dev
  desktop-file-utils shared-mime-info xdg-utils libglib2.0-bin appstream groff-base man-db lintian
  locales qt6-l10n-tools qt6-tools-dev qt6-translations-l10n
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -qq
  $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The tests run a second time under a locale that writes numbers with a decimal comma.
if ! locale -a 2>/dev/null | grep -qx 'de_DE\.utf8'; then
  echo "Making the de_DE.UTF-8 locale"
  $sudo localedef -i de_DE -f UTF-8 de_DE.UTF-8
fi
