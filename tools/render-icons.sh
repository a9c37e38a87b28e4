#!/usr/bin/env bash
# Renders the program's icon, dist/icons/zavok32.svg, into the PNG sizes that
# are installed into the hicolor theme and built into the program as its
# window icon. Run it after changing the SVG and commit the PNGs with it.
# Needs rsvg-convert (Debian: librsvg2-bin).
set -euo pipefail
icons=$(cd "$(dirname "$0")/../dist/icons" && pwd)
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "$icons/$size"
  rsvg-convert -w "$size" -h "$size" "$icons/zavok32.svg" -o "$icons/$size/zavok32.png"
done
echo "PNG icons written under $icons"
