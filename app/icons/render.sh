#!/bin/sh
# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the icon's bitmaps from ganji.svg; run it after changing the SVG.
# Needs rsvg-convert (librsvg2-bin) and convert (imagemagick).
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 256; do
    rsvg-convert -w "$size" -h "$size" ganji.svg -o "ganji-$size.png"
done
convert ganji-16.png ganji-32.png ganji-48.png ganji-256.png ganji.ico
rm ganji-16.png ganji-256.png
