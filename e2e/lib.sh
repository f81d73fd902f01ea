# Shared helpers of the end-to-end checks. A check script sources this file and calls
# e2e_init with the Windows build folder it was given; it then runs the real programs under
# Wine in a private virtual X display and looks at them from outside (X window tree, Wine
# window list through window_probe.exe, screenshots).
#
# One Wine prefix serves every check of a test run: build/wine-prefix, made afresh by
# setup_prefix.sh (ctest runs it before the checks) or on first use when a check runs alone.
# Screenshots go to e2e-artifacts/<build folder name>/.
#
# Exit codes: 0 all checks passed, 1 a check failed, 77 skipped (tool or program missing).
# Under the test command (TARNWICK_REQUIRE_ALL=1), which installs and builds everything, a
# missing tool or program is a failure instead; only the 32-bit checks skip there, when the
# test command found the 32-bit Wine missing (TARNWICK_WINE32_UNAVAILABLE says why).

E2E_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
export WINEPREFIX="${E2E_WINEPREFIX:-$E2E_REPO/build/wine-prefix}"
export WINEDEBUG=-all
# No .NET or browser engine is installed into the prefix: nothing here needs them, and the
# installers would wait for an answer.
export WINEDLLOVERRIDES="mscoree,mshtml="
E2E_SCREEN_WIDTH=1280
E2E_SCREEN_HEIGHT=800
E2E_FAILURES=0

e2e_log() { printf '[%s] %s\n' "$(date +%H:%M:%S.%N | cut -c1-12)" "$*"; }
e2e_skip() {
  if [ "${TARNWICK_REQUIRE_ALL:-0}" = 1 ]; then
    echo "FAILED: $* (the test command installs and builds all that the checks need)"
    exit 1
  fi
  echo "SKIPPED: $*"
  exit 77
}
e2e_fail() { e2e_log "FAIL: $*"; E2E_FAILURES=$((E2E_FAILURES + 1)); }
e2e_pass() { e2e_log "ok: $*"; }
# e2e_check <description> <command...>: runs the command, counts a failure when it fails.
e2e_check() {
  local what=$1; shift
  if "$@"; then e2e_pass "$what"; else e2e_fail "$what"; fi
}
e2e_now() { date +%s.%N; }
e2e_seconds_between() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", b - a }'; }
# e2e_in_range <value> <low> <high>
e2e_in_range() { awk -v v="$1" -v lo="$2" -v hi="$3" 'BEGIN { exit !(v >= lo && v <= hi) }'; }

e2e_require_tools() {
  local tool
  for tool in wine wineserver Xvfb xdotool xwininfo xprop import; do
    command -v "$tool" >/dev/null || e2e_skip "'$tool' is not installed (apt packages: wine wine32 wine64 xvfb xdotool x11-utils imagemagick fonts-nanum)"
  done
}

# e2e_init <windows build folder>
e2e_init() {
  [ $# -eq 1 ] || { echo "usage: $0 <windows build folder>"; exit 2; }
  case "$(basename "$1")" in
    *i686*) if [ -n "${TARNWICK_WINE32_UNAVAILABLE:-}" ]; then echo "SKIPPED: $TARNWICK_WINE32_UNAVAILABLE"; exit 77; fi ;;
  esac
  e2e_require_tools
  [ -d "$1" ] || e2e_skip "build folder $1 does not exist (build it with its cmake preset)"
  E2E_BUILD=$(cd "$1" && pwd)
  E2E_ARCH=$(basename "$E2E_BUILD")
  local program
  for program in TarnwickLauncher.exe TarnwickLauncherLE.exe window_probe.exe; do
    [ -f "$E2E_BUILD/$program" ] || e2e_skip "$E2E_BUILD/$program is missing (build the $E2E_ARCH preset first)"
  done
  E2E_ARTIFACTS="$E2E_REPO/e2e-artifacts/$E2E_ARCH"
  mkdir -p "$E2E_ARTIFACTS" "$E2E_REPO/build"
  E2E_WORK=$(mktemp -d "$E2E_REPO/build/e2e-work.XXXXXX")
  trap e2e_cleanup EXIT
  # A check ended from outside (ctest's time limit) leaves its Wine programs running.
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  e2e_start_xvfb
  e2e_prepare_prefix
}

# Runs as the EXIT trap: it must not change the script's exit status, under set -e neither.
e2e_cleanup() {
  wineserver -k >/dev/null 2>&1 || true
  wineserver -w >/dev/null 2>&1 || true
  if [ -n "${E2E_XVFB_PID:-}" ]; then kill "$E2E_XVFB_PID" 2>/dev/null || true; fi
  if [ -n "${E2E_WORK:-}" ]; then rm -rf "$E2E_WORK"; fi
  return 0
}

e2e_finish() {
  if [ "$E2E_FAILURES" -eq 0 ]; then
    e2e_log "all checks passed ($E2E_ARCH); screenshots in $E2E_ARTIFACTS"
    exit 0
  fi
  e2e_log "$E2E_FAILURES check(s) failed ($E2E_ARCH); screenshots in $E2E_ARTIFACTS"
  exit 1
}

# A private X display; Xvfb picks a free display number itself and writes it to fd 3.
e2e_start_xvfb() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT}x24" -nolisten tcp \
    3>"$number_file" >/dev/null 2>&1 &
  E2E_XVFB_PID=$!
  local tries
  for tries in $(seq 100); do
    [ -s "$number_file" ] && break
    sleep 0.05
  done
  export DISPLAY=":$(cat "$number_file")"
  rm -f "$number_file"
  [ "$DISPLAY" != ":" ] && xwininfo -root >/dev/null 2>&1 || { echo "could not start Xvfb"; exit 1; }
}

# Makes the shared prefix once (e2e/harness/wine.py says how); --fresh makes it anew.
E2E_PYTHON=${TARNWICK_E2E_PYTHON:-/usr/bin/python3}
e2e_prepare_prefix() { "$E2E_PYTHON" "$E2E_REPO/e2e/harness/prepare_prefix.py" "$@"; }

# e2e_new_folder <name> [zero|none]: a fresh program folder with both programs in it, with a
# zero-length config.ini or without one. Prints its path.
e2e_new_folder() {
  local folder="$E2E_WORK/$1"
  mkdir -p "$folder"
  cp "$E2E_BUILD/TarnwickLauncher.exe" "$E2E_BUILD/TarnwickLauncherLE.exe" "$folder/"
  [ "${2:-zero}" = zero ] && : >"$folder/config.ini"
  echo "$folder"
}

# e2e_start <folder> <program.exe>: starts the program from its folder, in the background.
e2e_start() {
  (cd "$1" && exec wine "$2" >/dev/null 2>&1 &)
}

# What the system shows of <program.exe> started from <folder>, for the log of a check that did
# not see what it waited for: its processes, its windows and their children (class, visibility,
# title and text: a message box shows there) and a screenshot.
e2e_log_program_state() {  # <folder> <program.exe> <screenshot>
  e2e_log "state of $2: $(e2e_program_count "$1" "$2") process(es); windows:"
  e2e_probe "$2" | sed "s/^/    /"
  e2e_screenshot "$3"
}

# e2e_start_ready <what> <start> <ready> <folder> <program.exe> [retry]: starts the program with
# the function <start> (<folder> <program.exe>) and checks that the function <ready>
# (<program.exe>) holds within 30 s. When it does not, the log shows the program's state. With
# "retry" (checks whose subject comes after the start) Wine is then stopped and the program
# started once more: Wine itself now and then stalls at the start of a session (a desktop that
# never draws, a first window that never comes) and is fine once restarted. The log says so, and
# the check still fails when the second start is not ready either.
e2e_start_ready() {
  local what=$1 start=$2 ready=$3 folder=$4 program=$5 name=${5%.exe}
  "$start" "$folder" "$program"
  e2e_wait_until 30 "$ready" "$program" && { e2e_pass "$what"; return 0; }
  e2e_log_program_state "$folder" "$program" "$name-not-started"
  if [ "${6:-}" = retry ]; then
    e2e_log "WARNING: $program was not ready within 30 s; Wine is stopped and $program started again"
    wineserver -k; wineserver -w
    "$start" "$folder" "$program"
    if e2e_wait_until 30 "$ready" "$program"; then
      e2e_pass "$what (at the second start)"
      return 0
    fi
    e2e_log_program_state "$folder" "$program" "$name-not-started-again"
  fi
  e2e_fail "$what"
  return 1
}
# e2e_start_docked <folder> <program.exe> [retry]: e2e_start_ready for the docked bar.
e2e_start_docked() { e2e_start_ready "$2 docks its bar" e2e_start e2e_bar_docked "$@"; }

# How many copies of <program.exe> started from <folder> are running, as the system sees it
# (the Unix command lines of 32-bit and 64-bit Wine processes differ, their Windows paths not).
e2e_program_count() {  # <folder> <program.exe>
  e2e_probe --processes | WANT="/$(basename "$1")/$2" awk '
    { path = substr($0, index($0, "path=") + 5); gsub(/\\\\/, "/", path)  # the probe writes \ as \\
      path = tolower(path); want = tolower(ENVIRON["WANT"]) }
    substr(path, length(path) - length(want) + 1) == want { n++ }
    END { print n + 0 }'
}

# X windows of a program that are mapped on the screen; Wine names the class after the program.
e2e_visible_windows() {
  local class
  class=$(echo "$1" | tr '[:upper:]' '[:lower:]' | sed 's/\./\\./g')
  xdotool search --onlyvisible --class "^$class\$" 2>/dev/null || true
}

# "WxH+X+Y" of an X window (without a window manager the X window is the client area).
e2e_geometry() {
  xwininfo -id "$1" 2>/dev/null | awk '
    /Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF}
    /Width:/ {w=$NF} /Height:/ {h=$NF} END {printf "%sx%s+%s+%s\n", w, h, x, y}'
}

# e2e_find_visible <program.exe> <geometry-regex>: the first mapped window whose geometry matches.
e2e_find_visible() {
  local window
  for window in $(e2e_visible_windows "$1"); do
    e2e_geometry "$window" | grep -Eq "^$2\$" && { echo "$window"; return 0; }
  done
  return 1
}

# e2e_wait_until <timeout seconds> <command...>: polls every 50 ms; fails on timeout.
e2e_wait_until() {
  local deadline
  deadline=$(awk -v t="$1" -v now="$(e2e_now)" 'BEGIN { printf "%.3f", now + t }')
  shift
  until "$@"; do
    awk -v d="$deadline" -v now="$(e2e_now)" 'BEGIN { exit !(now > d) }' && return 1
    sleep 0.05
  done
}

# The Wine window list (see e2e/win_tools/window_probe.cpp), optionally of one program only.
# A probe that does not answer within 30 s (seen once on a loaded machine, as Wine started its
# desktop) is ended, so that the check fails or tries again instead of hanging until ctest's limit.
E2E_PROBE_TIMEOUT=(timeout -k 5 30)
e2e_probe() { "${E2E_PROBE_TIMEOUT[@]}" wine "$E2E_BUILD/window_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }

# Wine's virtual desktop with a taskbar, as on a Windows desktop: programs started with
# e2e_start_on_desktop and probed with e2e_probe_desktop share it.
E2E_DESKTOP="shell,${E2E_SCREEN_WIDTH}x${E2E_SCREEN_HEIGHT}"
e2e_start_on_desktop() {  # <folder> <program>
  (cd "$1" && exec wine explorer "/desktop=$E2E_DESKTOP" "$2" >/dev/null 2>&1 &)
}
e2e_probe_desktop() {
  "${E2E_PROBE_TIMEOUT[@]}" wine explorer "/desktop=$E2E_DESKTOP" "$(winepath -w "$E2E_BUILD/window_probe.exe")" "$@" 2>/dev/null | tr -d '\r'
}

# Runs Wine under a Korean UTF-8 locale, so that its ANSI code page is 949 as on a Korean
# Windows (config.ini files are written in that code page). The locale is built once, into
# build/locale, when the machine has none.
e2e_korean_locale() {
  local locale=ko_KR.UTF-8
  if ! locale -a 2>/dev/null | grep -qi '^ko_KR\.utf-\?8$'; then
    export LOCPATH="$E2E_REPO/build/locale"
    [ -e "$LOCPATH/$locale/LC_CTYPE" ] || { mkdir -p "$LOCPATH"; localedef -i ko_KR -f UTF-8 "$LOCPATH/$locale" >/dev/null 2>&1 || true; }
    [ -e "$LOCPATH/$locale/LC_CTYPE" ] || { echo "could not build the $locale locale"; return 1; }
  fi
  export LANG=$locale LC_ALL=$locale
}

e2e_screenshot() {
  import -window root -display "$DISPLAY" "$E2E_ARTIFACTS/$1.png" 2>/dev/null
  e2e_log "screenshot $E2E_ARTIFACTS/$1.png"
}

# Clicks the button labelled <text> in each visible message box of <program.exe> captioned
# <caption>, aiming at the button's middle from the rectangle the system reports (keyboard focus
# cannot be given to another process's window reliably without a window manager). Boxes may
# overlap: the list is in stacking order, so the topmost box is clicked first, then the list is
# read again.
e2e_click_box_button() {  # <program.exe> <caption> <button text>
  local x y round
  for round in 1 2 3 4 5 6; do
    read -r x y < <(e2e_probe "$1" | CAPTION="$2" BUTTON="$3" awk '
      /^window=/ { inbox = ($0 ~ /visible=1 class=#32770 / && substr($0, index($0, "title=") + 6) == ENVIRON["CAPTION"]) }
      inbox && $0 ~ /^  child class=Button / && substr($0, index($0, "text=") + 5) == ENVIRON["BUTTON"] {
        split(substr($3, 6), r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }')
    [ -n "$x" ] || return 0
    xdotool mousemove "$x" "$y"
    sleep 0.2  # Wine takes the press for the window under the pointer only once it saw the move
    xdotool click 1
    sleep 0.3
  done
  return 1
}

# The centre of the program's icon in Wine's tray window (Wine without a virtual desktop shows
# notification-area icons there), from the geometry the system reports.
e2e_tray_icon_centre() {
  e2e_probe explorer.exe | awk '
    /^window=/ { tray = ($0 ~ / visible=1 class=__winex11_standalone_tray /) }
    tray && /^  child class=__winex11_tray_icon .* visible=1 / {
      split(substr($3, 6), r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }'
}
# The pop-up menu of <program.exe>, as "x y" of its middle.
e2e_menu_centre() {
  e2e_probe "$1" | awk '/^window=.* visible=1 class=#32768 / {
    split(substr($5, 6), r, ","); print int((r[1] + r[3]) / 2), int((r[2] + r[4]) / 2); exit }'
}
e2e_menu_shown() { [ -n "$(e2e_menu_centre "$1")" ]; }
# e2e_open_tray_menu <program.exe>: right-clicks the program's tray icon until its pop-up menu
# shows, three right-clicks at most. Under Wine the menu now and then closes again within a few
# milliseconds, before any input: the program opens it at every right-click (Wine's menu trace
# shows each call), but Wine's menu loop ends at once, in runs of a few right-clicks. A person
# would click again; so does the check, and it says so in its log.
e2e_open_tray_menu() {
  local try x y
  for try in 1 2 3; do
    read -r x y < <(e2e_tray_icon_centre)
    [ -n "$x" ] || return 1
    xdotool mousemove "$x" "$y"; sleep 0.3
    xdotool click 3
    if e2e_wait_until 3 e2e_menu_shown "$1"; then
      [ "$try" -eq 1 ] || e2e_log "the tray menu showed at right-click $try"
      return 0
    fi
  done
  return 1
}

# The docked bar: 89 pixels wide at the screen's right edge, as tall as the screen. Button n
# (1..24), in screen pixels at 15 twips per pixel: left 120 twips, top 600 + 960 (n - 1),
# 1095 x 855 twips.
e2e_bar_left() { echo $((E2E_SCREEN_WIDTH - 89)); }
e2e_bar_button_left() { echo $(($(e2e_bar_left) + 8)); }
e2e_bar_button_top() { echo $((40 + 64 * ($1 - 1))); }
e2e_bar_button_centre() { echo "$(($(e2e_bar_button_left) + 36)) $(($(e2e_bar_button_top "$1") + 28))"; }
# e2e_bar_window <program.exe>: the X window of the program's docked bar, if it shows one.
e2e_bar_window() {
  local window
  for window in $(e2e_visible_windows "$1"); do
    [ "$(e2e_geometry "$window")" = "89x${E2E_SCREEN_HEIGHT}+$(e2e_bar_left)+0" ] && { echo "$window"; return 0; }
  done
  return 1
}
e2e_bar_docked() { e2e_bar_window "$1" >/dev/null; }
# The Windows handle (hex) of <program.exe>'s bar, visible or not: its window at the screen's top.
e2e_bar_handle() { e2e_probe "$1" | sed -n 's/^window=\([0-9a-f]*\) .* class=TarnwickWindow rect=[0-9-]*,0,[0-9-]*,[0-9-]* .*/\1/p' | head -1; }
# "iconic=<0|1> enabled=<0|1> foreground=<0|1> style=<hex>" of the window <hex>.
e2e_window_state() { wine "$E2E_BUILD/window_probe.exe" --state "$1" 2>/dev/null | tr -d '\r'; }
e2e_window_has_state() { e2e_window_state "$1" | grep -q "$2"; }  # <hex> <field=value>

# The colour of one screen pixel as "r,g,b".
e2e_pixel() {
  import -window root -display "$DISPLAY" -crop "1x1+$1+$2" -depth 8 txt:- 2>/dev/null |
    sed -n 's/^[^(]*(\([0-9]*,[0-9]*,[0-9]*\)).*/\1/p' | head -1
}
