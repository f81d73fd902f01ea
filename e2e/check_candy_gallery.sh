#!/usr/bin/env bash
# The candy gallery under Wine with real X input: the pointer over a gloss button paints its
# Hover face (compared with the simulated platform's painting of the same button) and raises
# MouseEnter, leaving raises MouseLeave and paints the rest face again; press and release
# raise MouseDown, MouseUp, Click; a double click raises DblClick; Tab then Enter raises
# MouseDown, MouseUp, Click on the next button; the disabled button raises none of them; and
# 60 s of pointer sweeps leave the gallery's USER and GDI object counts where they were.
# Screenshots: e2e-artifacts/<build folder name>/gallery_*.png.
# Usage: check_candy_gallery.sh <windows build folder>     Exit: 0 pass, 1 fail, 77 skipped.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
[ -f "$E2E_BUILD/CandyGallery.exe" ] || e2e_skip "$E2E_BUILD/CandyGallery.exe is missing"
probe="$E2E_REPO/build/native/candy_gallery_probe"
[ -x "$probe" ] || e2e_skip "$probe is missing (build the native preset first)"
[ -f "$E2E_BUILD/cursor_probe.exe" ] || e2e_skip "$E2E_BUILD/cursor_probe.exe is missing"
folder="$E2E_WORK/gallery"
mkdir -p "$folder"
cp "$E2E_BUILD/CandyGallery.exe" "$folder/"
log="$folder/events.log"
tolerance=30
soak_seconds=${E2E_GALLERY_SOAK_SECONDS:-60}

(cd "$folder" && exec wine CandyGallery.exe --log events.log >/dev/null 2>&1 &)
e2e_wait_until 60 grep -qsx ready "$log"
e2e_check "the gallery reports its window" grep -qsx ready "$log"
e2e_check "the gallery wrote its description and picture" test -s "$folder/CandyGallery.txt" -a -s "$folder/gem.ico"
[ "$E2E_FAILURES" -eq 0 ] || e2e_finish

# "x y width height" of a button on the screen, from the gallery's log.
place_of() { awk -F'\t' -v n="$1" '$1 == "button" && $2 == n { print $3, $4, $5, $6 }' "$log"; }
centre_of() { read -r x y w h < <(place_of "$1"); echo $((x + w / 2)) $((y + h / 2)); }
away() { xdotool mousemove 1000 700; sleep 0.3; }
move_to() { read -r cx cy < <(centre_of "$1"); xdotool mousemove "$cx" "$cy"; sleep 0.3; }
has_line() { grep -qxF "$1" "$log"; }
lines_now() { wc -l <"$log"; }
# The events of button $2 logged after line $1, without the pointer moves.
events_since() { tail -n +$(($1 + 1)) "$log" | grep -F ": $2" | grep -v '^MouseMove:'; }
expect_events() {  # <description> <first line> <button> <expected lines...>
  local what=$1 since=$2 button=$3; shift 3
  local got expected
  got=$(events_since "$since" "$button")
  expected=$(printf '%s\n' "$@")
  if [ "$got" = "$expected" ]; then e2e_pass "$what"; else
    e2e_fail "$what: expected [$(echo "$expected" | paste -sd'|')] got [$(echo "$got" | paste -sd'|')]"; fi
}
# The average colour of a 5 x 5 box of a screenshot as "r,g,b".
box_colour() {
  convert "$E2E_ARTIFACTS/$1.png" -crop "5x5+$(($2 - 2))+$(($3 - 2))" +repage -scale '1x1!' \
    -format '%[fx:round(255*r)],%[fx:round(255*g)],%[fx:round(255*b)]' info:
}
near() { awk -v a="$1" -v b="$2" -v t="$3" 'BEGIN { split(a, p, ","); split(b, q, ",");
  for (i = 1; i <= 3; i++) { d = p[i] - q[i]; if (d < 0) d = -d; if (d > t) exit 1 } }'; }
# The face of "Hover me" at (10, 16) inside it: left of the caption, below the highlight.
check_face() {  # <screenshot> <state number> <state name>
  local x y w h seen want
  read -r x y w h < <(place_of "Hover me")
  seen=$(box_colour "$1" $((x + 10)) $((y + 16)))
  want=$("$probe" "$folder/CandyGallery.txt" "Hover me" "$2" 10 16)
  e2e_check "$3 face of Hover me: screen $seen, painted by the sim $want" near "$seen" "$want" "$tolerance"
}

normal=$("$probe" "$folder/CandyGallery.txt" "Hover me" 0 10 16)
hover=$("$probe" "$folder/CandyGallery.txt" "Hover me" 3 10 16)
e2e_check "the Normal and Hover faces can be told apart ($normal, $hover)" \
  bash -c "! awk -v a='$normal' -v b='$hover' -v t=$((2 * tolerance)) 'BEGIN { split(a, p, \",\"); split(b, q, \",\"); for (i = 1; i <= 3; i++) { d = p[i] - q[i]; if (d < 0) d = -d; if (d > t) exit 1 } }'"

away
e2e_screenshot gallery_normal
check_face gallery_normal 0 Normal
move_to "Hover me"
e2e_check "MouseEnter is raised over Hover me" e2e_wait_until 5 has_line "MouseEnter: Hover me"
sleep 0.5
e2e_screenshot gallery_hover
check_face gallery_hover 3 Hover
# The gallery's window alone, hovered: the picture of the README.
for window in $(e2e_visible_windows CandyGallery.exe); do
  convert "$E2E_ARTIFACTS/gallery_hover.png" -crop "$(e2e_geometry "$window")" +repage \
    "$E2E_ARTIFACTS/gallery_window_hover.png"
done
away
e2e_check "MouseLeave is raised when the pointer leaves" e2e_wait_until 5 has_line "MouseLeave: Hover me"
sleep 0.5
e2e_screenshot gallery_left
check_face gallery_left 0 "Normal again"

move_to "Style 2"
e2e_wait_until 5 has_line "MouseEnter: Style 2"
since=$(lines_now)
xdotool click 1
e2e_wait_until 5 has_line "Click: Style 2"
expect_events "press and release raise MouseDown, MouseUp, Click" "$since" "Style 2" \
  "MouseDown: Style 2 (button 1, shift 0, x 75, y 24)" "MouseUp: Style 2 (button 1, shift 0, x 75, y 24)" \
  "Click: Style 2"
sleep 0.8  # longer than the double-click time: the next press starts a new pair
since=$(lines_now)
xdotool click --repeat 2 --delay 60 1
e2e_wait_until 5 has_line "DblClick: Style 2"
expect_events "a double click raises DblClick" "$since" "Style 2" \
  "MouseDown: Style 2 (button 1, shift 0, x 75, y 24)" "MouseUp: Style 2 (button 1, shift 0, x 75, y 24)" \
  "Click: Style 2" "DblClick: Style 2" "MouseUp: Style 2 (button 1, shift 0, x 75, y 24)"
since=$(lines_now)
xdotool key Tab
sleep 0.3
xdotool key Return
e2e_wait_until 5 has_line "Click: Style 3"
expect_events "Tab then Enter raises MouseDown, MouseUp, Click on the next button" "$since" "Style 3" \
  "MouseDown: Style 3 (button 1, shift 0, x 0, y 0)" "MouseUp: Style 3 (button 1, shift 0, x 0, y 0)" \
  "Click: Style 3"
e2e_screenshot gallery_keyboard

# The pointer shown over the hand-pointer button is the system's hand, elsewhere the arrow.
shown_cursor() { wine "$E2E_BUILD/cursor_probe.exe" 2>/dev/null | "$E2E_PYTHON" -c 'import json, sys; print(hex(json.load(sys.stdin)["cursor"]))'; }
hand=$(sed -n 's/^cursors hand=\([^ ]*\) .*/\1/p' "$log")
arrow=$(sed -n 's/^cursors .* arrow=\(.*\)$/\1/p' "$log")
move_to "Hand pointer"
xdotool mousemove_relative 1 1
sleep 0.3
over_hand=$(shown_cursor)
move_to "Style 0"
xdotool mousemove_relative 1 1
sleep 0.3
over_plain=$(shown_cursor)
e2e_check "the hand is shown over Hand pointer ($over_hand, the hand is $hand)" test -n "$hand" -a "$over_hand" = "$hand"
e2e_check "the arrow is shown over Style 0 ($over_plain, the arrow is $arrow)" test -n "$arrow" -a "$over_plain" = "$arrow"

move_to "Disabled"
e2e_check "the disabled button still raises MouseEnter" e2e_wait_until 5 has_line "MouseEnter: Disabled"
since=$(lines_now)
xdotool click 1
sleep 0.3
xdotool click --repeat 2 --delay 60 1
xdotool key Return
xdotool mousemove_relative 3 2
sleep 1
expect_events "the disabled button raises no click, press, release or move events" "$since" "Disabled"
away
e2e_check "the disabled button still raises MouseLeave" e2e_wait_until 5 has_line "MouseLeave: Disabled"

# Pointer sweeps over every row of buttons, left to right and back.
counts() { grep '^objects ' "$log" | tail -1 | sed -n 's/^objects user=\([0-9]*\) gdi=\([0-9]*\).*/\1 \2/p'; }
rows=$(awk -F'\t' '$1 == "button" { print $4 + $6 / 2 }' "$log" | sort -un)
read -r left _ < <(place_of "Style 0")
read -r right _ width _ < <(place_of "Style 3")
right=$((right + width))
enters_before=$(grep -c '^MouseEnter:' "$log")
start=$(date +%s)
baseline=""
while [ $(($(date +%s) - start)) -lt "$soak_seconds" ]; do
  for row in $rows; do
    for x in $(seq "$left" 23 "$right") $(seq "$right" -29 "$left"); do
      xdotool mousemove "$x" "$row"
    done
  done
  [ -z "$baseline" ] && [ $(($(date +%s) - start)) -ge 10 ] && { sleep 2.2; baseline=$(counts); }
done
away
sleep 4.5
final=$(counts)
enters=$(($(grep -c '^MouseEnter:' "$log") - enters_before))
e2e_log "soak of ${soak_seconds}s: $enters pointer entries; objects after 10 s: $baseline; at the end: $final"
grep '^objects ' "$log" | tail -1 | sed 's/^/[counts] /'
e2e_check "the sweeps entered buttons many times ($enters)" test "$enters" -ge 40
read -r user0 gdi0 <<<"$baseline"
read -r user1 gdi1 <<<"$final"
e2e_check "object counts were measured ($baseline / $final)" test -n "$gdi0" -a -n "$gdi1" -a "${gdi0:-0}" -gt 0
e2e_check "USER objects did not grow ($user0 -> $user1)" test "${user1:-1}" -le "${user0:-0}"
e2e_check "GDI objects did not grow ($gdi0 -> $gdi1)" test "${gdi1:-1}" -le "${gdi0:-0}"
e2e_screenshot gallery_after_soak
e2e_finish
