#!/usr/bin/env bash
# Renders the program icon's PNG sizes from its SVG; run after changing the SVG and commit the
# pictures (needs rsvg-convert, Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../dist/icons/hicolor"
svg=scalable/apps/it.vestrano.Vestrano.svg
for size in 16 24 32 48 64 128 256; do
    mkdir -p "${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" "$svg" -o "${size}x${size}/apps/it.vestrano.Vestrano.png"
done
