#!/usr/bin/env bash
# Skin pictures with transparent parts under Wine, full edition: on the bar, an alpha PNG, a GIF
# with a transparent colour and an icon, each opaque in its left half only, show the bar's
# background picture through their right half, and the bar's colour where they stand below that
# picture; on the side panel, an alpha PNG folder tab shows the panel's background picture.
# Pixels are read from the screen.
# Usage: check_transparent_pictures.sh <windows build folder>
source "$(dirname "$0")/side_panel_lib.sh"
panel_init "$@"
PROGRAM=TarnwickLauncher.exe
RED=255,0,0 BLUE=0,0,255 YELLOW=255,255,0 ORANGE=255,128,0
GREEN=0,160,0 TEAL=0,160,160 BAR_COLOUR=64,64,64

# <file> <width>x<height> <r,g,b>: a picture whose left half has that colour and whose right half
# is transparent, in the format the file's extension names.
half_picture() {
  local width=${2%x*} height=${2#*x}
  convert -size "$2" xc:none -fill "rgb($3)" -draw "rectangle 0,0 $((width / 2 - 1)),$((height - 1))" "$1"
}

make_skin() {  # <folder>
  mkdir -p "$1/image"
  convert -size 89x300 "xc:rgb($GREEN)" "BMP3:$1/image/bar.bmp"
  convert -size 1015x290 "xc:rgb($TEAL)" "BMP3:$1/image/panel.bmp"
  half_picture "PNG32:$1/image/alpha.png" 73x57 "$RED"
  half_picture "$1/image/clear.gif" 73x57 "$BLUE"
  half_picture "$1/image/icon.ico" 48x48 "$YELLOW"
  half_picture "PNG32:$1/image/tab.png" 137x41 "$ORANGE"
  { printf '[BG1]\r\nimage=bar.bmp\r\n[BG2]\r\nimage=panel.bmp\r\n'
    printf '[001]\r\nimage=alpha.png\r\n[002]\r\nimage=clear.gif\r\n[003]\r\nimage=icon.ico\r\n'
    printf '[006]\r\nimage=alpha.png\r\n[Tarnwick™]\r\nPimg1=tab.png\r\n'
  } | iconv -f UTF-8 -t CP949 >"$1/config.ini"
}

# pixel_is <x> <y> <r,g,b>
pixel_is() { [ "$(e2e_pixel "$1" "$2")" = "$3" ]; }
check_pixel() {  # <what> <x> <y> <r,g,b>
  local seen
  seen=$(e2e_pixel "$2" "$3")
  e2e_check "$1 ($4 at $2,$3; seen $seen)" test "$seen" = "$4"
}

# Button <n>: its opaque half shows <colour>, its transparent half <behind>.
check_button() {  # <n> <what> <colour> <behind> <what behind>
  local left top
  left=$(e2e_bar_button_left)
  top=$(($(e2e_bar_button_top "$1") + 28))
  check_pixel "button $1, $2: its opaque half" $((left + 12)) "$top" "$3"
  check_pixel "...its transparent half shows $5" $((left + 60)) "$top" "$4"
}

FOLDER=$(e2e_new_folder transparent zero)
make_skin "$FOLDER"
e2e_start_docked "$FOLDER" "$PROGRAM" retry
e2e_wait_until 10 pixel_is $(($(e2e_bar_button_left) + 60)) $(($(e2e_bar_button_top 1) + 28)) "$GREEN"
e2e_screenshot transparent-pictures-bar
check_button 1 "an alpha PNG" "$RED" "$GREEN" "the background picture"
check_button 2 "a GIF with a transparent colour" "$BLUE" "$GREEN" "the background picture"
check_button 3 "an icon" "$YELLOW" "$GREEN" "the background picture"
check_button 6 "an alpha PNG below the background picture" "$RED" "$BAR_COLOUR" "the bar's colour"
press_top_button
e2e_check "the top button opens the panel" e2e_wait_until 60 panel_rect_is "$PANEL_OPEN_RECT"
PANEL=$(panel_handle)
read -r x y < <(panel_control_centre "$PROGRAM" "$PANEL" 1)
e2e_wait_until 10 pixel_is $((x + 40)) "$y" "$TEAL"
e2e_screenshot transparent-pictures-panel
check_pixel "folder tab 1, an alpha PNG stretched to the tab: its opaque half" $((x - 40)) "$y" "$ORANGE"
check_pixel "...its transparent half shows the panel's background picture" $((x + 40)) "$y" "$TEAL"
wineserver -k; wineserver -w
e2e_finish
