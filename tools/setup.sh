#!/usr/bin/env bash
# Installs what the build needs on Debian, when it is missing. Sourced by run.sh and test.sh.
# GLOW_EXTRA_PACKAGES adds packages (the sanitizer and fuzz runs need clang; the Windows check
# MinGW-w64, Wine and GoogleTest's sources).
set -euo pipefail

glow_packages=(cmake ninja-build g++ qt6-base-dev libgl-dev libgtest-dev libbenchmark-dev
               shared-mime-info desktop-file-utils xdg-utils appstream
               pkg-config libgif-dev libwebp-dev qt6-image-formats-plugins imagemagick
               ${GLOW_EXTRA_PACKAGES:-})

glow_missing=()
for p in "${glow_packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || glow_missing+=("$p")
done

if [ ${#glow_missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -eq 0 ]; then
    echo "Installing: ${glow_missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${glow_missing[@]}"
  else
    echo "Missing packages. Run:" >&2
    echo "  sudo apt-get install -y ${glow_missing[*]}" >&2
    exit 1
  fi
fi
