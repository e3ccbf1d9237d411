#!/usr/bin/env bash
# Renders the icon's source into the committed pictures: 32x32 and 48x48 in
# 256 colours, and a Windows icon holding both. Needs librsvg2-bin and
# imagemagick; the build itself only uses the results.
set -euo pipefail
cd "$(dirname "$0")"
for size in 32 48; do
  rsvg-convert -w $size -h $size ordanex.svg -o /tmp/ordanex-$size-full.png
  /usr/bin/convert /tmp/ordanex-$size-full.png -dither None -colors 256 PNG8:ordanex-$size.png
done
/usr/bin/convert ordanex-32.png ordanex-48.png -colors 256 ordanex.ico
