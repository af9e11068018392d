#!/usr/bin/env bash
# Installs what building and testing need on Debian 12: native toolchain, mingw-w64 i686, Wine, Xvfb.
set -euo pipefail
need=(cmake g++ python3 g++-mingw-w64-i686 g++-mingw-w64-x86-64 wine wine32:i386 wine64 xvfb xauth imagemagick)
missing=()
for p in "${need[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
SUDO=; [ "$(id -u)" -eq 0 ] || SUDO=sudo
echo "Installing: ${missing[*]}"
$SUDO dpkg --add-architecture i386
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq "${missing[@]}" >/dev/null
