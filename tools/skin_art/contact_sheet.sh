#!/usr/bin/env bash
# Lays the generated pictures out on contact sheets for review (not part of the build):
# e2e-artifacts/skin_art/*.png, once at real size and once enlarged three times.
# Usage: tools/skin_art/contact_sheet.sh [REPO_ROOT]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "${1:-$here/../..}" && pwd)
out="$root/e2e-artifacts/skin_art"
mkdir -p "$out"

sheet() {  # NAME SCALE PICTURES...: one sheet on the bar's grey
  local name="$1" scale="$2"; shift 2
  montage "$@" -filter point -resize "$scale%" -background '#404040' -geometry +6+6 \
    -tile 8x "$out/$name.png"
}

design=("$root"/assets/design/*.jpg)
sheet design 100 "${design[@]}"
sheet design_x3 300 "${design[@]}"
if [ -d "$root/sample/image" ]; then
  buttons=("$root"/sample/image/btn*.jpg "$root"/sample/image/tab*.jpg "$root"/sample/image/prog*.jpg)
  sheet sample 100 "${buttons[@]}"
  sheet sample_x3 300 "${buttons[@]}"
fi
echo "skin_art: contact sheets in $out"
