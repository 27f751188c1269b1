#!/usr/bin/env bash
# Renders the application icon's PNG sizes (hicolor layout) from its SVG.
# Needs rsvg-convert (Debian: librsvg2-bin). The PNGs are committed, so the build does not need it.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
icons="$here/data/desktop/icons"
id=org.glowshoweditor.GlowshowEditor2
svg="$icons/$id.svg"

command -v rsvg-convert >/dev/null || { echo "rsvg-convert is missing: apt-get install librsvg2-bin" >&2; exit 1; }

for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/hicolor/${size}x${size}/apps"
  rsvg-convert -w "$size" -h "$size" -o "$icons/hicolor/${size}x${size}/apps/$id.png" "$svg"
done
echo "Icons written under $icons/hicolor"
