# The built-in pictures compiled into the programs (assets/design). Sourced.

make_design() {
  local dir="$1" n
  menu_button "$dir/main_top_button.jpg"
  for n in $(seq 1 24); do
    number_tile "$dir/$(printf 'main_launch_%02d.jpg' "$n")" "$n"
  done
  for n in $(seq 1 7); do
    folder_tab "$dir/panel_tab_$n.jpg" "Folder $n" "$ACCENT_FOLDERS"
  done
  for n in 1 2 3; do
    launch_tile "$dir/panel_program_$n.jpg" play "$ACCENT_NEUTRAL" "Program $n"
  done
  launch_tile "$dir/panel_about.jpg" info "$ACCENT_FILES" 'About'
}
