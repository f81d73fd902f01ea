# The sample program folder: its skin pictures (sample/image), the folders its side panel
# tabs show, and config.ini in code page 949. Sourced.

# Launch buttons 001 .. 024: glyph | accent | label | command line (empty: no "source" key).
# Every command is a program that both Windows and Wine keep on the search path.
readonly LAUNCH_BUTTONS=(
  "page|$ACCENT_FILES|Notepad|notepad.exe"
  "pencil|$ACCENT_FILES|Write|write.exe"
  "terminal|$ACCENT_SHELL|Cmd|cmd.exe"
  "folder|$ACCENT_FOLDERS|Explorer|explorer.exe"
  "chart|$ACCENT_SYSTEM|Task Mgr|taskmgr.exe"
  "cubes|$ACCENT_SYSTEM|Regedit|regedit.exe"
  "sliders|$ACCENT_CONTROL|Control|control.exe"
  "info|$ACCENT_SYSTEM|Winver|winver.exe"
  "gear|$ACCENT_FILES|Win.ini|notepad.exe C:\\Windows\\win.ini"
  "drive|$ACCENT_FOLDERS|Drive C|explorer.exe C:\\"
  "window|$ACCENT_FOLDERS|Windows|explorer.exe C:\\Windows"
  "fonts|$ACCENT_FILES|Fonts|explorer.exe C:\\Windows\\Fonts"
  "box|$ACCENT_CONTROL|Programs|control.exe appwiz.cpl"
  "globe|$ACCENT_CONTROL|Net Opts|control.exe inetcpl.cpl"
  "gamepad|$ACCENT_CONTROL|Gamepad|control.exe joy.cpl"
  "network|$ACCENT_NETWORK|IP Config|cmd.exe /k ipconfig /all"
  "radar|$ACCENT_NETWORK|Ping|cmd.exe /k ping 127.0.0.1"
  "list|$ACCENT_SHELL|Tasks|cmd.exe /k tasklist"
  "monitor|$ACCENT_SYSTEM|Sys Info|cmd.exe /k systeminfo"
  "person|$ACCENT_SHELL|Whoami|cmd.exe /k whoami"
  "braces|$ACCENT_SHELL|Env Vars|cmd.exe /k set"
  "||Free|"
  "||Free|"
  "||Free|"
)

# Folder tabs 1 .. 7: label | folder inside the program folder (PUrl1 .. PUrl7).
readonly FOLDER_TABS=(
  "Docs|docs" "Notes|notes" "Tools|tools" "Links|links"
  "Skin|image" "Shared|shared" "Archive|archive"
)

# Program buttons 1 .. 3 of the side panel: glyph | accent | label | command (PXUrl1 .. PXUrl3).
readonly PANEL_PROGRAMS=(
  "page|$ACCENT_FILES|Notepad|notepad.exe"
  "terminal|$ACCENT_SHELL|Console|cmd.exe"
  "chart|$ACCENT_SYSTEM|Task Mgr|taskmgr.exe"
)

make_sample_buttons() {
  local dir="$1" n glyph accent label command
  for n in "${!LAUNCH_BUTTONS[@]}"; do
    IFS='|' read -r glyph accent label command <<<"${LAUNCH_BUTTONS[$n]}"
    if [ -n "$glyph" ]; then
      launch_tile "$dir/$(printf 'btn%02d.jpg' $((n + 1)))" "$glyph" "$accent" "$label"
    else
      empty_tile "$dir/$(printf 'btn%02d.jpg' $((n + 1)))"
    fi
  done
  for n in "${!PANEL_PROGRAMS[@]}"; do
    IFS='|' read -r glyph accent label command <<<"${PANEL_PROGRAMS[$n]}"
    launch_tile "$dir/prog$((n + 1)).jpg" "$glyph" "$accent" "$label"
  done
  for n in "${!FOLDER_TABS[@]}"; do
    IFS='|' read -r label command <<<"${FOLDER_TABS[$n]}"
    folder_tab "$dir/tab$((n + 1)).jpg" "$label" "$ACCENT_FOLDERS"
  done
}

# One small readme per folder that a tab shows, so that the folder exists in the repository;
# the first folder's readme also lists what the launch buttons start.
make_sample_folders() {
  local root="$1" entry label folder
  for entry in "${FOLDER_TABS[@]}"; do
    IFS='|' read -r label folder <<<"$entry"
    [ "$folder" = image ] && continue
    mkdir -p "$root/$folder"
    printf '%s\r\n' "$label" "" \
      "This folder is shown by the side panel tab \"$label\" of the sample launcher." \
      "Put files here to see them in the panel's folder view." >"$root/$folder/readme.txt"
  done
  launch_button_list >>"$root/docs/readme.txt"
}

launch_button_list() {
  local n glyph accent label command
  printf '\r\nLaunch buttons of the sample bar (config.ini, sections 001 to 024):\r\n'
  for n in "${!LAUNCH_BUTTONS[@]}"; do
    IFS='|' read -r glyph accent label command <<<"${LAUNCH_BUTTONS[$n]}"
    printf '  %02d  %-9s %s\r\n' $((n + 1)) "$label" "${command:-(starts nothing)}"
  done
}

make_sample() {
  local root="$1"
  make_sample_buttons "$root/image"
  make_bar_background "$root/image/bg1.jpg"
  make_panel_background "$root/image/bg2.jpg"
  make_sample_folders "$root"
  write_config_ini "$root/config.ini"
}
