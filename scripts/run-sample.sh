#!/usr/bin/env bash
# Builds the launcher and runs the full edition from a copy of the bundled sample folder.
# - On Windows (Git Bash, MSYS2): starts the program directly.
# - With an X display: runs it under Wine on that display until you end it from its tray menu.
# - Without a display: runs it under Wine on a virtual desktop with a taskbar (Xvfb), saves
#   screenshots of the splash, the docked bar and the opened side panel to e2e-artifacts/run/,
#   and ends it. Exits 0 when the bar and the side panel showed, non-zero when they did not.
# TARNWICK_ARCH=mingw-i686 selects the 32-bit build (default mingw-x86_64); TARNWICK_PROGRAM=
# TarnwickLauncherLE.exe the LE edition.
set -euo pipefail
cd "$(dirname "$0")/.."
arch=${TARNWICK_ARCH:-mingw-x86_64}
program=${TARNWICK_PROGRAM:-TarnwickLauncher.exe}

case "$(uname -s)" in
  MINGW* | MSYS* | CYGWIN*) on_windows=1 ;;
  *) on_windows=0; bash scripts/install-deps.sh "run-${arch#mingw-}" ;;
esac
cmake --preset "$arch" >/dev/null
cmake --build --preset "$arch" --target "${program%.exe}" window_probe

folder=build/run-sample
rm -rf "$folder"
mkdir -p "$folder"
cp -r sample/. "$folder/"
cp "build/$arch/$program" "$folder/"
if [ "$on_windows" = 1 ]; then
  cd "$folder" && exec "./$program"
fi

source e2e/lib.sh
E2E_BUILD=$(pwd)/build/$arch
# The sample config.ini is written in code page 949, as a Korean Windows reads it.
e2e_korean_locale
if [ -n "${DISPLAY:-}" ]; then
  e2e_prepare_prefix
  cd "$folder" && exec wine "$program"
fi

E2E_ARTIFACTS=$(pwd)/e2e-artifacts/run
mkdir -p "$E2E_ARTIFACTS"
trap e2e_cleanup EXIT
e2e_start_xvfb
e2e_prepare_prefix
# The program's windows as the system lists them: the docked bar (top edge 0, at the screen's
# right edge) and the opened side panel (its final width is 1023 pixels).
bar_shown() {
  e2e_probe_desktop "$program" | grep "^window=.* visible=1 class=TarnwickWindow rect=[0-9]*,0,$E2E_SCREEN_WIDTH," >/dev/null
}
panel_shown() {
  e2e_probe_desktop "$program" | awk '/^window=.* visible=1 class=TarnwickWindow / {
    split(substr($5, 6), r, ","); if (r[3] - r[1] >= 1020 && r[4] - r[2] >= 312) found = 1 } END { exit !found }'
}
# failed <what>: a screenshot of the moment, a message, and a non-zero exit.
failed() {
  e2e_screenshot failed
  echo "run-sample: $1 (screenshot in $E2E_ARTIFACTS/failed.png)" >&2
  exit 1
}
running() { [ "$(e2e_program_count "$folder" "$program")" -gt 0 ]; }
bar_shown_while_running() {
  bar_shown && return 0
  running || failed "$program did not start: it ended before its bar appeared"
  return 1
}
e2e_start_on_desktop "$folder" "$program"
e2e_wait_until 20 running || failed "$program did not start"
sleep 1
e2e_screenshot splash
# The bar appears once the splash has faded in and out (about 5 s).
e2e_wait_until 30 bar_shown_while_running || failed "$program did not start: its bar never appeared"
sleep 1
e2e_screenshot bar
# The top button (73 x 23 pixels at 8, 8 in the 89-pixel bar) opens the side panel.
xdotool mousemove $((E2E_SCREEN_WIDTH - 89 + 8 + 36)) 19 click 1
e2e_wait_until 20 panel_shown || failed "the side panel did not open"
sleep 1
e2e_screenshot side-panel
e2e_log "screenshots in $E2E_ARTIFACTS"
