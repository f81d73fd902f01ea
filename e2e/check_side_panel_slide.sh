#!/usr/bin/env bash
# The full edition's side panel with real input under Wine, its rectangle sampled from outside:
# the bar's top button grows it out of a small box to its open spot (15345 x 4710 twips, right
# edge 1800 and bottom edge 800 twips inside the screen's); a close request by the title-bar
# button or by WM_CLOSE shrinks it and hides it while window and process live on; the top button
# grows it again to the same spot, and puts back an open panel that was dragged away; a storm of
# 50 close requests a second leaves it hidden and the program quiet. Exit from the tray ends the
# process and removes the icon, with the panel open and while it is still opening.
# Usage: check_side_panel_slide.sh <windows build folder>
source "$(dirname "$0")/side_panel_lib.sh"
panel_init "$@"
PROGRAM=TarnwickLauncher.exe

small() { echo "$1" | awk -F, '{ exit !(NF == 4 && $3 - $1 < 200 && $4 - $2 < 100) }'; }

check_grows_to_open_spot() {  # <what>
  e2e_log "$1: $SUMMARY"
  e2e_check "$1: it grows through $(value sizes) sizes in $(value ms) ms" test "$(value grew)" = 1 -a "$(value sizes)" -ge 20
  e2e_check "...from a small box ($(size_of "$(value first)") pixels)" small "$(value first)"
  e2e_check "...to its open spot $PANEL_OPEN_RECT (it ended at $(value last))" test "$(value last)" = "$PANEL_OPEN_RECT"
}

check_shrinks_and_hides() {  # <what> <panel hex> <folder>
  e2e_log "$1: $SUMMARY"
  e2e_check "$1: it shrinks through $(value sizes) sizes in $(value ms) ms" test "$(value shrank)" = 1 -a "$(value sizes)" -ge 20
  e2e_check "...and hides at a small size ($(size_of "$(value last)") pixels)" test "$(value last_visible)" = 0
  e2e_check "...towards its right and bottom edges" test "$(value last | cut -d, -f3-)" = "${PANEL_OPEN_RECT#*,*,}"
  e2e_check "...while the window lives on" test "$(panel_handle)" = "$2"
  e2e_check "...and the process" alive_and_quiet "$3" "$PROGRAM" "$2"
}

check_drag_and_put_back() {
  local l t
  IFS=, read -r l t _ <<<"$PANEL_OPEN_RECT"
  xdotool mousemove $((l + 300)) $((t + 10)); sleep 0.2
  xdotool mousedown 1; sleep 0.2
  xdotool mousemove $((l + 250)) $((t - 90)); sleep 0.2
  xdotool mousemove $((l + 200)) $((t - 190)); sleep 0.2
  xdotool mouseup 1; sleep 0.5
  e2e_check "the title bar drags the open panel away (to $(panel_rect))" panel_rect_is "$((l - 100)),$((t - 200)),$((l + 923)),$((t + 114))"
  e2e_screenshot panel-slide-6-dragged
  press_top_button
  e2e_check "the top button puts it back at its open spot" e2e_wait_until 30 panel_rect_is "$PANEL_OPEN_RECT"
  e2e_screenshot panel-slide-7-put-back
}

check_close_storm() {  # <folder> <panel hex>
  press_top_button
  sleep 0.3
  e2e_check "150 close requests at 50 a second, from the opening on, are all taken" \
    panel_act --close "$2" 150 20
  e2e_check "...the panel ends hidden" e2e_wait_until 30 panel_hidden
  e2e_check "...and the program runs on, answering, with no message" alive_and_quiet "$1" "$PROGRAM" "$2"
  e2e_screenshot panel-slide-8-after-close-storm
  press_top_button
  e2e_check "...and the top button opens the panel again" e2e_wait_until 30 panel_rect_is "$PANEL_OPEN_RECT"
}

check_slide() {
  local folder panel x y
  folder=$(e2e_new_folder slide zero)
  e2e_start_docked "$folder" "$PROGRAM" retry || return

  SUMMARY=$(watched panel-slide-1-opening 30000 1500 press_top_button)
  check_grows_to_open_spot "the top button"
  e2e_screenshot panel-slide-2-open
  panel=$(panel_handle)

  read -r x y < <(panel_probe --close-button "$panel")
  SUMMARY=$(watched panel-slide-3-closing 30000 1500 click_at "$x" "$y")
  check_shrinks_and_hides "the title bar's close button" "$panel" "$folder"

  SUMMARY=$(watched panel-slide-4-reopening 30000 1500 press_top_button)
  check_grows_to_open_spot "the top button on the hidden panel"

  SUMMARY=$(watched panel-slide-5-closing 30000 1500 panel_act --close "$panel" 1 0)
  check_shrinks_and_hides "WM_CLOSE" "$panel" "$folder"

  press_top_button
  e2e_wait_until 30 panel_rect_is "$PANEL_OPEN_RECT"
  check_drag_and_put_back
  check_close_storm "$folder" "$panel"

  exit_from_tray "$PROGRAM" panel-slide-9-exit-while-open
  e2e_check "exit from the tray with the panel open ends the process" e2e_wait_until 15 ended "$folder" "$PROGRAM"
  e2e_check "...and removes the icon" e2e_wait_until 10 tray_icon_gone
  e2e_screenshot panel-slide-10-ended
  wineserver -k; wineserver -w
}

# The exit clicks follow the top button as soon as the menu and the confirmation show, at the
# places the first exit found; the samples show whether the panel was still opening when the
# process ended. Sets EXIT_OUTCOME; succeeds when the process ended, its icon went and the panel
# was seen growing until then. An opening that finished first anyway, or a tray menu that Wine
# closed again at once (see e2e_open_tray_menu), gets another try.
exit_while_opening() {  # <attempt>
  local folder ended=no icon=no
  folder=$(e2e_new_folder "slide-exit-$1" zero)
  e2e_start_docked "$folder" "$PROGRAM" retry || { EXIT_OUTCOME="the bar did not dock"; return 1; }
  panel_watch_start "$WATCH" 15000 1500
  (sleep 0.45; e2e_screenshot "panel-slide-11-exit-while-opening-$1" >/dev/null) &
  press_top_button_and_exit_quickly
  e2e_wait_until 15 ended "$folder" "$PROGRAM" && ended=yes
  e2e_wait_until 10 tray_icon_gone && icon=yes
  panel_watch_wait "$WATCH"
  cp "$WATCH" "$E2E_ARTIFACTS/panel-slide-11-exit-while-opening-$1.samples.txt"
  SUMMARY=$(panel_watch_summary "$WATCH")
  e2e_log "exit while opening: $SUMMARY"
  wineserver -k; wineserver -w
  EXIT_OUTCOME="process ended: $ended, icon gone: $icon, panel last seen at $(value before_gone)"
  [ "$ended" = yes ] && [ "$icon" = yes ] &&
    [ "$(value gone)" = 1 ] && [ -n "$(value before_gone)" ] && [ "$(value before_gone)" != "$PANEL_OPEN_RECT" ]
}

check_exit_while_opening() {
  local attempt
  if ! [[ "${EXIT_ICON:-} ${EXIT_ITEM:-} ${EXIT_YES:-}" =~ ^([0-9]+\ [0-9]+\ ?){3}$ ]]; then
    e2e_fail "exit from the tray while the panel opens (the first exit found no places to click)"
    return
  fi
  for attempt in 1 2 3; do
    if exit_while_opening "$attempt"; then
      e2e_pass "exit from the tray while the panel opens ends the process and removes the icon ($EXIT_OUTCOME)"
      return
    fi
    e2e_log "try $attempt: $EXIT_OUTCOME"
  done
  e2e_fail "exit from the tray while the panel opens ends the process and removes the icon ($EXIT_OUTCOME)"
}

check_slide
check_exit_while_opening
e2e_finish
