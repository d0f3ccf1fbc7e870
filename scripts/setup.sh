#!/usr/bin/env bash
# Installs what a fresh Debian 12 machine lacks to build, run and test the studio.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git ccache python3
  qt6-base-dev qt6-qpa-plugins libqt6printsupport6 libgl-dev libxkbcommon-dev libx11-dev
  zlib1g-dev libpng-dev libjpeg62-turbo-dev libfreetype-dev libfontconfig-dev
  fonts-ipafont-gothic fonts-ipafont-mincho fonts-wqy-microhei fonts-urw-base35
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth
  gifsicle giflib-tools
  pngcheck libjpeg-turbo-progs poppler-utils imagemagick
  libxml2-utils librsvg2-bin ffmpeg
  desktop-file-utils shared-mime-info xdg-utils libfile-mimeinfo-perl
  potrace  # a timing reference for the vectoriser benchmark only
  libzinnia-dev tegaki-zinnia-japanese  # the handwriting recogniser and its Japanese model
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if ((${#missing[@]})); then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# A locale with a decimal comma, for the tests that numbers in files never follow it.
if ! locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$'; then
  sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  "${sudo_cmd[@]}" localedef -i de_DE -f UTF-8 de_DE.UTF-8 || echo "setup: no de_DE.UTF-8 locale; its tests will be skipped"
fi
