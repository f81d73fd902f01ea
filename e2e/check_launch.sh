#!/usr/bin/env bash
# The bar's launch buttons with real mouse input, under Wine: a click on button 1 starts the
# program its config.ini section names, a double-click starts it once, and a button shows its
# one-pixel frame while the mouse button is held down on it.
# Usage: check_launch.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

PROGRAM='C:\windows\system32\notepad.exe'

notepads() { e2e_probe --processes | grep -ci 'notepad\.exe$' || true; }
notepads_are() { [ "$(notepads)" -eq "$1" ]; }

check_launch() {  # <program.exe>
  local program=$1 name=${1%.exe} folder x y before corner
  folder=$(e2e_new_folder "launch-$name" zero)
  printf '[001]\r\nsource=%s\r\n' "$PROGRAM" >"$folder/config.ini"
  e2e_start_docked "$folder" "$program"
  before=$(notepads)

  read -r x y < <(e2e_bar_button_centre 1)
  xdotool mousemove "$x" "$y"; sleep 0.3; xdotool click 1
  e2e_check "a click on button 1 starts its program" e2e_wait_until 15 notepads_are $((before + 1))
  e2e_screenshot "launch-click-$name"

  xdotool mousemove "$x" "$y"; sleep 0.3; xdotool click --repeat 2 --delay 80 1
  e2e_check "a double-click starts it once" e2e_wait_until 15 notepads_are $((before + 2))
  sleep 2
  e2e_check "...and only once" notepads_are $((before + 2))

  read -r x y < <(e2e_bar_button_centre 2)
  corner=$(e2e_pixel "$(e2e_bar_button_left)" "$(e2e_bar_button_top 2)")
  xdotool mousemove "$x" "$y"; sleep 0.3; xdotool mousedown 1; sleep 0.5
  e2e_check "button 2 shows a black frame while pressed (corner was $corner)" test "$(e2e_pixel "$(e2e_bar_button_left)" "$(e2e_bar_button_top 2)")" = "0,0,0"
  e2e_screenshot "launch-pressed-$name"
  xdotool mousemove "$((x - 200))" "$y"; sleep 0.3; xdotool mouseup 1; sleep 0.5
  e2e_check "...and loses it on release" test "$(e2e_pixel "$(e2e_bar_button_left)" "$(e2e_bar_button_top 2)")" = "$corner"
  e2e_check "releasing off the button starts nothing" notepads_are $((before + 2))
  wineserver -k; wineserver -w
}

check_launch TarnwickLauncher.exe
check_launch TarnwickLauncherLE.exe
e2e_finish
