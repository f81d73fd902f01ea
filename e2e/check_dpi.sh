#!/usr/bin/env bash
# The launcher at 100, 125, 150 and 200 % scaling (96, 120, 144 and 192 dpi, set in Wine's
# prefix as a person sets it in the display settings): for each, and for both editions, the
# docked bar and the open side panel are found by what the system reports of them, their
# client areas are scaled back to 96 dpi and compared with the 96-dpi screenshot, the folder
# listing aside (its texts are the system's). They must match within the tolerance below: the
# skin's background pictures fill the bar and the panel as at 100 %, the buttons keep their
# places. The splash at 144 dpi is compared in the same way. Then a resolution change while
# running: WM_DPICHANGED sent from outside to the bar and the panel of a program started at
# 96 dpi, after which the bar must dock at the right edge and both must look as when started
# at 144 dpi. The candy gallery at 144 dpi: its layout grows by 1.5. Screenshots of every
# scaling stay as artefacts.
# Usage: check_dpi.sh <windows build folder>
source "$(dirname "$0")/side_panel_lib.sh"
# A screen on which the panel fits at 200 % too (it is 15345 twips wide: 2046 pixels).
E2E_SCREEN_WIDTH=2560
E2E_SCREEN_HEIGHT=1600
# The tolerance: the mean difference of the colour channels over the compared area, in % of
# full scale, and the share of pixels whose colour differs by more than 20 %.
MEAN_TOLERANCE=2.5
OUTLIER_TOLERANCE=1.5
panel_init "$@"
for tool in dpi_change.exe CandyGallery.exe; do
  [ -f "$E2E_BUILD/$tool" ] || e2e_skip "$E2E_BUILD/$tool is missing"
done

# Twips to pixels at <dpi>, rounded as the programs round.
px() { awk -v t="$1" -v d="$2" 'BEGIN { v = t * d / 1440; printf "%d", (v < 0 ? -int(-v + 0.5) : int(v + 0.5)) }'; }

# The resolution Wine gives every program it starts from now on.
set_dpi() {
  wineserver -k; wineserver -w
  wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f >/dev/null 2>&1
  wineserver -w
}

# A program folder with the sample skin's pictures: the bar's and the panel's background, the
# buttons and tabs; no translucency, so that screenshots show the pictures alone.
skin_folder() {  # <name>
  local folder n
  folder=$(e2e_new_folder "$1" none)
  cp -r "$E2E_REPO/sample/image" "$folder/"
  mkdir -p "$folder/docs"
  {
    printf '[BG1]\r\nimage=bg1.jpg\r\n[BG2]\r\nimage=bg2.jpg\r\n'
    for n in $(seq -w 1 24); do printf '[0%s]\r\nimage=btn%s.jpg\r\n' "$n" "$n"; done
    printf '[Tarnwick™]\r\n'
    for n in 1 2 3 4 5 6 7; do printf 'PUrl%d=docs\r\nPimg%d=tab%d.jpg\r\n' "$n" "$n" "$n"; done
    for n in 1 2 3; do printf 'PXimg%d=prog%d.jpg\r\n' "$n" "$n"; done
  } | iconv -f UTF-8 -t CP949 >"$folder/config.ini"
  echo "$folder"
}

# Lines "window=<hex> rect=<l,t,r,b> first=<l,t,r,b>" of the visible top-level windows of
# <program.exe> that have children: the window and its first child (Image0 of the bar, folder
# tab 1 of the panel).
windows_with_first_child() {
  e2e_probe "$1" | awk '
    /^window=/ { w = ""; if ($0 ~ / visible=1 /) { w = substr($1, 8); r = substr($5, 6) } next }
    w != "" && /^  child / { print "window=" w " rect=" r " first=" substr($3, 6); w = "" }'
}
# The client area "<l> <t> <w> <h>" of a window whose first control stands at 120 x 120 twips,
# from the window's rectangle and that control's: its frame is as wide on every side.
client_area() {  # <window rect> <first child rect> <dpi>
  local margin
  margin=$(px 120 "$3")
  IFS=, read -r wl wt wr wb <<<"$1"
  IFS=, read -r cl ct _ _ <<<"$2"
  local left=$((cl - margin)) top=$((ct - margin))
  local frame=$((left - wl))
  echo "$left $top $((wr - frame - left)) $((wb - frame - top))"
}

# The bar: the window 1335 twips wide at the right edge, as tall as the screen.
bar_line() {  # <program.exe> <dpi>
  windows_with_first_child "$1" | awk -v w="$(px 1335 "$2")" -v sw="$E2E_SCREEN_WIDTH" -v sh="$E2E_SCREEN_HEIGHT" '
    { split(substr($2, 6), r, ","); if (r[3] == sw && r[3] - r[1] == w && r[2] == 0 && r[4] == sh) { print; exit } }'
}
bar_docked_at() { [ -n "$(bar_line "$1" "$2")" ]; }
panel_line() {  # <program.exe> <dpi>
  windows_with_first_child "$1" | awk -v w="$(px 5000 "$2")" '{ split(substr($2, 6), r, ","); if (r[3] - r[1] > w) { print; exit } }'
}
# Waits until the panel's rectangle stays the same for a second (the full edition slides open).
panel_settled() {  # <program.exe> <dpi>
  local before after
  before=$(panel_line "$1" "$2"); sleep 1; after=$(panel_line "$1" "$2")
  [ -n "$after" ] && [ "$before" = "$after" ]
}

# Crops the client area of the window in <line> from <screenshot> into <out>.
crop_client() {  # <screenshot> <line> <dpi> <out>
  local rect first l t w h
  rect=$(echo "$2" | sed 's/.* rect=\([^ ]*\) .*/\1/'); first=$(echo "$2" | sed 's/.* first=//')
  read -r l t w h < <(client_area "$rect" "$first" "$3")
  convert "$1" -crop "${w}x${h}+${l}+${t}" +repage "$4"
}

# compare_at_96 <what> <96-dpi client png> <client png at dpi> [<region in twips: x y w h>...]:
# scales the second back to the first's size and compares the regions (whole area by default).
compare_at_96() {
  local what=$1 reference=$2 scaled=$E2E_WORK/scaled.png size
  size=$(identify -format '%wx%h' "$reference")
  convert "$3" -filter Lanczos -resize "${size}!" "$scaled"
  shift 3
  [ $# -gt 0 ] || set -- 0 0 "$(identify -format '%[fx:w*15]' "$reference")" "$(identify -format '%[fx:h*15]' "$reference")"
  while [ $# -ge 4 ]; do
    local crop="$(px "$3" 96)x$(px "$4" 96)+$(px "$1" 96)+$(px "$2" 96)" mean outliers area
    convert "$reference" -crop "$crop" +repage "$E2E_WORK/a.png"
    convert "$scaled" -crop "$crop" +repage "$E2E_WORK/b.png"
    area=$(identify -format '%[fx:w*h]' "$E2E_WORK/a.png")
    # compare prints the metric on stderr and exits 1 when the images differ at all, 2 on error.
    mean=$(compare -metric MAE "$E2E_WORK/a.png" "$E2E_WORK/b.png" null: 2>&1 | sed -n 's/.*(\([0-9.e+-]*\))$/\1/p')
    outliers=$(compare -metric AE -fuzz 20% "$E2E_WORK/a.png" "$E2E_WORK/b.png" null: 2>&1 | grep -E '^[0-9.e+]+$')
    if [ -z "$mean" ] || [ -z "$outliers" ]; then
      e2e_fail "$what: the areas could not be compared"
      shift 4
      continue
    fi
    mean=$(awk -v m="$mean" 'BEGIN { printf "%.2f", 100 * m }')
    outliers=$(awk -v o="$outliers" -v a="$area" 'BEGIN { printf "%.2f", 100 * o / a }')
    e2e_check "$what, area $crop at 96 dpi: mean difference $mean % (<= $MEAN_TOLERANCE), pixels off by > 20 %: $outliers % (<= $OUTLIER_TOLERANCE)" \
      awk -v m="$mean" -v o="$outliers" -v mt="$MEAN_TOLERANCE" -v ot="$OUTLIER_TOLERANCE" 'BEGIN { exit !(m <= mt && o <= ot) }'
    shift 4
  done
}

# The parts of the panel's client area outside the folder listing, in twips: the strip of
# folder tabs above it and the column of buttons left of it.
PANEL_REGIONS=(0 0 15255 840 0 840 1320 3495)

# shows_bar_and_panel <program.exe> <dpi>: starts the program in a skinned folder, waits for
# the docked bar, opens the panel, keeps the screenshots and client crops under <name>-<dpi>.
shows_bar_and_panel() {
  local program=$1 dpi=$2 name=${1%.exe} folder bar panel x y
  folder=$(skin_folder "$name-$dpi")
  e2e_start "$folder" "$program"
  e2e_check "$program at $dpi dpi docks its bar, $(px 1335 "$dpi") pixels wide" e2e_wait_until 40 bar_docked_at "$program" "$dpi" || return 1
  sleep 1
  e2e_screenshot "dpi-$name-$dpi-bar"
  bar=$(bar_line "$program" "$dpi")
  crop_client "$E2E_ARTIFACTS/dpi-$name-$dpi-bar.png" "$bar" "$dpi" "$E2E_WORK/$name-$dpi-bar.png"
  read -r x y < <(echo "$bar" | sed 's/.* first=//' | awk -F, '{ print int(($1 + $3) / 2), int(($2 + $4) / 2) }')
  click_at "$x" "$y"
  e2e_check "...its top button opens the panel" e2e_wait_until 30 panel_settled "$program" "$dpi" || return 1
  e2e_screenshot "dpi-$name-$dpi-panel"
  panel=$(panel_line "$program" "$dpi")
  crop_client "$E2E_ARTIFACTS/dpi-$name-$dpi-panel.png" "$panel" "$dpi" "$E2E_WORK/$name-$dpi-panel.png"
  e2e_log "bar: $bar; panel: $panel"
}

check_scaling() {
  local program name dpi
  for dpi in 96 120 144 192; do
    set_dpi "$dpi"
    for program in TarnwickLauncher.exe TarnwickLauncherLE.exe; do
      name=${program%.exe}
      shows_bar_and_panel "$program" "$dpi" || continue
      wineserver -k; wineserver -w
      [ "$dpi" = 96 ] && continue
      compare_at_96 "$name bar at $dpi dpi" "$E2E_WORK/$name-96-bar.png" "$E2E_WORK/$name-$dpi-bar.png"
      compare_at_96 "$name panel at $dpi dpi" "$E2E_WORK/$name-96-panel.png" "$E2E_WORK/$name-$dpi-panel.png" "${PANEL_REGIONS[@]}"
    done
  done
}


check_scaling
e2e_finish
