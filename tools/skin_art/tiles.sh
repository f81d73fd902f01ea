# The picture kinds of the skin, built from lib.sh and glyphs.sh. Sourced.

# launch_tile OUT GLYPH ACCENT LABEL: a 73 x 57 button with an icon plate and its name.
launch_tile() {
  local out="$1" glyph="$2" accent="$3" label="$4" args
  CANVAS_W=73 CANVAS_H=57
  mapfile -t args < <(tile_args 73 57 6; plate_args 36 19 28 "$accent"
    glyph_args "$glyph" 36 19 "$accent"; label_args "$label" 9 "$LABEL" south 0 5)
  write_jpeg "$out" "${args[@]}"
}

# empty_tile OUT: a 73 x 57 button of a slot that starts nothing.
empty_tile() {
  local out="$1" args
  CANVAS_W=73 CANVAS_H=57
  mapfile -t args < <(tile_args 73 57 6
    printf '%s\n' -fill none -stroke "$LABEL_DIM" -strokewidth 1 \
      -draw "stroke-dasharray 3 2 roundrectangle 22.5,5.5 49.5,32.5 6,6" -stroke none
    glyph_args plus 36 19 "$RECESS"; label_args 'Free' 9 "$LABEL_DIM" south 0 5)
  write_jpeg "$out" "${args[@]}"
}

# number_tile OUT N: a 73 x 57 built-in launch button showing its number.
number_tile() {
  local out="$1" number="$2" args
  mapfile -t args < <(tile_args 73 57 6
    label_args "$number" 24 "$LABEL" center 0 -5
    printf '%s\n' -fill "$ACCENT_FILES" -draw "roundrectangle 26,38 46,40 1,1"
    label_args 'LAUNCH' 7 "$LABEL_DIM" south 0 4)
  write_jpeg "$out" "${args[@]}"
}

# menu_button OUT: the 73 x 23 top button that opens the side panel.
menu_button() {
  local out="$1" args
  CANVAS_W=73 CANVAS_H=23
  mapfile -t args < <(tile_args 73 23 5; glyph_args menu 15 11 "$RECESS"
    label_args 'MENU' 10 "$LABEL" west 25 0)
  write_jpeg "$out" "${args[@]}"
}

# folder_tab OUT LABEL ACCENT: a 137 x 41 folder tab with a folder glyph and its name.
folder_tab() {
  local out="$1" label="$2" accent="$3" args
  CANVAS_W=137 CANVAS_H=41
  mapfile -t args < <(tile_args 137 41 6
    printf '%s\n' -fill "$accent" -draw "rectangle 8,36 128,37"
    glyph_draw 22 19 "fill '$(shade "$accent" -15)' polygon -10,-8 -3,-8 -1,-6 10,-6 10,8 -10,8
      fill '$(shade "$accent" 25)' polygon -10,-2 10,-2 10,8 -10,8"
    label_args "$label" 11 "$LABEL" west 38 -1)
  write_jpeg "$out" "${args[@]}"
}
