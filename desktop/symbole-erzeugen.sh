#!/usr/bin/env bash
# Renders the icon's PNG sizes from the SVG; run after changing the SVG and commit the results.
set -euo pipefail
cd "$(dirname "$0")"
command -v rsvg-convert >/dev/null || {
    echo "rsvg-convert fehlt (Paket librsvg2-bin)" >&2
    exit 1
}
for n in 16 32 48 64 128 256; do
    mkdir -p "symbole/${n}x${n}"
    rsvg-convert -w "$n" -h "$n" org.example.Knallfeld.svg -o "symbole/${n}x${n}/org.example.Knallfeld.png"
done
