# Icon glyphs, each about 18 x 18 pixels, drawn in white around a centre point. Sourced.
#
# glyph_args NAME CX CY PLATE_COLOUR prints convert arguments; PLATE_COLOUR paints the cut-outs
# (lines on a page, the cross of a game pad) so they read as holes in the white shape.

glyph_text() {  # TEXT FONT SIZE CX CY: a character centred on (CX, CY) of a CANVAS_W x CANVAS_H picture
  local dx=$(($4 - CANVAS_W / 2)) dy=$(($5 - CANVAS_H / 2))
  printf '%s\n' -font "$2" -pointsize "$3" -fill white -gravity center \
    -annotate "$(printf '%+d%+d' "$dx" "$dy")" "$1" -gravity northwest
}

glyph_draw() {  # CX CY PRIMITIVES...: MVG primitives relative to (CX, CY)
  local cx="$1" cy="$2"; shift 2
  local mvg="$*"
  printf '%s\n' -draw "translate $cx,$cy ${mvg//$'\n'/ }"
}

glyph_args() {
  local name="$1" cx="$2" cy="$3" cut="$4" white='fill white stroke none'
  case "$name" in
    page) glyph_draw "$cx" "$cy" "$white polygon -7,-9 3,-9 7,-5 7,9 -7,9
      fill '$cut' rectangle -4,-4 4,-3 rectangle -4,0 4,1 rectangle -4,4 2,5" ;;
    pencil) glyph_draw "$cx" "$cy" "$white polygon -8,8 -7,3 4,-8 8,-4 -3,7
      fill '$cut' polygon -6,4 -4,6 -7,7 stroke '$cut' stroke-width 1 line 1,-5 5,-1" ;;
    terminal) glyph_draw "$cx" "$cy" "$white roundrectangle -9,-8 9,8 2,2
      fill '$cut' rectangle -7,-5 7,6
      fill none stroke white stroke-width 2 polyline -5,-3 -1,0 -5,3 line 0,4 5,4" ;;
    folder) glyph_draw "$cx" "$cy" "$white polygon -9,-7 -3,-7 -1,-5 9,-5 9,7 -9,7
      fill '$(shade "$cut" 55)' rectangle -9,-2 9,7" ;;
    window) glyph_draw "$cx" "$cy" "$white roundrectangle -9,-8 9,8 2,2
      fill '$cut' rectangle -7,-3 7,6 fill white rectangle -5,-1 -1,4 rectangle 1,-1 5,1" ;;
    drive) glyph_draw "$cx" "$cy" "$white roundrectangle -9,-5 9,6 3,3
      fill '$cut' rectangle -6,2 1,3 fill '#7dff8c' circle 5,2 6,2" ;;
    chart) glyph_draw "$cx" "$cy" "$white rectangle -9,7 9,8
      rectangle -8,1 -4,6 rectangle -2,-7 2,6 rectangle 4,-3 8,6" ;;
    cubes) glyph_draw "$cx" "$cy" "$white rectangle -9,0 -2,7 rectangle -3,-8 4,-1 rectangle 2,0 9,7
      fill none stroke '$cut' stroke-width 1 rectangle -9,0 -2,7 rectangle -3,-8 4,-1 rectangle 2,0 9,7" ;;
    sliders) glyph_draw "$cx" "$cy" "fill none stroke white stroke-width 2 line -9,-6 9,-6 line -9,0 9,0 line -9,6 9,6
      fill white stroke '$cut' stroke-width 1 circle -3,-6 -3,-3 circle 4,0 4,3 circle -5,6 -5,9" ;;
    info) glyph_draw "$cx" "$cy" "fill none stroke white stroke-width 2 circle 0,0 0,9"
      glyph_text 'i' "$FONT_SERIF" 14 "$cx" "$cy" ;;
    gear) glyph_text '⚙' "$FONT_REGULAR" 25 "$cx" "$((cy + 1))" ;;
    box) glyph_draw "$cx" "$cy" "$white polygon -9,-4 0,-8 9,-4 9,6 0,9 -9,6
      fill none stroke '$cut' stroke-width 1 polyline -9,-4 0,0 9,-4 line 0,0 0,9" ;;
    globe) glyph_draw "$cx" "$cy" "fill none stroke white stroke-width 1.6 circle 0,0 0,8.5
      ellipse 0,0 3.5,8.5 0,360 line -8.5,0 8.5,0 line -7,-4.5 7,-4.5 line -7,4.5 7,4.5" ;;
    gamepad) glyph_draw "$cx" "$cy" "$white roundrectangle -10,-5 10,6 5,5
      fill '$cut' rectangle -7,0 -3,1 rectangle -5,-2 -4,3 circle 4,-1 5,-1 circle 7,2 8,2" ;;
    network) glyph_draw "$cx" "$cy" "fill none stroke white stroke-width 1.6 line 0,-5 -6,5 line 0,-5 6,5 line -6,5 6,5
      fill white stroke none circle 0,-5 0,-1.5 circle -6,5 -6,8.5 circle 6,5 6,8.5" ;;
    radar) glyph_draw "$cx" "$cy" "fill none stroke white stroke-width 1.8 arc -9,-9 9,9 200,340
      arc -5.5,-5.5 5.5,5.5 200,340 fill white stroke none circle 0,3 0,5.5" ;;
    list) glyph_draw "$cx" "$cy" "$white circle -7,-6 -7,-4.5 circle -7,0 -7,1.5 circle -7,6 -7,7.5
      rectangle -4,-7 9,-5 rectangle -4,-1 9,1 rectangle -4,5 9,7" ;;
    monitor) glyph_draw "$cx" "$cy" "$white roundrectangle -9,-8 9,4 1,1 fill '$cut' rectangle -7,-6 7,2
      fill white rectangle -1,4 1,7 rectangle -5,7 5,8" ;;
    person) glyph_draw "$cx" "$cy" "$white circle 0,-4 0,0 ellipse 0,9 8,7 180,360" ;;
    braces) glyph_text '{x}' "$FONT_MONO" 12 "$cx" "$cy" ;;
    fonts) glyph_text 'Aa' "$FONT_SERIF" 14 "$cx" "$cy" ;;
    plus) glyph_draw "$cx" "$cy" "fill none stroke '$LABEL_DIM' stroke-width 2 line -6,0 6,0 line 0,-6 0,6" ;;
    menu) glyph_draw "$cx" "$cy" "$white rectangle -5,-4 5,-3 rectangle -5,0 5,1 rectangle -5,4 5,5" ;;
    play) glyph_draw "$cx" "$cy" "$white polygon -5,-8 8,0 -5,8" ;;
    *) echo "skin_art: unknown glyph '$name'" >&2; return 1 ;;
  esac
}
