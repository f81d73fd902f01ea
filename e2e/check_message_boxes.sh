#!/usr/bin/env bash
# The launcher's message boxes have owners, with real input under Wine:
#  - the exit confirmation is owned by the bar, the About box by the side panel, the start-up
#    refusal by the program's hidden splash window; the owner is disabled while its box is open;
#  - with another program in front, a click on the disabled bar (or panel) brings its box forward;
#  - on Wine's desktop with a taskbar, neither the refusal nor the About box gets a taskbar
#    button of its own (only Start is there).
# Usage: check_message_boxes.sh <windows build folder>
source "$(dirname "$0")/side_panel_lib.sh"
e2e_init "$@"
[ -f "$E2E_BUILD/panel_probe.exe" ] || e2e_skip "$E2E_BUILD/panel_probe.exe is missing"

# The probe line of <program.exe>'s visible message box captioned <caption>.
box_line() { e2e_probe "$1" | CAPTION="$2" awk '/^window=.* visible=1 class=#32770 / &&
  substr($0, index($0, "title=") + 6) == ENVIRON["CAPTION"] { print; exit }'; }
box_shown() { [ -n "$(box_line "$1" "$2")" ]; }
box_handle() { box_line "$1" "$2" | sed -n 's/^window=\([0-9a-f]*\) .*/\1/p'; }
box_owner() { box_line "$1" "$2" | sed -n 's/.* owner=\([0-9a-f]*\) .*/\1/p'; }
notepad_handle() { e2e_probe notepad.exe | sed -n 's/^window=\([0-9a-f]*\) .* visible=1 class=Notepad .*/\1/p' | head -1; }
notepad_in_front() { local n; n=$(notepad_handle); [ -n "$n" ] && e2e_window_has_state "$n" foreground=1; }

# Puts Notepad in front of everything, then clicks at <x> <y> on a window that <caption>'s box
# disabled, and expects the box in front again.
check_click_brings_box() {  # <program.exe> <caption> <x> <y> <what>
  local box notepad
  box=$(box_handle "$1" "$2")
  notepad=$(notepad_handle)
  if [ -z "$notepad" ]; then
    (exec wine notepad >/dev/null 2>&1 &)
    e2e_wait_until 20 eval '[ -n "$(notepad_handle)" ]'
    notepad=$(notepad_handle)
    # In the top left corner, clear of the bar, the panel and the box, which stay clickable.
    wine "$E2E_BUILD/window_probe.exe" --place "$notepad" 0 0 300 200 >/dev/null 2>&1
  fi
  wine "$E2E_BUILD/window_probe.exe" --activate "$notepad" >/dev/null 2>&1
  e2e_check "Notepad is in front of the \"$2\" box" e2e_wait_until 5 notepad_in_front
  click_at "$3" "$4"
  e2e_check "a click on the disabled $5 brings the \"$2\" box forward" e2e_wait_until 5 e2e_window_has_state "$box" foreground=1
}

# Wine's menu loop now and then ends at once in runs of several right-clicks (see
# e2e_open_tray_menu); a person would try again a moment later, and so does the check.
open_tray_menu() {  # <program.exe>
  local round
  for round in 1 2 3; do
    e2e_open_tray_menu "$1" && return 0
    e2e_log "the tray menu did not stay open; trying again in a second"
    sleep 1
  done
  return 1
}

check_owned_boxes() {  # <program.exe> <product title>
  local program=$1 name=${1%.exe} folder bar panel x y
  folder=$(e2e_new_folder "boxes-$name" zero)
  e2e_start_docked "$folder" "$program" retry || { wineserver -k; wineserver -w; return; }
  bar=$(e2e_bar_handle "$program")

  e2e_check "the tray menu opens" open_tray_menu "$program"
  read -r x y < <(e2e_menu_centre "$program")
  click_at "$x" "$y"
  e2e_check "\"종료\" shows the exit confirmation" e2e_wait_until 5 box_shown "$program" Close
  e2e_check "the exit confirmation is owned by the bar ($bar)" test "$(box_owner "$program" Close)" = "$bar"
  e2e_check "...which is disabled while it is open" e2e_window_has_state "$bar" enabled=0
  read -r x y < <(e2e_bar_button_centre 5)
  check_click_brings_box "$program" Close "$x" "$y" bar
  e2e_screenshot "boxes-1-confirmation-forward-$name"
  e2e_click_box_button "$program" Close "&No"
  e2e_check "after No the bar is enabled again" e2e_wait_until 3 e2e_window_has_state "$bar" enabled=1

  press_top_button
  e2e_check "the top button opens the side panel" e2e_wait_until 10 eval '[ -n "$(panel_handle)" ] && ! panel_hidden'
  panel=$(panel_handle)
  [ "$program" = TarnwickLauncher.exe ] && e2e_wait_until 10 panel_rect_is "$PANEL_OPEN_RECT"
  click_control "$program" "$panel" 8
  e2e_check "About shows its box" e2e_wait_until 5 box_shown "$program" "About..."
  e2e_check "the About box is owned by the panel ($panel)" test "$(box_owner "$program" "About...")" = "$panel"
  e2e_check "...which is disabled while it is open, and so is the bar" \
    eval 'e2e_window_has_state "$panel" enabled=0 && e2e_window_has_state "$bar" enabled=0'
  read -r x y < <(panel_control_centre "$program" "$panel" 1)
  check_click_brings_box "$program" "About..." "$x" "$y" panel
  e2e_screenshot "boxes-2-about-forward-$name"
  e2e_click_box_button "$program" "About..." OK
  e2e_check "after OK the panel and the bar are enabled again" \
    e2e_wait_until 3 eval 'e2e_window_has_state "$panel" enabled=1 && e2e_window_has_state "$bar" enabled=1'

  e2e_start "$folder" "$program"
  e2e_check "a second copy shows its refusal" e2e_wait_until 20 box_shown "$program" "$name"
  local owner
  owner=$(box_owner "$program" "$name")
  e2e_check "the refusal is owned by the second copy's hidden splash window ($owner)" \
    eval 'e2e_probe "$program" | grep -q "^window=$owner .* visible=0 class=TarnwickWindow "'
  e2e_click_box_button "$program" "$name" OK
  wineserver -k; wineserver -w
}

# Taskbar buttons that are shown (the Start button is one of them).
taskbar_buttons() {
  e2e_probe_desktop | awk '
    /^window=/ { tray = ($0 ~ / class=Shell_TrayWnd /) }
    tray && /^  child class=Button .* visible=1 / { n++ } END { print n + 0 }'
}
desktop_box_shown() {  # <program.exe> <caption>
  e2e_probe_desktop "$1" | CAPTION="$2" awk '/^window=.* visible=1 class=#32770 / &&
    substr($0, index($0, "title=") + 6) == ENVIRON["CAPTION"] { found = 1 } END { exit !found }'
}
main_window_on_desktop() {
  e2e_probe_desktop "$1" | grep -q "visible=1 class=TarnwickWindow .* title=Tarnwick™ Launcher Second Edition V1.1"
}

# The middle of the side panel's About button on the desktop: the panel's eleventh child (see
# panel_control_centre); the panel is the program's visible window that is not the bar.
desktop_about_centre() {
  e2e_probe_desktop "$1" | BAR="rect=$(e2e_bar_left),0," awk '
    /^window=/ { inpanel = ($0 ~ / visible=1 class=TarnwickWindow / && index($0, ENVIRON["BAR"]) == 0); n = 0; next }
    inpanel && /^  child / && ++n == 11 { split(substr($3, 6), r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }'
}
# Succeeds once the About button is in the same place in two readings half a second apart (the
# full edition's panel slides open), and keeps that place in ABOUT_AT.
about_button_at_rest() {
  local first
  first=$(desktop_about_centre "$1")
  sleep 0.5
  [ -n "$first" ] && [ "$(desktop_about_centre "$1")" = "$first" ] && ABOUT_AT=$first
}

check_no_task_list_entry() {  # <program.exe>
  local program=$1 name=${1%.exe} folder x y
  folder=$(e2e_new_folder "boxes-desktop-refusal-$name" none)
  e2e_start_on_desktop "$folder" "$program"
  e2e_check "the refusal shows on the desktop" e2e_wait_until 30 desktop_box_shown "$program" "$name"
  e2e_check "...without a taskbar button of its own: $(taskbar_buttons) button(s)" test "$(taskbar_buttons)" -eq 1
  e2e_screenshot "boxes-3-refusal-desktop-$name"
  wineserver -k; wineserver -w

  folder=$(e2e_new_folder "boxes-desktop-about-$name" zero)
  e2e_start_ready "$program reaches its main window on the desktop" \
    e2e_start_on_desktop main_window_on_desktop "$folder" "$program" retry || { wineserver -k; wineserver -w; return; }
  e2e_wait_until 10 eval 'e2e_probe_desktop "$program" | grep -q "visible=1 class=TarnwickWindow rect=$(e2e_bar_left),0,"'
  press_top_button
  e2e_check "the side panel opens on the desktop and comes to rest" e2e_wait_until 20 about_button_at_rest "$program"
  read -r x y <<<"$ABOUT_AT"
  click_at "$x" "$y"
  e2e_check "About shows its box on the desktop" e2e_wait_until 5 desktop_box_shown "$program" "About..."
  e2e_check "...without a taskbar button of its own: $(taskbar_buttons) button(s)" test "$(taskbar_buttons)" -eq 1
  e2e_screenshot "boxes-4-about-desktop-$name"
  wineserver -k; wineserver -w
}

check_owned_boxes TarnwickLauncher.exe
check_owned_boxes TarnwickLauncherLE.exe
check_no_task_list_entry TarnwickLauncher.exe
check_no_task_list_entry TarnwickLauncherLE.exe
e2e_finish
