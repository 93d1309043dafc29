#!/bin/sh
# Installs the Debian 12 packages the game, its tools and its tests need (as root, or through sudo).
set -e
packages="build-essential cmake pkg-config ccache
  libsdl1.2-dev libsdl-image1.2-dev libsdl-mixer1.2-dev libtinyxml-dev libpng-dev
  libgl1-mesa-dev libgl1-mesa-dri libglx-mesa0 libx11-dev
  xvfb xauth xdotool imagemagick libxml2-utils
  libgtest-dev libbenchmark-dev clang libclang-rt-14-dev llvm
  python3 python3-pil python3-numpy vorbis-tools fonts-dejavu-core
  x11-utils debhelper lintian debian-policy desktop-file-utils appstream man-db groff"
missing=""
for package in $packages; do
  dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed" || missing="$missing $package"
done
[ -z "$missing" ] && exit 0
if [ "$(id -u)" -eq 0 ]; then sudo=""; else sudo="sudo"; fi
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -q
$sudo apt-get install -y -q --no-install-recommends $missing
