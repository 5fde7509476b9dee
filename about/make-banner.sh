#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Redraws banner.jpg, the About window's 234 x 30 banner (needs ImageMagick).
# Baseline JPEG, JFIF at 72 dpi: every JPEG reader shows it the same way.
set -eu
cd "$(dirname "$0")"
fonts=/usr/share/fonts/truetype/liberation
convert -size 30x234 gradient:'#123a5a'-'#1f9e96' -rotate -90 \
  -fill '#f2c14e' -stroke '#b8860b' -strokewidth 1 -draw 'circle 15,15 15,4' \
  -stroke none -fill '#5a3d00' -font "$fonts/LiberationSans-Bold.ttf" -pointsize 14 -annotate +10.5+20 '£' \
  -fill white -font "$fonts/LiberationSans-Bold.ttf" -pointsize 19 -annotate +32+22 'Tillora' \
  -fill '#e6f7f4' -font "$fonts/LiberationSans-Regular.ttf" -pointsize 10 -annotate +112+19 'counter tools for shops' \
  -strip -interlace none -density 72 -units PixelsPerInch -quality 92 banner.jpg
