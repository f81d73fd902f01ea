#!/usr/bin/env bash
# The side panel's buttons with real input under Wine, in both editions: the panel opens with
# the folder of "PUrl1" in its folder view, a folder tab shows the files of its folder (names
# the check made are read from the view), an empty "PUrl3" shows the program's own folder, a tab
# naming a missing folder brings no message; a tab shows its frame while pressed; a program
# button starts its command, read afresh at each click; the About box shows its four lines,
# title "About...", the system's information icon and one button.
# Usage: check_side_panel_buttons.sh <windows build folder>
source "$(dirname "$0")/side_panel_lib.sh"
panel_init "$@"

# The rectangle "l t w h" of the first child of class <class> with text <text> in the visible box
# of <program.exe> titled <caption>.
box_child_rect() {  # <program.exe> <caption> <class> <text>
  e2e_probe "$1" | CAPTION="$2" CLASS="$3" TEXT="$4" awk '
    /^window=/ { inbox = ($0 ~ /visible=1 class=#32770 / && substr($0, index($0, "title=") + 6) == ENVIRON["CAPTION"]) }
    inbox && $2 == "class=" ENVIRON["CLASS"] && substr($0, index($0, "text=") + 5) == ENVIRON["TEXT"] {
      split(substr($3, 6), r, ","); print r[1], r[2], r[3] - r[1], r[4] - r[2]; exit }'
}
box_text() {  # <program.exe> <caption>: the text of the box's text line(s), as the probe writes it
  e2e_probe "$1" | CAPTION="$2" awk '
    /^window=/ { inbox = ($0 ~ /visible=1 class=#32770 / && substr($0, index($0, "title=") + 6) == ENVIRON["CAPTION"]) }
    inbox && /^  child class=Static / && substr($0, index($0, "text=") + 5) != "" { print substr($0, index($0, "text=") + 5); exit }'
}
box_buttons() {  # <program.exe> <caption>: how many buttons the box has
  e2e_probe "$1" | CAPTION="$2" awk '
    /^window=/ { inbox = ($0 ~ /visible=1 class=#32770 / && substr($0, index($0, "title=") + 6) == ENVIRON["CAPTION"]) }
    inbox && /^  child class=Button / { n++ } END { print n + 0 }'
}
# Saves the part <l t w h> of the screen as <name>.png in the work folder.
crop_screen() {  # <name> <l> <t> <w> <h>
  import -window root -display "$DISPLAY" -crop "${4}x${5}+${2}+${3}" +repage "$E2E_WORK/$1.png" 2>/dev/null
}
same_picture() { [ "$(compare -metric AE "$E2E_WORK/$1.png" "$E2E_WORK/$2.png" null: 2>&1)" = 0 ]; }
marker_is() { [ "$({ tr -d '\r' <"$1"; } 2>/dev/null | paste -sd,)" = "$2" ]; }

write_config() {  # <folder> <word program button 1 writes>
  panel_config "$1" PUrl1=docs PUrl2=tools PUrl3= PUrl4=missing \
    "PXUrl1=$(winepath -w "$1/write_marker.exe") $(winepath -w "$1/marker.txt") $2"
}

check_folder_tabs() {  # <program.exe> <panel hex> <name>
  local program=$1 panel=$2
  e2e_check "the panel opens with the folder of PUrl1: the view lists docs-file.txt" \
    e2e_wait_until 5 panel_shows_item "$panel" docs-file.txt
  e2e_screenshot "panel-buttons-1-docs-$3"
  click_control "$program" "$panel" 2
  e2e_check "folder tab 2 shows its folder: tools-file.txt" e2e_wait_until 5 panel_shows_item "$panel" tools-file.txt
  click_control "$program" "$panel" 3
  e2e_check "an empty PUrl3 shows the program's own folder: config.ini" e2e_wait_until 5 panel_shows_item "$panel" config.ini
  e2e_check "...and $program" panel_shows_item "$panel" "$program"
  e2e_screenshot "panel-buttons-2-own-folder-$3"
  click_control "$program" "$panel" 4
  sleep 1.5
  e2e_log "after the tab naming a missing folder the view lists: $(panel_items "$panel" 5 | paste -sd' ')"
  e2e_check "a tab naming a missing folder shows no message, the program answers" alive_and_quiet "$FOLDER" "$program" "$panel"
  e2e_screenshot "panel-buttons-3-missing-folder-$3"
}

check_press_frame() {  # <program.exe> <panel hex>
  local x y corner
  read -r x y < <(panel_control_centre "$1" "$2" 5)
  corner=$(e2e_pixel $((x - 68)) $((y - 20)))
  xdotool mousemove "$x" "$y"; sleep 0.2; xdotool mousedown 1; sleep 0.4
  e2e_check "folder tab 5 shows a black frame while pressed (corner was $corner)" test "$(e2e_pixel $((x - 68)) $((y - 20)))" = 0,0,0
  xdotool mousemove "$x" $((y + 150)); sleep 0.2; xdotool mouseup 1; sleep 0.4
  e2e_check "...and loses it on release" test "$(e2e_pixel $((x - 68)) $((y - 20)))" = "$corner"
}

started_nothing_more() { marker_is "$FOLDER/marker.txt" one,two && no_box "$1"; }
check_program_button() {  # <program.exe> <panel hex>
  click_control "$1" "$2" 11
  e2e_check "program button 1 starts its command" e2e_wait_until 10 marker_is "$FOLDER/marker.txt" one
  write_config "$FOLDER" two
  click_control "$1" "$2" 11
  e2e_check "after an edit of PXUrl1 the next click starts the new command" e2e_wait_until 10 marker_is "$FOLDER/marker.txt" one,two
  click_control "$1" "$2" 12
  sleep 1.5
  e2e_check "program button 2 without PXUrl2 starts nothing and shows no message" started_nothing_more "$1"
}

# The About box's icon is compared with the icon of a box of style 64 that the probe shows.
check_about() {  # <program.exe> <panel hex> <title> <name>
  local l t w h x y lines
  lines="$3 Rev3\\r\\nAdministrator Version\\r\\nwww.tarnwick.example\\r\\nCopyright (C) 2026 Tarnwick Software. All rights reserved."
  click_control "$1" "$2" 8
  e2e_check "the About button shows a box titled \"About...\"" e2e_wait_until 5 box_shows "$1" About...
  e2e_screenshot "panel-buttons-4-about-$4"
  e2e_check "...with its four lines" test "$(box_text "$1" About...)" = "$lines"
  e2e_check "...and one button" test "$(box_buttons "$1" About...)" = 1
  read -r l t w h < <(box_child_rect "$1" About... Static "")
  crop_screen about-icon "$l" "$t" "$w" "$h"
  (wine "$E2E_BUILD/panel_probe.exe" --box 64 >/dev/null 2>&1 &)
  e2e_wait_until 10 box_shows panel_probe.exe reference
  read -r l t w h < <(box_child_rect panel_probe.exe reference Static "")
  crop_screen reference-icon "$l" "$t" "$w" "$h"
  e2e_check "...and the system's information icon" same_picture about-icon reference-icon
  read -r x y < <(box_button_centre panel_probe.exe reference .)
  click_at "$x" "$y"
  read -r x y < <(box_button_centre "$1" About... .)
  click_at "$x" "$y"
  e2e_check "its button closes it" e2e_wait_until 5 no_box "$1"
}

check_buttons() {  # <program.exe> <title> <open rect>
  local program=$1 name=${1%.exe} panel
  FOLDER=$(e2e_new_folder "buttons-$name" zero)
  cp "$E2E_BUILD/write_marker.exe" "$FOLDER/"
  mkdir "$FOLDER/docs" "$FOLDER/tools"
  : >"$FOLDER/docs/docs-file.txt"
  : >"$FOLDER/tools/tools-file.txt"
  write_config "$FOLDER" one
  e2e_start_docked "$FOLDER" "$program" retry
  press_top_button
  e2e_check "the top button opens the panel" e2e_wait_until 60 panel_rect_is "$3"
  panel=$(panel_handle)
  check_folder_tabs "$program" "$panel" "$name"
  check_press_frame "$program" "$panel"
  check_program_button "$program" "$panel"
  check_about "$program" "$panel" "$2" "$name"
  wineserver -k; wineserver -w
}

check_buttons TarnwickLauncher.exe "Tarnwick™ Launcher Second Edition V1.1" "$PANEL_OPEN_RECT"
check_buttons TarnwickLauncherLE.exe "Tarnwick™ Launcher Second Edition V1.1 LE" "$PANEL_LE_RECT"
e2e_finish
