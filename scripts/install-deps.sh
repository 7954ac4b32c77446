#!/usr/bin/env bash
# Installs what building and testing every configuration needs (Debian 12).
set -euo pipefail
packages=(
  cmake ninja-build g++ googletest libgtest-dev clang-format
  clang libclang-rt-14-dev dpkg-dev man-db file unzip
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  wine64 xvfb xdotool imagemagick fonts-liberation
  valgrind time python3
)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" ||
    missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
