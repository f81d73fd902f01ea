#!/usr/bin/env bash
# Both programs stay out of the task list: on Wine's virtual desktop with a taskbar, the
# launcher's main window gets no taskbar button, while an ordinary program (Notepad, started
# beside it as a control) does.
# Usage: check_task_list.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

# Taskbar buttons that are shown (the Start button is one of them).
taskbar_buttons() {
  e2e_probe_desktop | awk '
    /^window=/ { tray = ($0 ~ / class=Shell_TrayWnd /) }
    tray && /^  child class=Button .* visible=1 / { n++ } END { print n + 0 }'
}
main_window_on_desktop() {
  e2e_probe_desktop "$1" | grep -q "visible=1 class=TarnwickWindow .* title=Tarnwick™ Launcher Second Edition V1.1"
}
buttons_are() { [ "$(taskbar_buttons)" -eq "$1" ]; }

check_task_list() {  # <program.exe>
  local program=$1 name=${1%.exe} folder
  folder=$(e2e_new_folder "task-list-$name" zero)
  e2e_start_ready "$program reaches its main window on the desktop" \
    e2e_start_on_desktop main_window_on_desktop "$folder" "$program" retry || { wineserver -k; wineserver -w; return; }
  e2e_check "the taskbar shows no button for it (only Start): $(taskbar_buttons)" buttons_are 1
  e2e_screenshot "task-list-1-launcher-alone-$name"
  e2e_start_on_desktop "$folder" notepad
  e2e_check "an ordinary program beside it gets a button" e2e_wait_until 20 buttons_are 2
  e2e_screenshot "task-list-2-beside-notepad-$name"
  wineserver -k; wineserver -w
}

check_task_list TarnwickLauncher.exe
check_task_list TarnwickLauncherLE.exe
e2e_finish
