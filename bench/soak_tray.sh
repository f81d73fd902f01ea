#!/usr/bin/env bash
# Soak of the running bar under Wine, measured from outside the program: the full edition runs
# with the sample folder for a while (default 10 minutes; its 1 ms docking timer ticks all the
# time) and its tray icon gets a left double-click every second (real X input), which shows the
# bar again each time. The program's USER and GDI object counts and private memory are read
# before the first double-click, after the first minute (the reference) and every minute after.
# The table and screenshots go to e2e-artifacts/soak/<arch>/.
# A benchmark, not a test: not run by ctest. Exit codes as in bench/soak_lib.sh.
# Usage: bench/soak_tray.sh <windows build folder> [seconds, default 600] [program, default TarnwickLauncher.exe]
source "$(dirname "$0")/soak_lib.sh"
DURATION=${2:-600}
PROGRAM=${3:-TarnwickLauncher.exe}
soak_init "$1"

folder=$(e2e_new_folder soak-tray none)
cp -r "$E2E_REPO/sample/." "$folder/"
e2e_start "$folder" "$PROGRAM"
e2e_wait_until 30 e2e_bar_docked "$PROGRAM" || { e2e_log "$PROGRAM did not dock its bar"; exit 1; }
icon_present() { [ -n "$(e2e_tray_icon_centre)" ]; }
e2e_wait_until 10 icon_present || { e2e_log "$PROGRAM shows no tray icon"; exit 1; }
read -r icon_x icon_y < <(e2e_tray_icon_centre)
xdotool mousemove "$icon_x" "$icon_y"
e2e_screenshot soak-tray-start
soak_start_table tray
soak_record before "$PROGRAM" || exit 1

start=$(date +%s)
clicks=0
next_reading=60
while [ $(($(date +%s) - start)) -lt "$DURATION" ]; do
  second=$(e2e_now)
  xdotool click --repeat 2 --delay 80 1
  clicks=$((clicks + 1))
  elapsed=$(($(date +%s) - start))
  if [ "$elapsed" -ge "$next_reading" ]; then
    soak_record "minute-$((next_reading / 60))" "$PROGRAM" || exit 1
    next_reading=$((next_reading + 60))
  fi
  # One double-click a second: sleep for what is left of this second.
  sleep "$(awk -v s="$second" -v now="$(e2e_now)" 'BEGIN { left = 1 - (now - s); printf "%.3f", (left > 0 ? left : 0) }')"
done
soak_record end "$PROGRAM" || exit 1
e2e_log "$clicks double-clicks on the tray icon in $DURATION s"
e2e_screenshot soak-tray-end
e2e_bar_docked "$PROGRAM" || { e2e_log "the bar is not docked at the end"; exit 1; }
icon_present || { e2e_log "the tray icon is gone at the end"; exit 1; }
soak_verdict minute-1
