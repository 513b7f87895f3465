#!/usr/bin/env bash
# Installs what building and testing need on Debian 12. Safe to run again: it only calls apt when
# something is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ libgtest-dev clang-format
  clang libclang-rt-14-dev
  g++-mingw-w64-x86-64
  wine wine64 xvfb xdotool openbox imagemagick x11-utils nsis
  chromium poppler-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq \
    "${missing[@]}" >/dev/null
fi
