#!/usr/bin/env bash
# The candy button contact sheet drawn by the Windows backend, under Wine in a private virtual
# display: the program starts, shows its window, and the screenshot holds the rest colour of
# each pure-colour scheme (blue, red, green, yellow) over a real area of gloss faces. The
# screenshot is kept as e2e-artifacts/<build folder name>/candy_sheet.png.
# Usage: check_candy_sheet.sh <windows build folder>     Exit: 0 pass, 1 fail, 77 skipped.
set -uo pipefail
[ $# -eq 1 ] || { echo "usage: $0 <windows build folder>"; exit 2; }
for tool in wine wineserver Xvfb import convert; do
  command -v "$tool" >/dev/null || { echo "SKIPPED: '$tool' is not installed"; exit 77; }
done
[ -f "$1/candy_sheet_window.exe" ] || { echo "SKIPPED: $1/candy_sheet_window.exe is missing"; exit 77; }

repo=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "$1" && pwd)
artifacts="$repo/e2e-artifacts/$(basename "$build")"
mkdir -p "$artifacts" "$repo/build"
export WINEPREFIX="$repo/build/candy-wineprefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
work=$(mktemp -d "$repo/build/candy-e2e.XXXXXX")

# A free display number, written by Xvfb itself.
Xvfb -displayfd 3 -screen 0 1024x800x24 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
cleanup() {
  wineserver -k >/dev/null 2>&1
  kill "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
wineboot -i >/dev/null 2>&1

wine "$build/candy_sheet_window.exe" 60 >"$work/out.txt" 2>&1 &
for _ in $(seq 120); do grep -q ready "$work/out.txt" && break; sleep 0.5; done
grep -q ready "$work/out.txt" || { echo "FAIL: the program did not report its window"; exit 1; }
sleep 3
import -window root "$artifacts/candy_sheet.png"

failures=0
histogram=$(convert "$artifacts/candy_sheet.png" -format %c histogram:info:-)
for colour in '#000080' '#800000' '#008000' '#808000'; do
  count=$(printf '%s\n' "$histogram" | awk -v c="$colour" '$0 ~ c { sub(":", "", $1); print $1 }')
  if [ "${count:-0}" -ge 500 ]; then
    echo "ok: ${count} pixels of scheme colour $colour"
  else
    echo "FAIL: only ${count:-0} pixels of scheme colour $colour"
    failures=$((failures + 1))
  fi
done
echo "screenshot: $artifacts/candy_sheet.png"
[ "$failures" -eq 0 ]
