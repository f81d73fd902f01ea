# Helpers of the bash checks that open the side panel (check_dpi.sh, check_message_boxes.sh,
# check_minimised_bar.sh, check_transparent_pictures.sh): the panel seen from outside through
# panel_probe.exe, the bar's top button, the panel's controls.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# At 1280 x 800 pixels and 15 twips to a pixel. The full edition's open spot: 15345 x 4710
# twips (1023 x 314 pixels), right edge 1800 twips (120 pixels) inside the screen's, top
# 12000 - 800 - 4710 = 6490 twips, kept as 433 pixels (bottom edge 53 pixels, 795 twips, inside).
PANEL_OPEN_RECT=137,433,1160,747

panel_init() {
  e2e_init "$@"
  local tool
  for tool in panel_probe.exe write_marker.exe; do
    [ -f "$E2E_BUILD/$tool" ] || e2e_skip "$E2E_BUILD/$tool is missing"
  done
  e2e_korean_locale || e2e_skip "no Korean locale (apt package: locales)"
}

# "window=<hex> visible=<0|1> rect=<l,t,r,b>" of the panel, or "none", from the probe's JSON
# answer {"panel": {"handle", "visible", "rect"} or null}.
panel_state() {
  wine "$E2E_BUILD/panel_probe.exe" --state 2>/dev/null | python3 -c '
import json, sys
panel = json.load(sys.stdin)["panel"]
print("none" if panel is None else "window=%s visible=%d rect=%s" % (
    panel["handle"], panel["visible"], ",".join(map(str, panel["rect"]))))'
}
panel_handle() { panel_state | sed -n 's/^window=\([0-9a-f]*\) .*/\1/p'; }
panel_rect() { panel_state | sed -n 's/.* rect=//p'; }
panel_rect_is() { [ "$(panel_rect)" = "$1" ]; }
panel_hidden() { panel_state | grep -q ' visible=0 '; }

# Image0, the bar's top button: 73 x 23 pixels at 8, 8 in the 89-pixel bar.
press_top_button() {
  xdotool mousemove $((E2E_SCREEN_WIDTH - 89 + 8 + 36)) 19
  sleep 0.2  # Wine gives the press to the window under the pointer once it saw the move
  xdotool click 1
}
click_at() {  # <x> <y> [button]
  xdotool mousemove "$1" "$2"; sleep 0.2
  xdotool click "${3:-1}"
}

# The middle of one of the panel's controls, from the rectangles the system reports for its
# children (in the order the panel creates them: folder tabs 1-7, program buttons 11-13, About 8).
panel_control_centre() {  # <program.exe> <panel hex> <control number>
  local index=$3
  [ "$3" -ge 11 ] && index=$(($3 - 3))
  [ "$3" -eq 8 ] && index=11
  e2e_probe "$1" | HANDLE="$2" INDEX="$index" awk '
    /^window=/ { inpanel = ($1 == "window=" ENVIRON["HANDLE"]); n = 0; next }
    inpanel && /^  child / && ++n == ENVIRON["INDEX"] {
      split(substr($3, 6), r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }'
}
click_control() {  # <program.exe> <panel hex> <control number>
  local x y
  read -r x y < <(panel_control_centre "$@")
  [ -n "$x" ] && click_at "$x" "$y"
}
