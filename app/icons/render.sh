#!/bin/sh
# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the icon's bitmaps from ganji.svg, and the Windows installer's
# pictures of it; run it after changing the SVG.
# Needs rsvg-convert (librsvg2-bin) and convert (imagemagick).
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 256; do
    rsvg-convert -w "$size" -h "$size" ganji.svg -o "ganji-$size.png"
done
convert ganji-16.png ganji-32.png ganji-48.png ganji-256.png ganji.ico
# The installer's pictures, as NSIS wants them (24-bit BMP, in the sizes of
# its Modern UI): the welcome and finish pages' side panel, 164 × 314, the
# ring on the icon's red; the other pages' header, 150 × 57, the icon on
# white.
rsvg-convert -w 128 -h 128 ganji.svg -o ganji-128.png
convert -size 164x314 xc:'#7a1f1f' ganji-128.png -gravity north -geometry +0+56 -composite \
    -type TrueColor BMP3:installer-welcome.bmp
convert -size 150x57 xc:white ganji-48.png -gravity east -geometry +8+0 -composite \
    -type TrueColor BMP3:installer-header.bmp
rm ganji-16.png ganji-128.png ganji-256.png
