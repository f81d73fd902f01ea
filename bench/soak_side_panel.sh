#!/usr/bin/env bash
# Soak of the side panel under Wine, measured from outside the program: the panel is opened with
# the bar's top button and closed with its title-bar close button, again and again (real X
# input), in the full edition (the panel grows to its place and shrinks away) and in the LE
# edition (it is built at each opening and destroyed at each close). The program's USER and GDI
# object counts and private memory are read before the first opening, after the first cycle,
# after every tenth of the run and at the end; the reading after the first tenth is the
# reference (what the first openings allocate once, such as the shell's icons for the folder
# view, is there by then), and the end must not lie above it.
# The tables and screenshots go to e2e-artifacts/soak/<arch>/.
# A benchmark, not a test: not run by ctest. Exit codes as in bench/soak_lib.sh.
# Usage: bench/soak_side_panel.sh <windows build folder> [cycles, default 200] [full|le|both, default both]
source "$(dirname "$0")/soak_lib.sh"
CYCLES=${2:-200}
EDITIONS=${3:-both}
soak_init "$1"

# The panel as the X display shows it, "WxH+X+Y": the program's mapped window other than the
# docked bar (Wine draws the title bar into the X window, so this is the whole window). The
# screen is read from outside through X, which costs far less than a Wine probe per poll.
panel_geometry() {
  local window geometry
  for window in $(e2e_visible_windows "$1"); do
    geometry=$(e2e_geometry "$window")
    [ "$geometry" = "89x${E2E_SCREEN_HEIGHT}+$(e2e_bar_left)+0" ] || { echo "$geometry"; return 0; }
  done
  return 1
}
# Fully open: at its final size (1023 x 314 pixels, give or take a pixel of rounding) and at
# rest, in the same place as at the previous poll: the last ticks of the opening may still move
# it a few pixels after it reached its size, and a click aimed before that would miss.
panel_open() {
  local geometry previous=${PANEL_LAST_GEOMETRY:-}
  geometry=$(panel_geometry "$1") || return 1
  PANEL_LAST_GEOMETRY=$geometry
  [ "$geometry" = "$previous" ] && echo "$geometry" | awk -F'[x+]' '$1 >= 1020 && $2 >= 312 { found = 1 } END { exit !found }'
}
# Closed: hidden (full edition) or destroyed (LE edition).
panel_closed() { ! panel_geometry "$1" >/dev/null; }

open_panel() { soak_click "$(($(e2e_bar_left) + 8 + 36))" 19; }
# The close button sits at the right end of the title bar, 12 pixels in from the corner.
close_panel() {
  local width height left top
  IFS='x+' read -r width height left top < <(panel_geometry "$1")
  soak_click "$((left + width - 12))" "$((top + 12))"
}

# cycles <program.exe> <name>: the soak of one edition, with the program left running.
cycles() {
  local program=$1 name=$2 folder cycle every=$((CYCLES / 10))
  [ "$every" -gt 0 ] || every=1
  folder=$(e2e_new_folder "soak-$name" none)
  cp -r "$E2E_REPO/sample/." "$folder/"
  e2e_start "$folder" "$program"
  e2e_wait_until 30 e2e_bar_docked "$program" || { e2e_log "$program did not dock its bar"; return 1; }
  soak_start_table "side-panel-$name"
  soak_record before "$program" || return 1
  for cycle in $(seq "$CYCLES"); do
    open_panel
    PANEL_LAST_GEOMETRY=
    e2e_wait_until 20 panel_open "$program" || { e2e_log "cycle $cycle: the panel did not open"; e2e_screenshot "soak-$name-failed"; return 1; }
    [ "$cycle" -eq 1 ] && e2e_screenshot "soak-$name-open"
    sleep 0.5  # a loaded machine may deliver the last opening tick late
    close_panel "$program"
    e2e_wait_until 20 panel_closed "$program" || { e2e_log "cycle $cycle: the panel did not close"; e2e_screenshot "soak-$name-failed"; return 1; }
    if [ "$cycle" -eq 1 ]; then
      soak_record cycle-1 "$program" || return 1
    elif [ $((cycle % every)) -eq 0 ]; then
      soak_record "cycle-$cycle" "$program" || return 1
    fi
  done
  e2e_screenshot "soak-$name-end"
  soak_verdict "cycle-$every"
}

# soak <program.exe> <name>: one edition's soak; the program ends with it, whatever the outcome.
soak() {
  local outcome=0
  cycles "$@" || outcome=$?
  wineserver -k; wineserver -w
  return "$outcome"
}

status=0
# run <program.exe> <name>: one edition's soak; the first failure sets the exit status.
run() { soak "$@" || { local failed=$?; [ "$status" -ne 0 ] || status=$failed; }; }
case "$EDITIONS" in full | both) run TarnwickLauncher.exe full ;; esac
case "$EDITIONS" in le | both) run TarnwickLauncherLE.exe le ;; esac
exit "$status"
