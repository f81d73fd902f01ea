#!/usr/bin/env bash
# The candy gallery started with bad button descriptions beside it: an empty file, binary
# garbage, a 10 MB file and a button whose picture is missing. Each time the gallery shows its
# window with the status message for that case, and stays up until it is ended.
# Screenshots: e2e-artifacts/<build folder name>/gallery_file_*.png.
# Usage: check_gallery_files.sh <windows build folder>     Exit: 0 pass, 1 fail, 77 skipped.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
[ -f "$E2E_BUILD/CandyGallery.exe" ] || e2e_skip "$E2E_BUILD/CandyGallery.exe is missing"

# run_with <case> <expected status line> : the description is $E2E_WORK/<case>/CandyGallery.txt
run_with() {
  local folder="$E2E_WORK/$1" log="$E2E_WORK/$1/events.log"
  cp "$E2E_BUILD/CandyGallery.exe" "$folder/"
  (cd "$folder" && exec wine CandyGallery.exe --log events.log >/dev/null 2>&1 &)
  e2e_check "$1: the gallery shows its window" e2e_wait_until 60 grep -qsx ready "$log"
  e2e_check "$1: the status line says \"$2\"" grep -qxF "status $2" "$log"
  sleep 1
  e2e_check "$1: the gallery is still running" test "$(e2e_program_count "$folder" CandyGallery.exe)" -eq 1
  e2e_screenshot "gallery_file_$1"
  wineserver -k >/dev/null 2>&1
  wineserver -w >/dev/null 2>&1
}

mkdir -p "$E2E_WORK"/{empty,garbage,huge,missing_picture}
: >"$E2E_WORK/empty/CandyGallery.txt"
head -c 65536 /dev/urandom >"$E2E_WORK/garbage/CandyGallery.txt"
{ echo "[Big]"; head -c $((10 * 1024 * 1024)) /dev/zero | tr '\0' 'x'; } >"$E2E_WORK/huge/CandyGallery.txt"
printf '[No picture]\nCaption = "No picture"\nStyle = 2\nPicture = "not here.ico"\n' \
  >"$E2E_WORK/missing_picture/CandyGallery.txt"

run_with empty "CandyGallery.txt describes no buttons"
run_with garbage "CandyGallery.txt describes no buttons"
run_with huge "CandyGallery.txt is larger than 1 MB and was not read"
run_with missing_picture "Move the pointer over a button, press it, or Tab to one and press Enter"
e2e_check "missing_picture: the button is placed" grep -q "^button	No picture	" "$E2E_WORK/missing_picture/events.log"
e2e_check "the bad files were left as they were" test "$(stat -c %s "$E2E_WORK/huge/CandyGallery.txt")" -gt 10000000 -a ! -s "$E2E_WORK/empty/CandyGallery.txt"
e2e_finish
