#!/usr/bin/env bash
# Both programs started from a folder whose name the ANSI code page cannot spell (Thai letters
# and an emoji, on a Korean system: code page 949), under Wine with real input: config.ini is
# read there like anywhere else, so the skin picture shows on its button and a button starts
# the program its "source" names.
# Usage: check_unspelled_folder.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
[ -f "$E2E_BUILD/write_marker.exe" ] || e2e_skip "$E2E_BUILD/write_marker.exe is missing"
e2e_korean_locale || e2e_skip "no Korean locale (apt package: locales)"
SKIN_COLOUR=200,40,160
FOLDER_NAME="ทดสอบ 😀"

marker_is() { [ "$({ tr -d '\r' <"$1"; } 2>/dev/null | paste -sd,)" = "$2" ]; }

check_unspelled_folder() {  # <program.exe>
  local program=$1 name=${1%.exe} folder x y
  folder=$(e2e_new_folder "$name/$FOLDER_NAME" none)
  cp "$E2E_BUILD/write_marker.exe" "$folder/"
  mkdir "$folder/image"
  convert -size 73x57 "xc:rgb($SKIN_COLOUR)" "BMP3:$folder/image/skin.bmp"
  # The program and marker are named relative to the program's folder: the code page cannot
  # spell the folder in config.ini either.
  printf '[001]\r\nsource=write_marker.exe marker.txt started\r\n[003]\r\nimage=skin.bmp\r\n' >"$folder/config.ini"
  e2e_start_docked "$folder" "$program" retry || { wineserver -k; wineserver -w; return; }
  read -r x y < <(e2e_bar_button_centre 3)
  e2e_check "button 3 shows the skin picture that config.ini names: $(e2e_pixel "$x" "$y")" \
    e2e_wait_until 3 eval 'test "$(e2e_pixel "$x" "$y")" = "$SKIN_COLOUR"'
  e2e_screenshot "unspelled-folder-1-skin-$name"
  read -r x y < <(e2e_bar_button_centre 1)
  xdotool mousemove "$x" "$y"; sleep 0.3
  xdotool click 1
  e2e_check "button 1 starts the program that config.ini names" e2e_wait_until 10 marker_is "$folder/marker.txt" started
  wineserver -k; wineserver -w
}

check_unspelled_folder TarnwickLauncher.exe
check_unspelled_folder TarnwickLauncherLE.exe
e2e_finish
