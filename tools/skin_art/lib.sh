# Drawing helpers shared by the skin generators. Sourced, not run.
#
# Every picture is one dark-grey bevelled tile on the colour of the recess it sits in, with an
# optional coloured icon plate and a label. Glyphs are either ImageMagick draw primitives
# (drawn around the plate's centre) or a character of DejaVu Sans / DejaVu Serif.

# The bar's background colour RGB(64, 64, 64) and the shades derived from it.
readonly BAR_GREY='#404040'
readonly RECESS='#2b2b2b'
readonly TILE_TOP='#5d5d5d'
readonly TILE_BOTTOM='#3b3b3b'
readonly TILE_EDGE='#1a1a1a'
readonly TILE_SHINE='#7a7a7a'
readonly LABEL='#f2f2f2'
readonly LABEL_DIM='#a8a8a8'

# One accent per kind of button.
readonly ACCENT_FILES='#3b7ddd'
readonly ACCENT_SHELL='#23958a'
readonly ACCENT_FOLDERS='#d89a2b'
readonly ACCENT_SYSTEM='#cc4b3a'
readonly ACCENT_CONTROL='#8757c9'
readonly ACCENT_NETWORK='#3ba556'
readonly ACCENT_NEUTRAL='#6b6b6b'

# JPEG settings: no chroma subsampling keeps small coloured text sharp; -strip drops the
# timestamps so that the output is byte-for-byte reproducible.
readonly JPEG_OPTS=(-strip -quality 92 -sampling-factor 1x1 -define jpeg:dct-method=float)

# Resolves a font through fontconfig and fails loudly when the family is not installed,
# so a missing package never silently changes the look.
font_file() {
  local pattern="$1" family="$2" file
  file=$(fc-match -f '%{file}' "$pattern")
  case "$(fc-match -f '%{family}' "$pattern")" in
    *"$family"*) printf '%s' "$file" ;;
    *) echo "skin_art: font '$pattern' not installed" >&2; return 1 ;;
  esac
}

FONT_BOLD=$(font_file 'DejaVu Sans:bold' 'DejaVu Sans')
FONT_REGULAR=$(font_file 'DejaVu Sans' 'DejaVu Sans')
FONT_MONO=$(font_file 'DejaVu Sans Mono:bold' 'DejaVu Sans Mono')
FONT_SERIF=$(font_file 'DejaVu Serif:bold' 'DejaVu Serif')
readonly FONT_BOLD FONT_REGULAR FONT_MONO FONT_SERIF

# Mixes a colour with white (positive percent) or black (negative percent).
shade() {
  local colour="$1" percent="$2"
  if [ "$percent" -ge 0 ]; then
    convert xc:"$colour" -fill white -colorize "$percent" -depth 8 -format '%[pixel:u.p{0,0}]' info:
  else
    convert xc:"$colour" -fill black -colorize "${percent#-}" -depth 8 -format '%[pixel:u.p{0,0}]' info:
  fi
}

# tile_args WIDTH HEIGHT RADIUS: convert arguments that draw the bevelled tile filling the
# picture on the recess colour. Needs WORK (a scratch folder) for the gradient pattern.
tile_args() {
  local w="$1" h="$2" r="$3"
  local gradient="$WORK/tile_${w}x${h}.png"
  [ -f "$gradient" ] || convert -size "${w}x${h}" gradient:"$TILE_TOP-$TILE_BOTTOM" "$gradient"
  printf '%s\n' -size "${w}x${h}" xc:"$RECESS" \
    -tile "$gradient" -draw "roundrectangle 0,0 $((w - 1)),$((h - 1)) $r,$r" +tile \
    -fill none -stroke "$TILE_EDGE" -strokewidth 1 \
    -draw "roundrectangle 0.5,0.5 $((w - 1)).5,$((h - 1)).5 $r,$r" \
    -stroke "$TILE_SHINE" -draw "line $((r + 1)),1.5 $((w - r - 2)),1.5" -stroke none
}

# plate_args CX CY SIZE COLOUR: a rounded icon plate centred on (CX, CY), lit from the top.
plate_args() {
  local cx="$1" cy="$2" size="$3" colour="$4"
  local half=$((size / 2))
  local x0=$((cx - half)) y0=$((cy - half)) x1=$((cx + half)) y1=$((cy + half))
  local gradient="$WORK/plate_${size}_${colour#\#}.png"
  [ -f "$gradient" ] || convert -size "$((x1 + 1))x$((y1 + 1))" \
    gradient:"$(shade "$colour" 22)-$(shade "$colour" -18)" "$gradient"
  printf '%s\n' -tile "$gradient" -draw "roundrectangle $x0,$y0 $x1,$y1 6,6" +tile \
    -fill none -stroke "$(shade "$colour" -45)" \
    -draw "roundrectangle $x0.5,$y0.5 $((x1 - 1)).5,$((y1 - 1)).5 6,6" -stroke none
}

# label_args TEXT SIZE COLOUR GRAVITY X Y [FONT]: one line of text.
label_args() {
  printf '%s\n' -font "${7:-$FONT_BOLD}" -pointsize "$2" -fill "$3" -gravity "$4" \
    -annotate "+$5+$6" "$1" -gravity northwest
}

# Writes the picture described by the remaining arguments as a JPEG.
write_jpeg() {
  local out="$1"; shift
  mkdir -p "$(dirname "$out")"
  convert "$@" "${JPEG_OPTS[@]}" "$out"
}
