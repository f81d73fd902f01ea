#!/usr/bin/env bash
# Lays the generated pictures out for review (not part of the build), in
# e2e-artifacts/skin_art/: every picture at real size and enlarged three times, and mock-ups of
# the bar and the side panel with the pictures at the places the windows give them.
# Usage: tools/skin_art/contact_sheet.sh [REPO_ROOT]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "${1:-$here/../..}" && pwd)
out="$root/e2e-artifacts/skin_art"
design="$root/assets/design"
image="$root/sample/image"
mkdir -p "$out"

sheet() {  # NAME SCALE PICTURES...: one sheet on the bar's grey
  local name="$1" scale="$2"; shift 2
  montage "$@" -filter point -resize "$scale%" -background '#404040' -geometry +6+6 \
    -tile 8x "$out/$name.png"
}

# bar_mock OUT BACKGROUND LAUNCH_PICTURES...: the bar's top 9 launch buttons, 8 pixels in,
# 64 pixels apart, below the top button.
bar_mock() {
  local target="$1" background="$2" n=0 picture
  shift 2
  local args=("$background" -crop 83x620+0+0 +repage "$design/main_top_button.jpg" -geometry +8+8 -composite)
  for picture in "${@:1:9}"; do
    args+=("$picture" -geometry "+8+$((40 + 64 * n))" -composite)
    n=$((n + 1))
  done
  convert "${args[@]}" "$target"
}

# panel_mock OUT: the side panel's client area with the sample pictures; the folder view is
# drawn as a white area.
panel_mock() {
  local args=("$image/bg2.jpg") n
  for n in 0 1 2 3 4 5 6; do args+=("$image/tab$((n + 1)).jpg" -geometry "+$((8 + 144 * n))+8" -composite); done
  for n in 0 1 2; do
    args+=(\( "$image/prog$((n + 1)).jpg" -resize '73x49!' \) -geometry "+8+$((56 + 56 * n))" -composite)
  done
  args+=("$design/panel_about.jpg" -geometry +8+224 -composite -fill white -draw 'rectangle 88,56 1008,280')
  convert "${args[@]}" "$1"
}

design_pictures=("$design"/*.jpg)
sheet design 100 "${design_pictures[@]}"
sheet design_x3 300 "${design_pictures[@]}"
convert -size 83x1575 xc:'#404040' "$out/plain_bar.png"
bar_mock "$out/bar_design.png" "$out/plain_bar.png" "$design"/main_launch_*.jpg
if [ -d "$image" ]; then
  sample_pictures=("$image"/btn*.jpg "$image"/tab*.jpg "$image"/prog*.jpg)
  sheet sample 100 "${sample_pictures[@]}"
  sheet sample_x3 300 "${sample_pictures[@]}"
  bar_mock "$out/bar_sample.png" "$image/bg1.jpg" "$image"/btn*.jpg
  panel_mock "$out/panel_sample.png"
  convert "$out/bar_design.png" "$out/bar_sample.png" -background '#202020' -splice 12x0 +append \
    -filter point -resize 200% "$out/bars_x2.png"
fi
echo "skin_art: contact sheets in $out"
