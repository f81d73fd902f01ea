#!/usr/bin/env bash
# The LE edition's side panel with real input under Wine, watched from outside: the bar's top
# button shows it at once at its fixed spot (no growing); a close request by the title-bar
# button or by WM_CLOSE destroys it; the next top button builds it again and reads its pictures
# afresh (a tab picture changed between two openings shows); opening and closing it in quick
# turns, with 50 close requests a second, leaves the program running and quiet; exit from the
# tray with the panel open ends the process and removes the icon.
# Usage: check_side_panel_le.sh <windows build folder>
source "$(dirname "$0")/side_panel_lib.sh"
panel_init "$@"
PROGRAM=TarnwickLauncherLE.exe
RED=200,30,30
BLUE=30,60,200

tab_picture() {  # <folder> <r,g,b>
  convert -size 137x41 "xc:rgb($2)" "BMP3:$1/image/tab.bmp"
}
# The colour in the middle of folder tab 1 of the panel <hex>.
tab_colour() {
  local x y
  read -r x y < <(panel_control_centre "$PROGRAM" "$1" 1)
  e2e_pixel "$x" "$y"
}
tab_colour_is() { [ "$(tab_colour "$1")" = "$2" ]; }

check_shown_at_once() {  # <what> <screenshot>
  SUMMARY=$(watched "$2" 10000 1500 press_top_button)
  e2e_log "$1: $SUMMARY"
  e2e_check "$1 shows the panel at its fixed spot $PANEL_LE_RECT (it is at $(value last))" test "$(value last)" = "$PANEL_LE_RECT"
  e2e_check "...at once: one size ($(value sizes)), no growing" test "$(value sizes)" = 1 -a "$(value rects)" -le 2
}

check_close_destroys() {  # <what> <folder> <command...>
  local what=$1 folder=$2
  shift 2
  "$@"
  e2e_check "$what destroys the panel" e2e_wait_until 20 panel_gone
  e2e_check "...while the program runs on, with no message" runs_quietly "$folder" "$PROGRAM"
}

check_open_close_turns() {  # <folder>
  local clicks
  clicks=$(for _ in $(seq 12); do printf 'mousemove %d 19 sleep 0.05 click 1 sleep 0.2 ' $((E2E_SCREEN_WIDTH - 89 + 8 + 36)); done)
  wine "$E2E_BUILD/panel_probe.exe" --close panel 150 20 >"$E2E_WORK/posted.txt" 2>/dev/null &
  # shellcheck disable=SC2086
  xdotool $clicks
  wait $!
  e2e_log "close requests that found a panel: $(tr -d '\r' <"$E2E_WORK/posted.txt")"
  e2e_check "12 openings among 150 close requests at 50 a second: the program runs on, with no message" \
    runs_quietly "$1" "$PROGRAM"
  e2e_screenshot panel-le-5-after-open-close-turns
  press_top_button
  e2e_check "...and the top button shows the panel at its spot again" e2e_wait_until 20 panel_rect_is "$PANEL_LE_RECT"
  e2e_check "...answering" panel_act --responds "$(panel_handle)"
}

check_le() {
  local folder first x y
  folder=$(e2e_new_folder le zero)
  mkdir "$folder/image"
  tab_picture "$folder" "$RED"
  panel_config "$folder" Pimg1=tab.bmp
  e2e_start_docked "$folder" "$PROGRAM" retry

  check_shown_at_once "the top button" panel-le-1-shown
  first=$(panel_handle)
  e2e_check "folder tab 1 shows its picture from the image folder" e2e_wait_until 10 tab_colour_is "$first" "$RED"
  e2e_screenshot panel-le-2-open

  read -r x y < <(panel_probe --close-button "$first")
  check_close_destroys "the title bar's close button" "$folder" click_at "$x" "$y"
  e2e_screenshot panel-le-3-closed
  tab_picture "$folder" "$BLUE"
  check_shown_at_once "the next top button" panel-le-4-shown-again
  e2e_check "...as a new window" test "$(panel_handle)" != "$first"
  e2e_check "...that read the changed picture afresh" e2e_wait_until 10 tab_colour_is "$(panel_handle)" "$BLUE"
  e2e_screenshot panel-le-4-changed-picture

  check_close_destroys "WM_CLOSE" "$folder" panel_act --close "$(panel_handle)" 1 0
  check_open_close_turns "$folder"

  exit_from_tray "$PROGRAM" panel-le-6-exit-while-open
  e2e_check "exit from the tray with the panel open ends the process" e2e_wait_until 15 ended "$folder" "$PROGRAM"
  e2e_check "...and removes the icon" e2e_wait_until 10 tray_icon_gone
  e2e_screenshot panel-le-7-ended
  wineserver -k; wineserver -w
}

check_le
e2e_finish
