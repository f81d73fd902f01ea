#!/usr/bin/env bash
# Draws the program icon (assets/tarnwick.ico, 16 to 256 pixels) and the splash logo
# (assets/splash_logo.jpg, 100 x 58) with ImageMagick. The outputs are committed; run this
# again only to change the design.
set -euo pipefail
cd "$(dirname "$0")/../../assets"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The mark: a rounded tile in a blue-to-teal gradient with a glossy upper half and a bold white
# "T". Drawn at 256 pixels; every icon size is resampled from it.
mark256() {
  local s=256
  convert \( -size 362x362 gradient:'#2563eb-#0f766e' -rotate -35 -gravity center -extent ${s}x${s} \) \
    \( -size ${s}x${s} xc:black -fill white -draw "roundrectangle 8,8 247,247 52,52" \) \
    -alpha off -compose CopyOpacity -composite -compose Over \
    \( -size ${s}x${s} xc:none -fill 'rgba(255,255,255,0.16)' -draw "roundrectangle 8,8 247,120 52,52" \
       -draw "rectangle 8,70 247,120" \) -composite \
    -fill 'rgba(0,0,0,0.25)' -draw "roundrectangle 58,66 206,104 12,12" -draw "roundrectangle 114,84 150,214 12,12" \
    -fill white -draw "roundrectangle 54,60 202,98 12,12" -draw "roundrectangle 110,78 146,208 12,12" \
    "$work/mark256.png"
}

mark256
sizes=(16 20 24 32 40 48 64 256)
frames=()
for size in "${sizes[@]}"; do
  convert "$work/mark256.png" -filter Lanczos -resize ${size}x${size} "$work/mark$size.png"
  frames+=("$work/mark$size.png")
done
convert "${frames[@]}" -depth 8 tarnwick.ico

# Splash logo: the mark on black with a soft glow, left part of the 436 x 58 splash.
convert -size 100x58 xc:black \
  \( "$work/mark256.png" -resize 44x44 -background none -gravity center -extent 100x58 \) \
  \( +clone -channel A -blur 0x5 -level 0,60% +channel -fill '#14b8a6' -colorize 100 \) \
  -delete 1 -insert 1 -gravity center -composite \
  \( "$work/mark256.png" -resize 44x44 \) -gravity center -composite \
  -quality 92 -sampling-factor 1x1 splash_logo.jpg
echo "wrote $(pwd)/tarnwick.ico and splash_logo.jpg"
