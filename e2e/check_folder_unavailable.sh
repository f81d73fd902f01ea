#!/usr/bin/env bash
# Folder tabs whose location is no folder, under Wine with real input, in both editions: after a
# tab with a real folder, a tab naming a missing folder, one naming a file and one without its key
# each empty the view (none of the folder before is listed) and show, inside the pane, that the
# location is not available, the location and the system's text for the reason, without a
# message; the next tab with a real folder lists that folder again.
# Usage: check_folder_unavailable.sh <windows build folder>
source "$(dirname "$0")/side_panel_lib.sh"
panel_init "$@"
HEADING="위치를 사용할 수 없습니다."
MISSING_VALUE="값이 없습니다."

# The notice in the panel's folder pane, lines joined by "|", or nothing while a folder shows.
pane_notice() {  # <program.exe> <panel hex>
  e2e_probe "$1" | HANDLE="$2" HEADING="$HEADING" awk '
    /^window=/ { inpanel = ($1 == "window=" ENVIRON["HANDLE"]); next }
    inpanel && /^  child class=TarnwickControl / {
      text = substr($0, index($0, "text=") + 5)
      if (index(text, ENVIRON["HEADING"]) == 1) { gsub(/\\r\\n/, "|", text); gsub(/\\\\/, "\\", text); print text; exit } }'
}
notice_is_shown() { [ -n "$(pane_notice "$1" "$2")" ]; }
no_notice() { [ -z "$(pane_notice "$1" "$2")" ]; }
# The view lists nothing of the folder before: it has no list at all, or one without that item.
lists_nothing_of() {  # <panel hex> <item>
  ! panel_shows_item "$1" "$2"
}

check_tab() {  # <program.exe> <panel hex> <tab> <location> <what> <name>
  local program=$1 panel=$2 notice reason
  click_control "$program" "$panel" "$3"
  e2e_check "$5: the pane says the location is not available" e2e_wait_until 10 notice_is_shown "$program" "$panel"
  notice=$(pane_notice "$program" "$panel")
  e2e_log "the pane says: $notice"
  reason=${notice#"$HEADING|$4|"}
  e2e_check "...with the location $4" test "${notice%%"|$reason"}" = "$HEADING|$4"
  e2e_check "...and the system's reason ($reason)" test -n "$reason" -a "$reason" != "$notice"
  e2e_check "...none of the folder before is listed" lists_nothing_of "$panel" docs-file.txt
  e2e_check "...no message, the program answers" alive_and_quiet "$FOLDER" "$program" "$panel"
  e2e_screenshot "folder-unavailable-tab$3-$6"
  click_control "$program" "$panel" 5
  e2e_check "the next tab with a real folder lists it" e2e_wait_until 10 panel_shows_item "$panel" docs-file.txt
  e2e_check "...and the notice is gone" no_notice "$program" "$panel"
  e2e_screenshot "folder-unavailable-tab$3-then-5-$6"
}

check_edition() {  # <program.exe> <open rect>
  local program=$1 name=${1%.exe} panel windows_folder
  FOLDER=$(e2e_new_folder "unavailable-$name" zero)
  mkdir "$FOLDER/docs"
  : >"$FOLDER/docs/docs-file.txt"
  echo "not a folder" >"$FOLDER/notes.txt"
  panel_config "$FOLDER" PUrl1=docs PUrl2=gone PUrl3=notes.txt PUrl5=docs
  windows_folder=$(winepath -w "$FOLDER" 2>/dev/null)
  e2e_start_docked "$FOLDER" "$program" retry
  press_top_button
  e2e_check "the top button opens the panel" e2e_wait_until 60 panel_rect_is "$2"
  panel=$(panel_handle)
  e2e_check "the panel opens with the folder of PUrl1" e2e_wait_until 10 panel_shows_item "$panel" docs-file.txt
  check_tab "$program" "$panel" 2 "$windows_folder\\gone\\" "a missing folder" "$name"
  check_tab "$program" "$panel" 3 "$windows_folder\\notes.txt\\" "a file" "$name"
  check_tab "$program" "$panel" 4 "$windows_folder\\$MISSING_VALUE\\" "a missing key" "$name"
  wineserver -k; wineserver -w
}

check_edition TarnwickLauncher.exe "$PANEL_OPEN_RECT"
check_edition TarnwickLauncherLE.exe "$PANEL_LE_RECT"
e2e_finish
