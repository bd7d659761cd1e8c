#!/usr/bin/env bash
# Installs the Debian 12 packages the game, its content generator and its tests
# need, when any is missing. Safe to run again.
set -euo pipefail

packages=(
  build-essential cmake pkg-config
  libsfml-dev libjsoncpp-dev libimgui-dev libgtest-dev libcairo2-dev libfreetype-dev
  fonts-blankenburg fonts-kaushanscript fonts-gotico-antiqua fonts-league-spartan
  xvfb xdotool imagemagick x11-utils
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  SUDO=""
  [ "$(id -u)" -ne 0 ] && SUDO="sudo"
  $SUDO apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
