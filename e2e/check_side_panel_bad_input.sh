#!/usr/bin/env bash
# The side panel with bad configuration under Wine (full edition): folder tabs naming a folder of
# 10 000 files, a folder reached through "..", an absolute path, a 254-byte name, a file, and a
# missing folder; tab pictures that claim 20 000 x 20 000 pixels or are cut off. None may crash
# the program, hang it or bring a message; the log records what the view lists for each tab
# (after a tab with a known folder, so that each listing is the tab's own), and the pictures
# that cannot be shown leave the tabs' built-in pictures.
# Usage: check_side_panel_bad_input.sh <windows build folder>
source "$(dirname "$0")/side_panel_lib.sh"
panel_init "$@"
PROGRAM=TarnwickLauncher.exe
LONG_NAME=$(printf 'n%.0s' $(seq 254))

# A valid 1-bit grey PNG of 20 000 x 20 000 pixels (about 50 KB: its rows compress to nothing).
huge_png() {
  perl -MCompress::Zlib -e '
    sub chunk { my ($type, $data) = @_; pack("N", length $data) . $type . $data . pack("N", crc32($type . $data)) }
    my $row = "\0" x 2501; my $d = deflateInit(-Level => 9); my $z = "";
    for (1 .. 20000) { my ($out) = $d->deflate($row); $z .= $out }
    my ($out) = $d->flush(); $z .= $out;
    print "\x89PNG\r\n\x1a\n", chunk("IHDR", pack("NNCCCCC", 20000, 20000, 1, 0, 0, 0, 0)),
      chunk("IDAT", $z), chunk("IEND", "")' >"$1"
}

make_folder() {
  local folder=$1
  mkdir -p "$folder/many" "$folder/good" "$folder/$LONG_NAME" "$folder/image" "$E2E_WORK/outside"
  (cd "$folder/many" && seq -f 'file-%05g.txt' 1 10000 | xargs touch)
  : >"$folder/good/good-file.txt"
  : >"$E2E_WORK/outside/outside-file.txt"
  : >"$folder/$LONG_NAME/long-file.txt"
  huge_png "$folder/image/huge.png"
  convert -size 137x41 gradient:red-blue "$folder/image/whole.jpg"
  head -c "$(($(stat -c %s "$folder/image/whole.jpg") / 2))" "$folder/image/whole.jpg" >"$folder/image/cut.jpg"
  convert -size 137x41 xc:green "BMP3:$folder/image/whole.bmp"
  head -c 5000 "$folder/image/whole.bmp" >"$folder/image/cut.bmp"
  panel_config "$folder" PUrl1=many 'PUrl2=..\outside' 'PUrl3=C:\windows' "PUrl4=$LONG_NAME" PUrl5=config.ini \
    PUrl6=missing PUrl7=good Pimg1=huge.png Pimg2=cut.jpg Pimg3=cut.bmp
}

# The left 30 pixels of folder tab <n> (its folder sign, before the label) saved as tab<n>.png.
crop_tab() {  # <panel hex> <n>
  local x y
  read -r x y < <(panel_control_centre "$PROGRAM" "$1" "$2")
  import -window root -display "$DISPLAY" -crop "30x41+$((x - 66))+$((y - 20))" +repage "$E2E_WORK/tab$2.png" 2>/dev/null
}
tab_is_built_in() {  # <panel hex> <n>: like tab 5, which has no configured picture
  crop_tab "$1" "$2"
  [ "$(compare -metric AE "$E2E_WORK/tab$2.png" "$E2E_WORK/tab5.png" null: 2>&1)" = 0 ]
}

check_pictures() {  # <panel hex>
  crop_tab "$1" 5
  e2e_check "a tab picture of 20 000 x 20 000 pixels leaves the built-in picture" tab_is_built_in "$1" 1
  e2e_check "a cut-off JPEG leaves the built-in picture" tab_is_built_in "$1" 2
  e2e_log "tab 3 with a cut-off BMP: $(tab_is_built_in "$1" 3 && echo "built-in picture" || echo "a picture of its own")"
}

# Shows the known folder first, then tab <n>, and records what the view lists.
check_tab() {  # <panel hex> <n> <what>
  click_control "$PROGRAM" "$1" 7
  e2e_wait_until 10 panel_shows_item "$1" good-file.txt || e2e_fail "the known folder of tab 7 shows"
  click_control "$PROGRAM" "$1" "$2"
  sleep 2
  e2e_log "tab $2, $3: the view lists $(panel_items "$1" 3 | paste -sd' ')"
  e2e_check "...no crash, no hang, no message" alive_and_quiet "$FOLDER" "$PROGRAM" "$1"
  e2e_screenshot "panel-bad-input-tab$2"
}

FOLDER=$(e2e_new_folder bad-input zero)
make_folder "$FOLDER"
e2e_start_docked "$FOLDER" "$PROGRAM" retry
started=$(e2e_now)
press_top_button
e2e_check "the top button opens the panel" e2e_wait_until 60 panel_rect_is "$PANEL_OPEN_RECT"
PANEL=$(panel_handle)
e2e_check "the folder of 10 000 files is listed whole" e2e_wait_until 60 panel_item_count_is "$PANEL" 10000
e2e_log "...within $(e2e_seconds_between "$started" "$(e2e_now)") s of the top button; first items: $(panel_items "$PANEL" 2 | tail -2 | paste -sd' ')"
e2e_check "...and the program answers" alive_and_quiet "$FOLDER" "$PROGRAM" "$PANEL"
e2e_screenshot panel-bad-input-1-many-files
check_pictures "$PANEL"
check_tab "$PANEL" 2 '"..\outside"'
check_tab "$PANEL" 3 '"C:\windows" (an absolute path)'
check_tab "$PANEL" 4 "a 254-byte folder name"
check_tab "$PANEL" 5 '"config.ini" (a file)'
check_tab "$PANEL" 6 "a missing folder"
wineserver -k; wineserver -w
e2e_finish
