#!/usr/bin/env bash
# The start-up of both programs with a zero-length config.ini, under Wine: the splash appears
# centred at 436 x 58 pixels with its four lines, fades in through layered opacity, holds
# opaque, disappears, and the main window appears about 4 to 5 seconds after the splash did,
# docked at the right edge of the screen.
# Every window stays out of the task list (owned by a hidden owner window).
# Usage: check_startup.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"

SPLASH_GEOMETRY="436x58+$(((E2E_SCREEN_WIDTH - 436) / 2))+$(((E2E_SCREEN_HEIGHT - 58) / 2))"
SPLASH_LINES='Tarnwick™ Launcher Second Edition V1.1@EDITION@ Rev3\r\n  Administrator Version\r\n  www.tarnwick.example \r\n  Copyright (C) 2026 Tarnwick Software. All rights reserved. '

# The bar docked: 1335 twips (89 pixels at 96 dpi) wide, as tall as the screen, at its right edge.
DOCKED_GEOMETRY="89x${E2E_SCREEN_HEIGHT}+$((E2E_SCREEN_WIDTH - 89))+0"

splash_window() { e2e_find_visible "$1" '436x58\+[0-9]+\+[0-9]+'; }
splash_gone() { ! splash_window "$1" >/dev/null; }
main_window() {
  local window
  for window in $(e2e_visible_windows "$1"); do
    [[ "$(e2e_window_name "$window")" == "Tarnwick™ Launcher Second Edition V1.1"* ]] && { echo "$window"; return 0; }
  done
  return 1
}
main_shown() { main_window "$1" >/dev/null; }
main_geometry_is() { [ "$(e2e_geometry "$(main_window "$1")")" = "$2" ]; }
opacity_of() { xprop -id "$1" _NET_WM_WINDOW_OPACITY 2>/dev/null | sed -n 's/.* = //p'; }
# The splash of <program> is shown and <window> carries no layered opacity.
splash_opaque() { splash_window "$1" >/dev/null && [ -z "$(opacity_of "$2")" ]; }

# Opacity values of the splash while it fades in, one per line ("" = no opacity: opaque).
sample_fade_in() {  # <window> <seconds>
  local until
  until=$(awk -v n="$(e2e_now)" -v s="$2" 'BEGIN { printf "%.3f", n + s }')
  while awk -v u="$until" -v n="$(e2e_now)" 'BEGIN { exit !(n < u) }'; do
    opacity_of "$1"
    sleep 0.03
  done
}

# The splash label's text as the system holds it, in the window probe's notation.
label_text() { e2e_probe "$1" | sed -n 's/^  child class=TarnwickControl rect=[^ ]* visible=1 text= //p' | head -1; }

# Every visible window of the program is owned by a window that is itself hidden.
owned_by_hidden_owner() {
  e2e_probe "$1" | awk '
    /^window=/ { split($1, id, "="); split($8, o, "="); visible[id[2]] = ($3 == "visible=1"); owner[id[2]] = o[2] }
    END { for (w in owner) if (visible[w]) { shown++; if (owner[w] == "0" || visible[owner[w]]) bad++ }
          exit !(shown > 0 && bad == 0) }'
}

check_startup() {  # <program.exe> <edition suffix>
  local program=$1 name=${1%.exe} folder started shown hidden main splash values fading seconds
  folder=$(e2e_new_folder "startup-$name" zero)
  started=$(e2e_now)
  e2e_start "$folder" "$program"
  if ! e2e_wait_until 20 splash_window "$program" >/dev/null; then
    e2e_fail "$program shows its splash"
    e2e_screenshot "startup-no-splash-$name"
    return
  fi
  shown=$(e2e_now)
  splash=$(splash_window "$program")
  values=$(sample_fade_in "$splash" 0.4)
  e2e_screenshot "startup-1-splash-fading-in-$name"
  e2e_log "splash shown $(e2e_seconds_between "$started" "$shown") s after start; opacity while fading in: $(echo "$values" | sort -u | tr '\n' ' ')"
  e2e_check "the splash is 436 x 58 and centred ($SPLASH_GEOMETRY)" test "$(e2e_geometry "$splash")" = "$SPLASH_GEOMETRY"
  fading=$(echo "$values" | grep -c '^[0-9]' || true)
  e2e_check "the splash fades in through layered opacity" test "$fading" -gt 0
  e2e_check "the splash shows the four lines of this edition" \
    test "$(label_text "$program")" = "${SPLASH_LINES/@EDITION@/$2}"
  e2e_check "the windows stay out of the task list (hidden owner)" owned_by_hidden_owner "$program"
  # The fade-in takes about 0.8 s; a loaded machine stretches it, so wait for its end.
  e2e_check "the splash holds fully opaque (no layered opacity left)" \
    e2e_wait_until 2.5 splash_opaque "$program" "$splash"
  e2e_screenshot "startup-2-splash-holding-$name"

  e2e_check "the splash disappears" e2e_wait_until 10 splash_gone "$program"
  hidden=$(e2e_now)
  e2e_screenshot "startup-3-splash-gone-$name"
  e2e_check "the main window appears" e2e_wait_until 10 main_shown "$program"
  main=$(e2e_now)
  e2e_screenshot "startup-4-main-window-$name"
  seconds=$(e2e_seconds_between "$shown" "$main")
  e2e_log "$program: splash visible $(e2e_seconds_between "$shown" "$hidden") s, pause $(e2e_seconds_between "$hidden" "$main") s, splash to main window $seconds s"
  # 4.6 s by the clock; a loaded machine stretches the fade steps, never shortens them.
  e2e_check "the main window follows the splash after about 4 to 5 s ($seconds s)" e2e_in_range "$seconds" 3.8 6.0
  e2e_check "the main window docks at the right edge, full height ($DOCKED_GEOMETRY)" \
    e2e_wait_until 2 main_geometry_is "$program" "$DOCKED_GEOMETRY"
  e2e_check "the splash stays hidden once the main window shows" splash_gone "$program"
  wineserver -k; wineserver -w
}

check_startup TarnwickLauncher.exe ""
check_startup TarnwickLauncherLE.exe " LE"
e2e_finish
