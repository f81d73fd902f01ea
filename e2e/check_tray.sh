#!/usr/bin/env bash
# The bar and its tray icon with real input, under Wine without a virtual desktop, where Wine
# shows notification-area icons in its own small tray window: the icon is there and comes back
# after a shell restart; a right-click opens the menu, "종료" asks for confirmation, No keeps the
# program, Yes ends it and removes the icon; a left double-click shows the hidden bar again.
# Also: the bar docks 89 pixels wide at the right edge and snaps back after being moved or
# resized from outside, a skin picture from the image folder shows on its button, a button
# without "source" starts nothing, and an edited "source" is used at the next click.
# Usage: check_tray.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
for tool in write_marker.exe shell_restart.exe; do
  [ -f "$E2E_BUILD/$tool" ] || e2e_skip "$E2E_BUILD/$tool is missing"
done
SKIN_COLOUR=32,192,64

icon_present() { [ -n "$(e2e_tray_icon_centre)" ]; }
icon_absent() { ! icon_present; }
# The Windows handle of the program's bar (hex), visible or not.
bar_hidden() { e2e_probe "$1" | grep -q "^window=$2 .* visible=0 "; }
# A visible box of the program titled "Close" whose text is <text>.
confirmation_shows() {  # <program.exe> <text>
  e2e_probe "$1" | TEXT="$2" awk '
    /^window=/ { box = ($0 ~ / visible=1 class=#32770 / && substr($0, index($0, "title=") + 6) == "Close") }
    box && /^  child class=Static / && substr($0, index($0, "text=") + 5) == ENVIRON["TEXT"] { found = 1 }
    END { exit !found }'
}
no_box() { ! e2e_probe "$1" | grep -q "^window=.* visible=1 class=#32770 "; }
running() { [ "$(e2e_program_count "$1" "$2")" -eq 1 ]; }
ended() { [ "$(e2e_program_count "$1" "$2")" -eq 0 ]; }
marker_is() { [ "$({ tr -d '\r' <"$1"; } 2>/dev/null | paste -sd,)" = "$2" ]; }

click_at() {  # <x> <y> <button> [repeat]
  xdotool mousemove "$1" "$2"; sleep 0.3
  xdotool click --repeat "${4:-1}" --delay 80 "$3"
}
click_button() { local x y; read -r x y < <(e2e_bar_button_centre "$1"); click_at "$x" "$y" 1; }
# Right-click on the icon, then "종료", the menu's only item.
choose_exit() {  # <program.exe>
  local x y
  e2e_check "a right-click on the icon opens the menu" e2e_open_tray_menu "$1"
  e2e_screenshot "$2"
  read -r x y < <(e2e_menu_centre "$1")
  [ -n "$x" ] && click_at "$x" "$y" 1
}

write_config() {  # <folder> <word button 1 writes>
  local marker_program marker
  marker_program=$(winepath -w "$1/write_marker.exe"); marker=$(winepath -w "$1/marker.txt")
  printf '[001]\r\nsource=%s %s %s\r\n[002]\r\nimage=solid.bmp\r\n' "$marker_program" "$marker" "$2" >"$1/config.ini"
}

# Moves and resizes the bar from another program (what a window manager or a tool would do
# through the window system) and expects it back. A move made directly on the X display, behind
# Wine's back (xdotool without a window manager), is not seen by Wine and not checked here.
check_bar() {  # <program.exe> <folder> <name>
  local program=$1 folder=$2 bar x y
  bar=$(e2e_bar_handle "$program")
  e2e_check "the bar can be moved from outside" wine "$E2E_BUILD/window_probe.exe" --place "$bar" 200 100 89 800
  e2e_check "...and is back at the right edge" e2e_wait_until 1 e2e_bar_docked "$program"
  e2e_check "the bar can be resized from outside" wine "$E2E_BUILD/window_probe.exe" --place "$bar" "$(e2e_bar_left)" 0 300 400
  e2e_check "...and is back to 89 x $E2E_SCREEN_HEIGHT" e2e_wait_until 1 e2e_bar_docked "$program"
  read -r x y < <(e2e_bar_button_centre 2)
  e2e_check "button 2 shows its skin picture from the image folder" test "$(e2e_pixel "$x" "$y")" = "$SKIN_COLOUR"
  e2e_screenshot "tray-1-bar-$3"
  click_button 2; sleep 2
  e2e_check "a button without \"source\" starts nothing" test ! -e "$folder/marker.txt"
  e2e_check "...and shows no message" no_box "$program"
  click_button 1
  e2e_check "button 1 starts its command" e2e_wait_until 10 marker_is "$folder/marker.txt" one
  write_config "$folder" two; sleep 0.5
  click_button 1
  e2e_check "after an edit of \"source\" the next click starts the new command" \
    e2e_wait_until 10 marker_is "$folder/marker.txt" one,two
}

check_tray() {  # <program.exe> <title>
  local program=$1 title=$2 name=${1%.exe} folder bar x y
  folder=$(e2e_new_folder "tray-$name" none)
  cp "$E2E_BUILD/write_marker.exe" "$folder/"
  mkdir "$folder/image"
  convert -size 73x57 "xc:rgb($SKIN_COLOUR)" "BMP3:$folder/image/solid.bmp"
  write_config "$folder" one
  e2e_start_docked "$folder" "$program" retry
  check_bar "$program" "$folder" "$name"
  e2e_check "its icon is in the tray" icon_present
  bar=$(e2e_bar_handle "$program")

  wine "$E2E_BUILD/shell_restart.exe" "$bar" >/dev/null 2>&1
  e2e_check "after a shell restart the icon is back" e2e_wait_until 2 icon_present

  choose_exit "$program" "tray-2-menu-$name"
  e2e_check "\"종료\" asks \"$title Program Termination?\"" e2e_wait_until 5 confirmation_shows "$program" "$title Program Termination?"
  e2e_screenshot "tray-3-confirmation-$name"
  e2e_click_box_button "$program" Close "&No"
  sleep 1
  e2e_check "answering No keeps the program running" running "$folder" "$program"
  e2e_check "...and its icon" icon_present

  wine "$E2E_BUILD/window_probe.exe" --hide "$bar" >/dev/null 2>&1
  e2e_check "the bar can be hidden from outside" e2e_wait_until 2 bar_hidden "$program" "$bar"
  read -r x y < <(e2e_tray_icon_centre)
  click_at "$x" "$y" 1 2
  e2e_check "a left double-click on the icon shows the bar again" e2e_wait_until 3 e2e_bar_docked "$program"

  choose_exit "$program" "tray-4-menu-again-$name"
  e2e_wait_until 5 confirmation_shows "$program" "$title Program Termination?"
  e2e_click_box_button "$program" Close "&Yes"
  e2e_check "answering Yes ends the program" e2e_wait_until 5 ended "$folder" "$program"
  e2e_check "...and its icon is gone" e2e_wait_until 3 icon_absent
  e2e_screenshot "tray-5-ended-$name"
  wineserver -k; wineserver -w
}

check_tray TarnwickLauncher.exe "Tarnwick™ Launcher Second Edition V1.1"
check_tray TarnwickLauncherLE.exe "Tarnwick™ Launcher Second Edition V1.1 LE"
e2e_finish
