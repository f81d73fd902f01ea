# config.ini of the sample program folder, written in code page 949 with CRLF line ends,
# the way a Korean Windows system's INI functions read it. Sourced.

config_ini_lines() {
  local n glyph accent label command folder
  echo '; 타른윅 런처 예제 설정 (코드 페이지 949)'
  echo '; Sample configuration: every section and key the launcher reads.'
  echo '; Sections 022, 023 and 024 deliberately have no source key: their buttons start nothing.'
  printf '%s\n' '[option1]' 'transparency=230' '[BG1]' 'image=bg1.jpg'
  for n in "${!LAUNCH_BUTTONS[@]}"; do
    IFS='|' read -r glyph accent label command <<<"${LAUNCH_BUTTONS[$n]}"
    printf '[%03d]\nimage=btn%02d.jpg\n' $((n + 1)) $((n + 1))
    [ -z "$command" ] || printf 'source=%s\n' "$command"
  done
  printf '%s\n' '[BG2]' 'image=bg2.jpg' '[Tarnwick™]'
  for n in "${!FOLDER_TABS[@]}"; do
    IFS='|' read -r label folder <<<"${FOLDER_TABS[$n]}"
    printf 'Pimg%d=tab%d.jpg\nPUrl%d=%s\n' $((n + 1)) $((n + 1)) $((n + 1)) "$folder"
  done
  for n in "${!PANEL_PROGRAMS[@]}"; do
    IFS='|' read -r glyph accent label command <<<"${PANEL_PROGRAMS[$n]}"
    printf 'PXimg%d=prog%d.jpg\nPXUrl%d=%s\n' $((n + 1)) $((n + 1)) $((n + 1)) "$command"
  done
}

write_config_ini() {
  local out="$1"
  config_ini_lines | sed 's/$/\r/' | iconv -f UTF-8 -t CP949 >"$out"
}
