# The window backgrounds of the sample skin: the bar (83 x 1575) and the side panel
# (1017 x 289). Each button of the window sits in a recess one pixel larger than the button,
# so the rounded tiles look set into the surface. Sourced.

# recess_args LEFT TOP WIDTH HEIGHT: the recess around a control at that pixel rectangle.
recess_args() {
  local x0=$(($1 - 1)) y0=$(($2 - 1)) x1=$(($1 + $3)) y1=$(($2 + $4))
  printf '%s\n' -fill "$RECESS" -draw "rectangle $x0,$y0 $x1,$y1" \
    -fill '#555555' -draw "line $x0,$((y1 + 1)) $x1,$((y1 + 1))"
}

make_bar_background() {
  local out="$1" n args
  mapfile -t args < <(
    printf '%s\n' -size 83x1575 gradient:'#474747-#393939' \
      -fill "$(shade "$ACCENT_FILES" -25)" -draw 'rectangle 0,0 1,1574' \
      -fill '#525252' -draw 'line 2,0 2,1574'
    recess_args 8 8 73 23
    printf '%s\n' -fill '#2f2f2f' -draw 'line 10,35 78,35' -fill '#525252' -draw 'line 10,36 78,36'
    for n in $(seq 0 23); do recess_args 8 $((40 + 64 * n)) 73 57; done)
  write_jpeg "$out" "${args[@]}"
}

make_panel_background() {
  local out="$1" n args
  mapfile -t args < <(
    printf '%s\n' -size 1017x289 gradient:'#464646-#3a3a3a' \
      -fill "$(shade "$ACCENT_FOLDERS" -20)" -draw 'rectangle 0,51 1016,52'
    for n in $(seq 0 6); do recess_args $((8 + 144 * n)) 8 137 41; done
    for n in 0 1 2; do recess_args 8 $((56 + 56 * n)) 73 49; done
    recess_args 8 224 73 57
    recess_args 88 56 921 225)
  write_jpeg "$out" "${args[@]}"
}
