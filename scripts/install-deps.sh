#!/usr/bin/env bash
# Installs the Debian packages Brekko needs to build, test and run, if missing.
set -euo pipefail

packages=(cmake g++ make ninja-build lld clang-format qt6-base-dev libarchive-dev libgl-dev
          zip unzip xvfb xdotool qt6-translations-l10n poppler-utils
          libarchive-tools desktop-file-utils shared-mime-info dpkg-dev exfat-fuse exfatprogs)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$sudo apt-get update -qq
$sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
