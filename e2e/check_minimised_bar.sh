#!/usr/bin/env bash
# No window of the launcher can be lost by minimising it, with real input under Wine: neither
# the bar nor the side panel has a minimise box, the bar's window menu (Alt+Space) offers no
# Minimize, and a bar minimised from outside (as the shell does for Win+Down) comes back, docked
# and in front, at a left double-click on the tray icon.
# Usage: check_minimised_bar.sh <windows build folder>
source "$(dirname "$0")/side_panel_lib.sh"
e2e_init "$@"
[ -f "$E2E_BUILD/panel_probe.exe" ] || e2e_skip "$E2E_BUILD/panel_probe.exe is missing"
WS_MINIMIZEBOX=0x20000

no_minimise_box() {  # <hex>: fails for a window that is not there
  local style
  style=$(e2e_window_state "$1" | sed -n 's/.*style=\([0-9a-f]*\)$/\1/p')
  [ -n "$style" ] && [ $((0x$style & WS_MINIMIZEBOX)) -eq 0 ]
}

check_minimised_bar() {  # <program.exe>
  local program=$1 name=${1%.exe} folder bar panel x y
  folder=$(e2e_new_folder "minimised-$name" zero)
  e2e_start_docked "$folder" "$program" retry || { wineserver -k; wineserver -w; return; }
  bar=$(e2e_bar_handle "$program")
  e2e_check "the bar has no minimise box" no_minimise_box "$bar"
  # From the keyboard: a click on the bar's bare surface between buttons 1 and 2 gives it the
  # focus, Alt+Space opens its window menu, whose Minimize (n) is not offered.
  xdotool mousemove $(($(e2e_bar_left) + 44)) 100; sleep 0.3
  xdotool click 1; sleep 0.5
  xdotool key alt+space
  e2e_check "Alt+Space opens the bar's window menu" e2e_wait_until 3 e2e_menu_shown "$program"
  e2e_screenshot "minimised-0-window-menu-$name"
  xdotool key n; sleep 1
  e2e_check "...whose Minimize leaves the bar docked" eval 'e2e_window_has_state "$bar" iconic=0 && e2e_bar_docked "$program"'
  xdotool key Escape; sleep 0.5
  press_top_button
  e2e_check "the top button opens the side panel" e2e_wait_until 10 eval '[ -n "$(panel_handle)" ] && ! panel_hidden'
  panel=$(panel_handle)
  e2e_check "the side panel has no minimise box" no_minimise_box "$panel"
  e2e_screenshot "minimised-1-panel-frame-$name"

  e2e_check "the bar can be minimised from outside" wine "$E2E_BUILD/window_probe.exe" --minimise "$bar"
  e2e_check "...and is then off its dock" e2e_wait_until 3 eval '! e2e_bar_docked "$program"'
  e2e_screenshot "minimised-2-bar-minimised-$name"
  read -r x y < <(e2e_tray_icon_centre)
  xdotool mousemove "$x" "$y"; sleep 0.3
  xdotool click --repeat 2 --delay 80 1
  e2e_check "a left double-click on the tray icon restores the bar" e2e_wait_until 3 e2e_window_has_state "$bar" iconic=0
  e2e_check "...docked at the right edge" e2e_wait_until 3 e2e_bar_docked "$program"
  e2e_check "...and in front" e2e_wait_until 3 e2e_window_has_state "$bar" foreground=1
  e2e_screenshot "minimised-3-bar-restored-$name"
  wineserver -k; wineserver -w
}

check_minimised_bar TarnwickLauncher.exe
check_minimised_bar TarnwickLauncherLE.exe
e2e_finish
