#!/usr/bin/env bash
# The candy button contact sheet drawn by the Windows backend, under Wine in a private virtual
# display: the program starts, shows its window, and the screenshot holds the rest colour of
# each pure-colour scheme (blue, red, green, yellow) over a real area of gloss faces. The
# screenshot is kept as e2e-artifacts/<build folder name>/candy_sheet.png.
# Usage: check_candy_sheet.sh <windows build folder>     Exit: 0 pass, 1 fail, 77 skipped.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
[ -f "$E2E_BUILD/candy_sheet_window.exe" ] || e2e_skip "$E2E_BUILD/candy_sheet_window.exe is missing"
work=$E2E_WORK
artifacts=$E2E_ARTIFACTS
build=$E2E_BUILD

wine "$build/candy_sheet_window.exe" 60 >"$work/out.txt" 2>&1 &
for _ in $(seq 120); do grep -q ready "$work/out.txt" && break; sleep 0.5; done
e2e_check "the program reports its window" grep -q ready "$work/out.txt"
sleep 3
e2e_screenshot candy_sheet

histogram=$(convert "$artifacts/candy_sheet.png" -format %c histogram:info:-)
for colour in '#000080' '#800000' '#008000' '#808000'; do
  count=$(printf '%s\n' "$histogram" | awk -v c="$colour" '$0 ~ c { sub(":", "", $1); print $1 }')
  e2e_check "${count:-0} pixels of scheme colour $colour (at least 500)" test "${count:-0}" -ge 500
done
e2e_finish
