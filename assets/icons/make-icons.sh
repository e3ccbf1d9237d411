#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Ordanex developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the icon's source into the committed pictures. Needs librsvg2-bin
# and imagemagick; the build only uses the results.
#  - ordanex-32.png, ordanex-48.png: 256 colours; the window icon and, with
#    both in it, the Windows icon ordanex.ico;
#  - ordanex-32.bgra, ordanex-48.bgra: the same pixels, raw, for the window
#    icon, so that starting the program needs no image reader;
#  - ordanex-16 ... ordanex-256.png: the desktop's icon theme, with the SVG.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w $size -h $size ordanex.svg -o ordanex-$size.png
done
for size in 32 48; do
  /usr/bin/convert ordanex-$size.png -dither None -colors 256 PNG8:ordanex-$size.png
  # Qt's ARGB32 on a little-endian machine lies in memory as B, G, R, A.
  /usr/bin/convert ordanex-$size.png -depth 8 bgra:ordanex-$size.bgra
done
/usr/bin/convert ordanex-32.png ordanex-48.png -colors 256 ordanex.ico
