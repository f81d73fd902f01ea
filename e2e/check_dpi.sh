#!/usr/bin/env bash
# The launcher at 100, 125, 150 and 200 % scaling (96, 120, 144 and 192 dpi, set in Wine's
# prefix as a person sets it in the display settings): for each, and for both editions, the
# docked bar and the open side panel are found by what the system reports of them, their
# client areas are scaled back to 96 dpi and compared with the 96-dpi screenshot, the folder
# listing aside (its texts are the system's). They must match within the tolerance below: the
# skin's background pictures fill the bar and the panel as at 100 %, the buttons keep their
# places. The splash at 144 dpi: its logo in the same way, its label by the room its letters
# take. Then a resolution change while
# running: WM_DPICHANGED sent from outside to the bar and the panel of a program started at
# 96 dpi, after which the bar must dock at the right edge and both must look as when started
# at 144 dpi. The candy gallery at 144 dpi: its layout grows by 1.5. Screenshots of every
# scaling stay as artefacts.
# It uses a Wine prefix of its own (build/wine-prefix-dpi), so that the resolution it sets
# never reaches the other checks.
# Usage: check_dpi.sh <windows build folder>
E2E_WINEPREFIX=${E2E_DPI_WINEPREFIX:-$(cd "$(dirname "$0")/.." && pwd)/build/wine-prefix-dpi}
source "$(dirname "$0")/side_panel_lib.sh"
# A screen on which the panel fits at 200 % too (it is 15345 twips wide: 2046 pixels).
E2E_SCREEN_WIDTH=2560
E2E_SCREEN_HEIGHT=1600
# The tolerance: the mean difference of the colour channels over the compared area, in % of
# full scale, and the share of pixels whose colour differs by more than 20 %. Both allow for
# what resampling does to the thin lines and small letters of the skin's pictures (at 96 dpi
# they are drawn 1:1, at other scalings stretched and then scaled back by this check: up to
# 2.3 % and 2.4 % were seen); a background picture left at its 96-dpi size, a button out of
# place or a picture drawn small fails them by far (see the note of the change).
MEAN_TOLERANCE=3
OUTLIER_TOLERANCE=3
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

# compare_at_96 <what> <96-dpi client png> <client png at dpi> <dpi> [<region in twips: x y w h>...]:
# scales the second by 96 / dpi and compares the regions (by default all that both show: the
# bar is as tall as the screen at any scaling, and the system's frame and title bar do not
# grow exactly by dpi / 96, so neither does what is left of a window for its client area).
compare_at_96() {
  local what=$1 reference=$2 scaled=$E2E_WORK/scaled.png
  convert "$3" -filter Lanczos -resize "$(awk -v d="$4" 'BEGIN { printf "%.4f", 9600 / d }')%" "$scaled"
  shift 4
  if [ $# -eq 0 ]; then
    read -r w h < <(identify -format '%w %h\n' "$reference" "$scaled" | awk '
      NR == 1 { w = $1; h = $2 } NR == 2 { print (w < $1 ? w : $1) * 15, (h < $2 ? h : $2) * 15 }')
    set -- 0 0 "$w" "$h"
  fi
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

# Where the bar shows its background picture alone, in twips: the gap under the top button,
# the gaps under launch buttons 1 and 2, and the left margin (to 11000 twips, which every
# scaling shows on a screen 1600 pixels high). The picture's rails and shades there are thin
# and dark, so a mean over the whole bar would hardly see them missing.
BAR_REGIONS=(0 465 1245 135 0 1455 1245 105 0 2415 1245 105 0 0 120 11000)
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
  crop_client "$E2E_ARTIFACTS/dpi-$name-$dpi-bar.png" "$bar" "$dpi" "$E2E_ARTIFACTS/dpi-client-$name-$dpi-bar.png"
  read -r x y < <(echo "$bar" | sed 's/.* first=//' | awk -F, '{ print int(($1 + $3) / 2), int(($2 + $4) / 2) }')
  click_at "$x" "$y"
  e2e_check "...its top button opens the panel" e2e_wait_until 30 panel_settled "$program" "$dpi" || return 1
  e2e_screenshot "dpi-$name-$dpi-panel"
  panel=$(panel_line "$program" "$dpi")
  crop_client "$E2E_ARTIFACTS/dpi-$name-$dpi-panel.png" "$panel" "$dpi" "$E2E_ARTIFACTS/dpi-client-$name-$dpi-panel.png"
  e2e_log "bar: $bar; panel: $panel"
}

check_scaling() {  # <dpi>
  local program name dpi=$1
  for program in TarnwickLauncher.exe TarnwickLauncherLE.exe; do
    name=${program%.exe}
    shows_bar_and_panel "$program" "$dpi" || continue
    wineserver -k; wineserver -w
    [ "$dpi" = 96 ] && continue
    compare_at_96 "$name bar at $dpi dpi" "$E2E_ARTIFACTS/dpi-client-$name-96-bar.png" "$E2E_ARTIFACTS/dpi-client-$name-$dpi-bar.png" "$dpi"
    compare_at_96 "$name bar's background at $dpi dpi" "$E2E_ARTIFACTS/dpi-client-$name-96-bar.png" \
      "$E2E_ARTIFACTS/dpi-client-$name-$dpi-bar.png" "$dpi" "${BAR_REGIONS[@]}"
    compare_at_96 "$name panel at $dpi dpi" "$E2E_ARTIFACTS/dpi-client-$name-96-panel.png" "$E2E_ARTIFACTS/dpi-client-$name-$dpi-panel.png" "$dpi" \
      "${PANEL_REGIONS[@]}"
  done
}


# The splash at full opacity: 6540 x 870 twips, no frame. Screenshots of its rectangle are taken
# while it shows; the brightest is the one between the fades.
splash_rect() {  # <dpi>: "l t w h"
  e2e_probe TarnwickLauncher.exe | awk -v w="$(px 6540 "$1")" '
    /^window=/ && / visible=1 / { split(substr($5, 6), r, ","); if (r[3] - r[1] == w) { print r[1], r[2], r[3] - r[1], r[4] - r[2]; exit } }'
}
splash_shown() { [ -n "$(splash_rect "$1")" ]; }
check_splash() {  # <dpi>
  local dpi=$1 folder l t w h best=-1 shot mean
  folder=$(e2e_new_folder "splash-$dpi" zero)
  e2e_start "$folder" TarnwickLauncher.exe
  e2e_check "the splash shows at $dpi dpi, $(px 6540 "$dpi") pixels wide" e2e_wait_until 30 splash_shown "$dpi" || return 1
  read -r l t w h < <(splash_rect "$dpi")
  for shot in $(seq 12); do
    import -window root -display "$DISPLAY" -crop "${w}x${h}+${l}+${t}" +repage "$E2E_WORK/splash.png" 2>/dev/null
    mean=$(identify -format '%[fx:mean]' "$E2E_WORK/splash.png" 2>/dev/null || echo 0)
    if awk -v m="$mean" -v b="$best" 'BEGIN { exit !(m > b) }'; then
      best=$mean
      cp "$E2E_WORK/splash.png" "$E2E_ARTIFACTS/dpi-splash-$dpi.png"
    fi
    sleep 0.25
  done
  e2e_log "the brightest splash screenshot at $dpi dpi: $E2E_ARTIFACTS/dpi-splash-$dpi.png (mean $best)"
  wineserver -k; wineserver -w
  [ "$dpi" = 96 ] && return 0
  compare_at_96 "the splash's logo at $dpi dpi" "$E2E_ARTIFACTS/dpi-splash-96.png" "$E2E_ARTIFACTS/dpi-splash-$dpi.png" "$dpi" 0 0 1500 870
  # The label's four lines. Letters do not grow exactly by dpi / 96 (a font's hinting differs
  # by size), so their pixels drift along a line; what must hold is the size of the ink:
  # lettered at the resolution, the lines scaled back take the 96-dpi lines' room. The last
  # line nearly fills the label at 96 dpi: were it wrapped, its last word would fall below the
  # label and the ink would be 14 % narrower. Where a line would wrap at the resolution, its
  # font is a pixel smaller (17 instead of 18 pixels at 144 dpi: 6 % smaller), so the width and
  # the height may be up to 8 % less.
  local region ink96 ink
  region="$(px 4935 96)x$(px 855 96)+$(px 1560 96)+0"
  ink96=$(convert "$E2E_ARTIFACTS/dpi-splash-96.png" -crop "$region" +repage -fuzz 30% -format '%@' info:)
  ink=$(convert "$E2E_ARTIFACTS/dpi-splash-$dpi.png" -filter Lanczos -resize "$(awk -v d="$dpi" 'BEGIN { printf "%.4f", 9600 / d }')%" \
    -crop "$region" +repage -fuzz 30% -format '%@' info:)
  e2e_check "the splash's label at $dpi dpi, scaled back, covers $ink against $ink96 at 96 dpi (width and height -8..+5 %)" \
    awk -v a="$ink96" -v b="$ink" 'BEGIN { split(a, p, /[x+]/); split(b, q, /[x+]/)
      exit !(q[1] >= 0.92 * p[1] && q[1] <= 1.05 * p[1] && q[2] >= 0.92 * p[2] && q[2] <= 1.05 * p[2]) }'
}

# A resolution change while running: the full edition started at 96 dpi is told that its bar
# and then its panel are now on a monitor of 144 dpi. The bar must dock at the right edge at
# its 144-dpi width and both must look as when started at 144 dpi.
check_dpi_change() {
  local program=TarnwickLauncher.exe name=TarnwickLauncher folder bar panel x y
  folder=$(skin_folder dpi-change)
  e2e_start "$folder" "$program"
  e2e_check "the bar docks at 96 dpi before the change" e2e_wait_until 40 bar_docked_at "$program" 96 || return 1
  bar=$(bar_line "$program" 96)
  read -r x y < <(echo "$bar" | sed 's/.* first=//' | awk -F, '{ print int(($1 + $3) / 2), int(($2 + $4) / 2) }')
  click_at "$x" "$y"
  e2e_check "...and opens its panel" e2e_wait_until 30 panel_settled "$program" 96 || return 1
  panel=$(panel_line "$program" 96)
  e2e_log "WM_DPICHANGED to the bar: $(wine "$E2E_BUILD/dpi_change.exe" "$(echo "$bar" | sed 's/^window=\([^ ]*\) .*/\1/')" 96 144 2>&1 | tr -d '\r')"
  e2e_check "after WM_DPICHANGED to 144 dpi the bar docks at the right edge, $(px 1335 144) pixels wide" \
    e2e_wait_until 20 bar_docked_at "$program" 144 || return 1
  sleep 1
  e2e_screenshot dpi-change-bar-96-to-144
  bar=$(bar_line "$program" 144)
  crop_client "$E2E_ARTIFACTS/dpi-change-bar-96-to-144.png" "$bar" 144 "$E2E_ARTIFACTS/dpi-client-change-bar.png"
  e2e_log "WM_DPICHANGED to the panel: $(wine "$E2E_BUILD/dpi_change.exe" "$(echo "$panel" | sed 's/^window=\([^ ]*\) .*/\1/')" 96 144 2>&1 | tr -d '\r')"
  sleep 2
  e2e_screenshot dpi-change-panel-96-to-144
  panel=$(panel_line "$program" 144)
  e2e_log "after the change: bar $bar; panel $panel"
  e2e_check "...the panel's first folder tab is $(px 2055 144) pixels wide, as at 144 dpi" \
    test "$(echo "$panel" | sed 's/.* first=//' | awk -F, '{ print $3 - $1 }')" = "$(px 2055 144)"
  crop_client "$E2E_ARTIFACTS/dpi-change-panel-96-to-144.png" "$panel" 144 "$E2E_ARTIFACTS/dpi-client-change-panel.png"
  wineserver -k; wineserver -w
  compare_at_96 "the bar after the change, against the bar started at 144 dpi" \
    "$E2E_ARTIFACTS/dpi-client-$name-144-bar.png" "$E2E_ARTIFACTS/dpi-client-change-bar.png" 96
  # The panel's regions at 144 dpi, given in twips at 96 dpi: 1.5 times those of PANEL_REGIONS.
  compare_at_96 "the panel after the change, against the panel started at 144 dpi" \
    "$E2E_ARTIFACTS/dpi-client-$name-144-panel.png" "$E2E_ARTIFACTS/dpi-client-change-panel.png" 96 \
    0 0 22883 1260 0 1260 1980 5243
}

# The gallery's buttons as its log gives them after its latest layout, checked against the
# layout of 96 dpi grown by 1.5: cells of 150 x 48 pixels, 12 apart, at 144 dpi.
gallery_buttons_at_144() {  # <log> <what>
  local first second
  first=$(awk -F'\t' '$1 == "dpi" || $1 == "ready" { n = 0 } $1 == "button" && ++n == 1 { f = $3 " " $4 " " $5 " " $6 } END { print f }' "$1")
  second=$(awk -F'\t' '$1 == "dpi" || $1 == "ready" { n = 0 } $1 == "button" && ++n == 2 { f = $3 " " $4 " " $5 " " $6 } END { print f }' "$1")
  e2e_log "gallery buttons $2: first $first, second $second"
  e2e_check "...its buttons are 225 x 72 pixels" test "$(echo "$first" | awk '{ print $3 "x" $4 }')" = 225x72
  e2e_check "...243 pixels apart" test "$(echo "$first $second" | awk '{ print $5 - $1 }')" = 243
}

start_gallery() {  # <folder>
  mkdir -p "$1"
  cp "$E2E_BUILD/CandyGallery.exe" "$1/"
  (cd "$1" && exec wine CandyGallery.exe --log events.log >/dev/null 2>&1 &)
}

# The gallery at 144 dpi: its buttons stand in the layout of 96 dpi grown by 1.5, lettered at
# 144 dpi; the screenshot is kept.
check_gallery() {
  local folder=$E2E_WORK/gallery
  start_gallery "$folder"
  e2e_check "the gallery starts at 144 dpi" e2e_wait_until 60 grep -qsx ready "$folder/events.log" || return 1
  sleep 1
  e2e_screenshot dpi-gallery-144
  gallery_buttons_at_144 "$folder/events.log" "at 144 dpi"
  wineserver -k; wineserver -w
}

# The gallery started at 96 dpi and told that it is now on a monitor of 144 dpi: its buttons
# and labels are laid out and lettered again as when started at 144 dpi.
check_gallery_dpi_change() {
  local folder=$E2E_WORK/gallery-change window
  start_gallery "$folder"
  e2e_check "the gallery starts at 96 dpi" e2e_wait_until 60 grep -qsx ready "$folder/events.log" || return 1
  window=$(e2e_probe CandyGallery.exe | awk '$1 ~ /^window=/ && / class=TarnwickCandyGallery / { sub("window=", "", $1); print $1; exit }')
  e2e_log "WM_DPICHANGED to the gallery $window: $(wine "$E2E_BUILD/dpi_change.exe" "$window" 96 144 2>&1 | tr -d '\r')"
  e2e_check "...after WM_DPICHANGED it lays itself out at 144 dpi" e2e_wait_until 20 grep -qsx 'dpi	144' "$folder/events.log" || return 1
  sleep 1
  e2e_screenshot dpi-gallery-96-to-144
  gallery_buttons_at_144 "$folder/events.log" "after the change"
  wineserver -k; wineserver -w
}

main() {
  local dpi
  for dpi in ${E2E_DPIS:-96 120 144 192}; do
    set_dpi "$dpi"
    check_scaling "$dpi"
    case $dpi in
      96) check_splash 96 ;;
      144) check_splash 144; check_gallery ;;
      192) check_splash 192 ;;
    esac
  done
  set_dpi 96
  check_dpi_change
  check_gallery_dpi_change
  e2e_finish
}
main
