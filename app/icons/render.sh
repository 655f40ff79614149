#!/bin/sh
# SPDX-FileCopyrightText: 2026 The ganji developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Renders the icon's bitmaps from ganji.svg, and the Windows installer's
# pictures of it; run it after changing the SVG.
# Needs rsvg-convert (librsvg2-bin), convert (imagemagick) and pngquant.
set -eu
cd "$(dirname "$0")"
for size in 16 32 48 128 144 192 256 410 512; do
    rsvg-convert -w "$size" -h "$size" ganji.svg -o "ganji-$size.png"
done
convert ganji-16.png ganji-32.png ganji-48.png ganji-256.png ganji.ico
# The installer's pictures, as NSIS wants them (24-bit BMP, in the sizes of
# its Modern UI): the welcome and finish pages' side panel, 164 × 314, the
# ring on the icon's red; the other pages' header, 150 × 57, the icon on
# white.
convert -size 164x314 xc:'#7a1f1f' ganji-128.png -gravity north -geometry +0+56 -composite \
    -type TrueColor BMP3:installer-welcome.bmp
convert -size 150x57 xc:white ganji-48.png -gravity east -geometry +8+0 -composite \
    -type TrueColor BMP3:installer-header.bmp
# The web page's: 192 and 512 pixels; maskable, for Android's masks (at 80 %
# on the icon's red, the ring well inside the circle no mask cuts); iOS's, so
# at 180 pixels and opaque.  In 256 colours: the site is downloaded whole.
convert -size 512x512 xc:'#7a1f1f' ganji-410.png -gravity center -composite ganji-maskable-512.png
convert -size 180x180 xc:'#7a1f1f' ganji-144.png -gravity center -composite -alpha off ganji-apple-180.png
for icon in ganji-192 ganji-512 ganji-maskable-512 ganji-apple-180; do
    pngquant --strip --speed 1 --force --output "$icon.png" 256 "$icon.png"
done
rm ganji-16.png ganji-128.png ganji-144.png ganji-256.png ganji-410.png
