#!/usr/bin/env bash
# Soak of the running bar under Wine, measured from outside the program: the full edition runs
# with the sample folder for a while (default 10 minutes; its 1 ms docking timer ticks all the
# time) and its tray icon gets a left double-click every second (real X input), which shows the
# bar again each time. Once a minute the bar is hidden from outside first, and that second's
# double-click must bring it back. The program's USER and GDI object counts and private memory
# are read before the first double-click, after the first minute (the reference) and every
# minute after.
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
bar_gone() { ! e2e_bar_docked "$PROGRAM"; }
# The Windows handle (hex) of the program's bar, visible or not.
bar_handle() { e2e_probe "$PROGRAM" | sed -n 's/^window=\([0-9a-f]*\) .* class=TarnwickWindow rect=[0-9-]*,0,[0-9-]*,[0-9-]* .*/\1/p' | head -1; }
e2e_wait_until 10 icon_present || { e2e_log "$PROGRAM shows no tray icon"; exit 1; }
read -r icon_x icon_y < <(e2e_tray_icon_centre)
xdotool mousemove "$icon_x" "$icon_y"
e2e_screenshot soak-tray-start
soak_start_table tray
soak_record before "$PROGRAM" || exit 1

bar=$(bar_handle)
start=$(date +%s)
clicks=0 hidden=0 restored=0
next_reading=60
while [ $(($(date +%s) - start)) -lt "$DURATION" ]; do
  second=$(e2e_now)
  elapsed=$(($(date +%s) - start))
  minute_mark=0
  [ "$elapsed" -ge "$next_reading" ] && minute_mark=1
  if [ "$minute_mark" = 1 ]; then
    wine "$E2E_BUILD/window_probe.exe" --hide "$bar" >/dev/null 2>&1
    e2e_wait_until 3 bar_gone && hidden=$((hidden + 1))
  fi
  xdotool click --repeat 2 --delay 80 1
  clicks=$((clicks + 1))
  if [ "$minute_mark" = 1 ]; then
    if e2e_wait_until 5 e2e_bar_docked "$PROGRAM"; then
      restored=$((restored + 1))
    else
      e2e_log "minute $((next_reading / 60)): the double-click did not show the hidden bar"
    fi
    soak_record "minute-$((next_reading / 60))" "$PROGRAM" || exit 1
    next_reading=$((next_reading + 60))
  fi
  # One double-click a second: sleep for what is left of this second.
  sleep "$(awk -v s="$second" -v now="$(e2e_now)" 'BEGIN { left = 1 - (now - s); printf "%.3f", (left > 0 ? left : 0) }')"
done
soak_record end "$PROGRAM" || exit 1
e2e_log "$clicks double-clicks on the tray icon in $DURATION s; the bar, hidden $hidden times, came back $restored times"
e2e_screenshot soak-tray-end
e2e_bar_docked "$PROGRAM" || { e2e_log "the bar is not docked at the end"; exit 1; }
icon_present || { e2e_log "the tray icon is gone at the end"; exit 1; }
[ "$hidden" -gt 0 ] && [ "$restored" -eq "$hidden" ] || { e2e_log "the double-click did not always show the bar"; exit 1; }
soak_verdict minute-1
