#!/usr/bin/env bash
# Draws the PNG icons (16 to 256 pixels) anew from tastwerk.svg after the SVG has changed.
set -euo pipefail
cd "$(dirname "$0")"
for groesse in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$groesse" -h "$groesse" tastwerk.svg -o "$groesse.png"
done
