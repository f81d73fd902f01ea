#!/usr/bin/env bash
# The release package: `cmake --build <build> --target package` makes the architecture's zip;
# it holds one folder with both programs (stripped, at most 1 MB each), the sample folder ready
# to run beside them, the read-me for Windows users and the licence, both with CR LF line ends.
# Unpacked into a fresh folder, both programs start from there with the sample skin: the full
# edition docks its bar with the sample's button pictures and opens its side panel from the top
# button; the LE edition docks its bar too.
# Usage: check_package.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
command -v cmake >/dev/null || e2e_skip "cmake is not installed"
MAX_PROGRAM_BYTES=1048576

package_zip() { find "$E2E_BUILD" -maxdepth 1 -name 'TarnwickLauncher-*.zip' -newer "$1" | head -1; }

# How far the bar's button 1 on the screen is from a 73 x 57 picture (normalised RMSE, 0..1).
button_1_distance() {  # <picture>
  import -window root -display "$DISPLAY" -crop "73x57+$(e2e_bar_button_left)+$(e2e_bar_button_top 1)" +repage \
    "$E2E_WORK/button-1.png" 2>/dev/null
  compare -metric RMSE "$E2E_WORK/button-1.png" "$1" null: 2>&1 | sed -n 's/.*(\([0-9.e-]*\)).*/\1/p'
}
# The sample's picture shows on button 1: the screen is closer to it than to the built-in one.
shows_sample_picture() {
  local sample builtin
  sample=$(button_1_distance "$1/image/btn01.jpg"); builtin=$(button_1_distance "$E2E_REPO/assets/design/main_launch_01.jpg")
  e2e_log "button 1 against the sample picture: $sample, against the built-in one: $builtin"
  awk -v s="$sample" -v b="$builtin" 'BEGIN { exit !(s != "" && b != "" && s < b / 2) }'
}
has_crlf_lines() { [ "$(grep -c $'\r$' "$1")" -eq "$(wc -l <"$1")" ] && [ "$(wc -l <"$1")" -gt 5 ]; }
not_larger_than() { [ "$(stat -c %s "$1")" -le "$2" ]; }
# A stripped program has no symbol table: the COFF header's symbol table pointer and count are 0.
stripped() {
  local header
  header=$(od -An -t u4 -j 60 -N 4 "$1" | tr -d ' ')
  [ "$(od -An -t u4 -j $((header + 12)) -N 8 "$1" | tr -s ' ')" = " 0 0" ]
}
licence_is_mit() { grep -q "^MIT License" "$1" && has_crlf_lines "$1"; }
panel_open() {
  local window
  for window in $(e2e_visible_windows TarnwickLauncher.exe); do
    e2e_geometry "$window" | grep -Eq '^10(19|2[0-9])x31[2-6]\+' && return 0
  done
  return 1
}

stamp="$E2E_WORK/before-package"
touch "$stamp"
sleep 1
e2e_check "the package target builds the zip" cmake --build "$E2E_BUILD" --target package
zip=$(package_zip "$stamp")
[ -n "$zip" ] || { e2e_fail "no new TarnwickLauncher-*.zip in $E2E_BUILD"; e2e_finish; }
e2e_log "package: $zip"
unpacked="$E2E_WORK/unpacked"
mkdir -p "$unpacked"
(cd "$unpacked" && cmake -E tar xf "$zip")
folder="$unpacked/$(basename "$zip" .zip)"
e2e_check "the zip holds one folder named after it" test "$(ls "$unpacked")" = "$(basename "$folder")"
for file in TarnwickLauncher.exe TarnwickLauncherLE.exe config.ini image/bg1.jpg image/btn01.jpg docs/readme.txt README.txt LICENSE.txt; do
  e2e_check "the folder holds $file" test -f "$folder/$file"
done
e2e_check "the sample folder beside the programs is the bundled one" diff -r "$E2E_REPO/sample/image" "$folder/image"
e2e_check "config.ini is the sample's, byte for byte" cmp "$E2E_REPO/sample/config.ini" "$folder/config.ini"
for program in TarnwickLauncher.exe TarnwickLauncherLE.exe; do
  e2e_log "$program: $(stat -c %s "$folder/$program") bytes"
  e2e_check "$program is stripped" stripped "$folder/$program"
  e2e_check "$program is at most $MAX_PROGRAM_BYTES bytes" not_larger_than "$folder/$program" "$MAX_PROGRAM_BYTES"
done
e2e_check "README.txt has CR LF line ends" has_crlf_lines "$folder/README.txt"
e2e_check "...and names both programs" grep -q 'TarnwickLauncherLE.exe' "$folder/README.txt"
e2e_check "LICENSE.txt is the MIT licence with CR LF line ends" licence_is_mit "$folder/LICENSE.txt"

# The sample config.ini is in code page 949, as a Korean Windows reads it.
e2e_korean_locale || exit 1
e2e_start "$folder" TarnwickLauncher.exe
e2e_check "the full edition starts from the unpacked folder and docks its bar" \
  e2e_wait_until 30 e2e_bar_docked TarnwickLauncher.exe
sleep 1
e2e_check "button 1 shows the sample's picture" shows_sample_picture "$folder"
e2e_screenshot package-1-bar
xdotool mousemove "$(($(e2e_bar_left) + 44))" 19; sleep 0.2; xdotool click 1
e2e_check "the top button opens the side panel" e2e_wait_until 20 panel_open
sleep 1
e2e_screenshot package-2-side-panel
wineserver -k; wineserver -w
e2e_start "$folder" TarnwickLauncherLE.exe
e2e_check "the LE edition starts from the unpacked folder and docks its bar" \
  e2e_wait_until 30 e2e_bar_docked TarnwickLauncherLE.exe
e2e_screenshot package-3-le-bar
e2e_finish
