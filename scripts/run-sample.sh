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

# Under Wine: on this display, or headless with screenshots (scripts/run_sample.py says how).
exec /usr/bin/python3 scripts/run_sample.py "build/$arch" "$folder" "$program"
