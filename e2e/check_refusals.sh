#!/usr/bin/env bash
# The two start-up refusals of both programs, under Wine:
#  - no config.ini: a message box with the exact refusal, captioned with the program's name, is
#    the only window the program shows; after OK the program ends;
#  - a second copy started while the first runs: its refusal box, then it ends; the first copy
#    keeps running and reaches its main window;
#  - no config.ini while another copy runs: only the config.ini refusal;
#  - two copies started at the same moment: exactly one runs, the other refuses.
# Usage: check_refusals.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

NO_CONFIG_TEXT='config.ini 를 찾을수가 없습니다.\r\n\r\n프로그램을 종료합니다.'
ALREADY_RUNNING_TEXT='프로그램이 이미 실행중 입니다.'

# Succeeds once the box captioned $2 of program $1 is shown; records every other window of the
# program seen meanwhile in $OTHERS.
box_shown_alone() {
  local window
  for window in $(e2e_visible_windows "$1"); do
    [ "$(e2e_window_name "$window")" = "$2" ] && return 0
    echo "$window $(e2e_geometry "$window") $(e2e_window_name "$window")" >>"$OTHERS"
  done
  return 1
}

# The probe line of the box and its static text, as the system holds them.
box_has_text() {  # <program.exe> <caption> <text>
  # Through the environment: awk -v would turn the \r\n of the expected text into line breaks.
  e2e_probe "$1" | CAPTION="$2" TEXT="$3" awk '
    /^window=/ { inbox = ($0 ~ /visible=1 class=#32770 / && substr($0, index($0, "title=") + 6) == ENVIRON["CAPTION"]) }
    inbox && $0 ~ /^  child class=Static / && substr($0, index($0, "text=") + 5) == ENVIRON["TEXT"] { found = 1 }
    END { exit !found }'
}

no_program_running() { [ "$(e2e_program_count "$1" "$2")" -eq 0 ]; }
copies_running() { [ "$(e2e_program_count "$1" "$2")" -eq "$3" ]; }
splash_or_main_visible() { [ -n "$(e2e_visible_windows "$1")" ]; }
main_window_visible() {
  local window
  for window in $(e2e_visible_windows "$1"); do
    [[ "$(e2e_window_name "$window")" == "Tarnwick™ Launcher Second Edition V1.1"* ]] && return 0
  done
  return 1
}

check_missing_config() {  # <program.exe>
  local program=$1 name=${1%.exe} folder
  folder=$(e2e_new_folder "no-config-$name" none)
  OTHERS="$E2E_WORK/others-$name"; : >"$OTHERS"
  e2e_start "$folder" "$program"
  e2e_check "$program without config.ini shows its refusal box" e2e_wait_until 20 box_shown_alone "$program" "$name"
  e2e_check "the box says the config.ini refusal" box_has_text "$program" "$name" "$NO_CONFIG_TEXT"
  e2e_check "the box is the only window the program shows" test "$(e2e_probe "$program" | grep -c '^window=.* visible=1 ')" -eq 1
  e2e_screenshot "refusal-no-config-$name"
  e2e_click_box_button "$program" "$name" OK
  e2e_check "$program ends after OK" e2e_wait_until 10 no_program_running "$folder" "$program"
  e2e_check "no other window appeared" test ! -s "$OTHERS"
}

check_second_copy() {  # <program.exe>
  local program=$1 name=${1%.exe} folder lonely
  folder=$(e2e_new_folder "second-copy-$name" zero)
  e2e_start "$folder" "$program"
  e2e_check "first copy of $program shows its splash" e2e_wait_until 20 splash_or_main_visible "$program"
  e2e_start "$folder" "$program"
  OTHERS=/dev/null
  e2e_check "second copy shows its refusal box" e2e_wait_until 20 box_shown_alone "$program" "$name"
  e2e_check "the box says the already-running refusal" box_has_text "$program" "$name" "$ALREADY_RUNNING_TEXT"
  e2e_screenshot "refusal-second-copy-$name"

  lonely=$(e2e_new_folder "lonely-$name" none)
  e2e_start "$lonely" "$program"
  e2e_check "a copy without config.ini refuses for config.ini, not for the running copy" \
    e2e_wait_until 20 box_has_text "$program" "$name" "$NO_CONFIG_TEXT"
  e2e_check "...and shows no already-running box of its own" test "$(e2e_probe "$program" | grep -c 'class=#32770')" -eq 2
  e2e_click_box_button "$program" "$name" OK
  e2e_check "the refused copies end" e2e_wait_until 10 no_program_running "$lonely" "$program"
  e2e_check "...leaving the first copy running" e2e_wait_until 10 copies_running "$folder" "$program" 1
  e2e_check "the first copy reaches its main window" e2e_wait_until 20 main_window_visible "$program"
  e2e_screenshot "refusal-second-copy-first-runs-on-$name"
  wineserver -k; wineserver -w
}

boxes_of() { e2e_probe "$1" | grep -c 'visible=1 class=#32770' || true; }

check_simultaneous_starts() {  # <program.exe>
  local program=$1 name=${1%.exe} folder
  folder=$(e2e_new_folder "together-$name" zero)
  e2e_start "$folder" "$program"
  e2e_start "$folder" "$program"
  OTHERS=/dev/null
  e2e_check "of two copies of $program started together, one refuses" \
    e2e_wait_until 20 box_has_text "$program" "$name" "$ALREADY_RUNNING_TEXT"
  sleep 1
  e2e_check "...and only one" test "$(boxes_of "$program")" -eq 1
  e2e_click_box_button "$program" "$name" OK
  e2e_check "...which ends, while the other runs on" e2e_wait_until 10 copies_running "$folder" "$program" 1
  e2e_check "the copy that runs reaches its main window" e2e_wait_until 20 main_window_visible "$program"
  wineserver -k; wineserver -w
}

for program in TarnwickLauncher.exe TarnwickLauncherLE.exe; do
  check_missing_config "$program"
  check_second_copy "$program"
  check_simultaneous_starts "$program"
done
e2e_finish
