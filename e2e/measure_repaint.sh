#!/usr/bin/env bash
# Cost of painting the bar under Wine: the bar of a skin whose background picture and 24 button
# pictures cover it (the buttons with transparent parts, so that each control paints the
# background behind it first), and the bar with its built-in pictures and no background picture,
# each repainted whole <count> times from outside by repaint_probe.exe. Prints the mean time of
# one repaint of each.
# Not a ctest check: it reports figures and fails only when it cannot measure.
# Usage: measure_repaint.sh <windows build folder> [count, default 200] [program, default TarnwickLauncher.exe]
source "$(dirname "$0")/lib.sh"
COUNT=${2:-200}
PROGRAM=${3:-TarnwickLauncher.exe}
e2e_init "$1"
[ -f "$E2E_BUILD/repaint_probe.exe" ] || e2e_skip "$E2E_BUILD/repaint_probe.exe is missing"

make_skin() {  # <folder>
  local n
  mkdir -p "$1/image"
  convert -size 83x1575 gradient:'rgb(0,90,0)-rgb(0,200,120)' "$1/image/bar.jpg"
  convert -size 73x57 xc:none -fill 'rgb(220,60,40)' -draw 'roundrectangle 2,2 70,54 10,10' "PNG32:$1/image/button.png"
  { printf '[BG1]\r\nimage=bar.jpg\r\n'
    for n in $(seq -f %03g 1 24); do printf '[%s]\r\nimage=button.png\r\n' "$n"; done
  } >"$1/config.ini"
}

measure() {  # <folder> <what>
  e2e_start_docked "$1" "$PROGRAM" retry || return 1
  sleep 2
  local result
  result=$(wine "$E2E_BUILD/repaint_probe.exe" "$COUNT" 2>/dev/null | tr -d '\r')
  e2e_log "$2: $result"
  wineserver -k; wineserver -w
  [ -n "$result" ]
}

PLAIN=$(e2e_new_folder repaint-plain zero)
SKIN=$(e2e_new_folder repaint-skin zero)
make_skin "$SKIN"
e2e_check "the bar with its built-in pictures is measured" measure "$PLAIN" "built-in pictures, no background picture"
e2e_check "the skinned bar is measured" measure "$SKIN" "background picture and 24 transparent PNG buttons"
e2e_finish
