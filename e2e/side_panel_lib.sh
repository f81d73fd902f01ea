# Helpers of the side panel checks (check_side_panel*.sh): the panel seen from outside through
# panel_probe.exe, the bar's top button, config.ini written in code page 949 as a Korean Windows
# reads it, and the analysis of the panel's rectangle sampled over time.
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"

# At 1280 x 800 pixels and 15 twips to a pixel. The full edition's open spot: 15345 x 4710
# twips (1023 x 314 pixels), right edge 1800 twips (120 pixels) inside the screen's, top
# 12000 - 800 - 4710 = 6490 twips, kept as 433 pixels (bottom edge 53 pixels, 795 twips, inside).
PANEL_OPEN_RECT=137,433,1160,747
# The LE edition's fixed spot: left 19200 - 15340 - 500 - 1335 = 2025 twips (135 pixels),
# 15340 twips wide (1023 pixels), the same height and bottom margin.
PANEL_LE_RECT=135,433,1158,747

panel_init() {
  e2e_init "$@"
  WATCH=$E2E_WORK/watch.txt
  local tool
  for tool in panel_probe.exe write_marker.exe; do
    [ -f "$E2E_BUILD/$tool" ] || e2e_skip "$E2E_BUILD/$tool is missing"
  done
  e2e_korean_locale || e2e_skip "no Korean locale (apt package: locales)"
}

# The probe's JSON answers (one a line) as the lines these helpers read: "window=<hex>
# visible=<0|1> rect=<l,t,r,b>" or "none" for a panel, "t=<ms> " before a sample, "ready",
# "count=<n>" and "item=<text>" lines, "<x> <y>" for a point, "posted=<n>".
panel_lines() {
  python3 -c '
import json, sys
def panel(p):
    if p is None:
        return "none"
    return "window=%s visible=%d rect=%s" % (p["handle"], p["visible"], ",".join(map(str, p["rect"])))
for line in sys.stdin:
    if not line.strip():
        continue
    d = json.loads(line)
    if "ready" in d:
        print("ready")
    elif "t" in d:
        print("t=%d %s" % (d["t"], panel(d["panel"])))
    elif "panel" in d:
        print(panel(d["panel"]))
    elif "items" in d and d["count"] is not None:
        print("count=%d" % d["count"])
        for item in d["items"]:
            print("item=" + item)
    elif d.get("centre"):
        print("%d %d" % tuple(d["centre"]))
    elif "posted" in d:
        print("posted=%d" % d["posted"])
'
}
panel_probe() { wine "$E2E_BUILD/panel_probe.exe" "$@" 2>/dev/null | tr -d '\r' | panel_lines; }
# Runs panel_probe.exe for its exit status only (--close, --responds).
panel_act() { wine "$E2E_BUILD/panel_probe.exe" "$@" >/dev/null 2>&1; }
# "window=<hex> visible=<0|1> rect=<l,t,r,b>" of the panel, or "none".
panel_state() { panel_probe --state; }
panel_handle() { panel_state | sed -n 's/^window=\([0-9a-f]*\) .*/\1/p'; }
panel_rect() { panel_state | sed -n 's/.* rect=//p'; }
panel_rect_is() { [ "$(panel_rect)" = "$1" ]; }
panel_hidden() { panel_state | grep -q ' visible=0 '; }
panel_gone() { [ "$(panel_state)" = none ]; }

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

# panel_config <folder> <key=value>...: config.ini with those keys in section "Tarnwick™".
panel_config() {
  local folder=$1; shift
  { printf '[Tarnwick™]\r\n'; printf '%s\r\n' "$@"; } | iconv -f UTF-8 -t CP949 >"$folder/config.ini"
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

# The folder view's item texts, one per line (at most <max>), after a "count=<n>" line.
panel_items() { panel_probe --items "$1" "${2:-100}"; }
panel_shows_item() { panel_items "$1" | grep -qx "item=$2"; }
panel_item_count_is() { [ "$(panel_items "$1" 0 | sed -n 's/^count=//p')" = "$2" ]; }

# No message box of <program.exe> is on the screen.
no_box() { ! e2e_probe "$1" | grep -q "^window=.* visible=1 class=#32770 "; }
running() { [ "$(e2e_program_count "$1" "$2")" -eq 1 ]; }  # <folder> <program.exe>
ended() { [ "$(e2e_program_count "$1" "$2")" -eq 0 ]; }
runs_quietly() { running "$1" "$2" && no_box "$2"; }  # <folder> <program.exe>: running, no message
alive_and_quiet() {  # <folder> <program.exe> <panel hex>: also the panel answers
  runs_quietly "$1" "$2" && panel_act --responds "$3"
}

# Samples the panel in the background into <file> until <max ms> have passed, or <quiet ms>
# after the last change; returns once sampling runs.
panel_watch_start() {  # <file> <max ms> <quiet ms>
  : >"$1"
  # Straight into the file: a filter on the way would hold the lines back until the end.
  wine "$E2E_BUILD/panel_probe.exe" --watch "$2" "$3" >"$1" 2>/dev/null &
  PANEL_WATCH_PID=$!
  e2e_wait_until 20 grep -q '"ready"' "$1"
}
panel_watch_wait() {
  wait "$PANEL_WATCH_PID"
  tr -d '\r' <"$1" | panel_lines >"$1.lines"
  mv "$1.lines" "$1"
}

# What a sampled run shows, as key=value words:
#   sizes=<distinct sizes while visible> rects=<distinct rectangles while visible>
#   first=<first visible rect> last=<last rect seen>
#   last_visible=<0|1> grew=<1: widths and heights never fell, but to the last size seen: the
#   opening's last tick sets the final width, which one step can have passed, before it moves
#   the panel, and a sample may fall between the two> shrank=<1: never rose>
#   ms=<time from the first to the last visible change> gone=<1: the panel ended up not existing>
#   before_gone=<the last rect seen before it stopped existing>
panel_watch_summary() {
  awk '
    /^t=/ { t = substr($1, 3) + 0 }
    / none$/ { if (seen) { gone = 1; before = last } next }
    / window=/ {
      split(substr($4, 6), r, ","); w = r[3] - r[1]; h = r[4] - r[2]; vis = substr($3, 9)
      last = substr($4, 6); last_visible = vis; seen = 1; gone = 0
      if (vis != 1) next
      if (first == "") { first = last; start = t }
      if (!((w "x" h) in size)) { size[w "x" h] = 1; sizes++ }
      if (!(last in rect)) { rect[last] = 1; rects++ }
      if (pw != "" && (w < pw || h < ph)) fell_to[w "x" h] = 1
      if (pw != "" && (w > pw || h > ph)) rose = 1
      pw = w; ph = h; end = t
    }
    END {
      for (s in fell_to) if (s != pw "x" ph) fell = 1
      printf "sizes=%d rects=%d first=%s last=%s last_visible=%s grew=%d shrank=%d ms=%d gone=%d before_gone=%s\n",
          sizes, rects, first, last, last_visible, !fell, !rose, end - start, gone, before }' "$1"
}
# panel_summary_value <summary> <key>
panel_summary_value() { echo "$1" | tr ' ' '\n' | sed -n "s/^$2=//p"; }

# watched <screenshot> <max ms> <quiet ms> <command...>: runs the command while the panel is
# sampled into $WATCH, takes a screenshot during the movement, keeps the samples beside it and
# prints their summary.
watched() {
  local shot=$1 max=$2 quiet=$3
  shift 3
  panel_watch_start "$WATCH" "$max" "$quiet"
  "$@"
  sleep 0.6
  e2e_screenshot "$shot" >&2
  panel_watch_wait "$WATCH"
  cp "$WATCH" "$E2E_ARTIFACTS/$shot.samples.txt"
  panel_watch_summary "$WATCH"
}
# A value of the summary in $SUMMARY.
value() { panel_summary_value "$SUMMARY" "$1"; }
size_of() { echo "$1" | awk -F, '{ print $3 - $1 "x" $4 - $2 }'; }
# The middle of the button whose text matches <regex> in the visible box of <program.exe>
# titled <caption>.
box_button_centre() {  # <program.exe> <caption> <regex>
  e2e_probe "$1" | CAPTION="$2" PATTERN="$3" awk '
    /^window=/ { inbox = ($0 ~ /visible=1 class=#32770 / && substr($0, index($0, "title=") + 6) == ENVIRON["CAPTION"]) }
    inbox && $0 ~ /^  child class=Button / && substr($0, index($0, "text=") + 5) ~ ENVIRON["PATTERN"] {
      split(substr($3, 6), r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }'
}
box_shows() {  # <program.exe> <caption>
  e2e_probe "$1" | CAPTION="$2" awk '/^window=.* visible=1 class=#32770 / && substr($0, index($0, "title=") + 6) == ENVIRON["CAPTION"] { found = 1 } END { exit !found }'
}

tray_icon_gone() { [ -z "$(e2e_tray_icon_centre)" ]; }

# Exit through the tray: right-click on the icon, "종료", then Yes in the confirmation.
# Sets EXIT_ICON, EXIT_ITEM and EXIT_YES to the "x y" of the three clicks.
exit_from_tray() {  # <program.exe> <screenshot prefix>
  local icon_x icon_y x y
  read -r icon_x icon_y < <(e2e_tray_icon_centre)
  EXIT_ICON="$icon_x $icon_y"
  e2e_check "a right-click on the tray icon opens the menu" e2e_open_tray_menu "$1"
  read -r x y < <(e2e_menu_centre "$1")
  EXIT_ITEM="$x $y"
  click_at "$x" "$y"
  e2e_check "\"종료\" asks for confirmation" e2e_wait_until 10 box_shows "$1" Close
  e2e_screenshot "$2-confirmation"
  read -r x y < <(box_button_centre "$1" Close '&Y')
  EXIT_YES="$x $y"
  e2e_log "exit clicks: icon $EXIT_ICON, item $EXIT_ITEM, Yes $EXIT_YES"
  click_at "$x" "$y"
}

# The X window under the pointer.
pointer_window() { xdotool getmouselocation --shell | sed -n 's/^WINDOW=//p'; }
pointer_window_is_not() { [ "$(pointer_window)" != "$1" ]; }

# The top button, then the three clicks of the exit, each as soon as what it clicks is on the
# screen, at the places exit_from_tray found (the menu opens at the pointer and the confirmation
# at the screen's middle, so they are the same each time). A new X window under the pointer at
# the icon says that the menu is up, one at the Yes button that the confirmation is: fixed waits
# long enough for a loaded machine would let a quick one finish the opening first.
press_top_button_and_exit_quickly() {
  local under_icon under_yes
  # shellcheck disable=SC2086
  {
    xdotool mousemove $EXIT_YES; under_yes=$(pointer_window)
    xdotool mousemove $EXIT_ICON; under_icon=$(pointer_window)
    xdotool mousemove $((E2E_SCREEN_WIDTH - 89 + 8 + 36)) 19 sleep 0.1 click 1 \
      mousemove $EXIT_ICON sleep 0.05 click 3
    e2e_wait_until 3 pointer_window_is_not "$under_icon"
    xdotool mousemove $EXIT_ITEM sleep 0.05 click 1 mousemove $EXIT_YES
    e2e_wait_until 3 pointer_window_is_not "$under_yes"
    xdotool sleep 0.05 click 1
  }
}
