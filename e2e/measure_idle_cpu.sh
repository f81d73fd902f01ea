#!/usr/bin/env bash
# Idle cost of the launcher under Wine, against an idle blank window as the baseline: each runs
# alone for a while on Wine's desktop with a taskbar, and the CPU time (user + system, from
# /proc/<pid>/stat) of the program, the Wine server and Wine's explorer is summed over that
# window. Prints both totals and their difference in % of one core; also the blank window with
# a 1 ms timer that does nothing ("timer"), the cost of the bar's timer alone, and how the
# launcher compares with it. At the end of each window the program's private memory is read
# with process_probe.exe.
# Not a ctest check: it reports figures and fails only when it cannot measure.
# Usage: measure_idle_cpu.sh <windows build folder> [seconds, default 60] [program, default TarnwickLauncher.exe]
source "$(dirname "$0")/lib.sh"
SECONDS_IDLE=${2:-60}
PROGRAM=${3:-TarnwickLauncher.exe}
e2e_init "$1"
for tool in blank_window.exe process_probe.exe; do
  [ -f "$E2E_BUILD/$tool" ] || e2e_skip "$E2E_BUILD/$tool is missing"
done
CLOCK_TICKS=$(getconf CLK_TCK)

# Unix processes of this Wine prefix (other prefixes may run on the machine too) whose command
# line matches <regex>.
prefix_pids() {
  local pid
  for pid in $(pgrep -u "$(id -u)" -f "$1"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && echo "$pid"
  done
}
running() { [ -n "$(prefix_pids "$1")" ]; }
# utime + stime of the given processes, in clock ticks.
cpu_ticks() {
  local pid total=0
  for pid in "$@"; do
    # The command name in field 2 may hold spaces; fields after the closing parenthesis are fixed.
    total=$((total + $(sed 's/^.*) //' "/proc/$pid/stat" | awk '{ print $12 + $13 }')))
  done
  echo "$total"
}
percent_of_core() { awk -v t="$1" -v hz="$CLOCK_TICKS" -v s="$SECONDS_IDLE" 'BEGIN { printf "%.2f", 100 * t / hz / s }'; }

# The private memory of the running <program.exe> in KB.
private_kb() {
  local figures kb
  figures=$(wine "$E2E_BUILD/process_probe.exe" "$1" 2>/dev/null | "$E2E_PYTHON" "$E2E_REPO/e2e/harness/processes.py")
  read -r _ _ kb _ <<<"$figures"
  echo "$kb"
}

# measure <label> <folder> <command line> <process regex>: prints "<label> <program> <server>
# <explorer>" in clock ticks, then the program's private memory in KB.
measure() {
  local label=$1 folder=$2 command=$3 pattern=$4 pids server explorer
  # shellcheck disable=SC2086  # the command line is split into program and arguments
  (cd "$folder" && exec wine explorer "/desktop=$E2E_DESKTOP" $command >/dev/null 2>&1 &)
  e2e_wait_until 60 running "$pattern" || { echo >&2 "$command did not start"; exit 1; }
  sleep 15  # past start-up (the launcher's splash takes about 5 s)
  pids=$(prefix_pids "$pattern"); server=$(prefix_pids '^[^ ]*/wineserver'); explorer=$(prefix_pids 'explorer\.exe')
  e2e_screenshot "idle-$label" >&2
  local p s e
  p=$(cpu_ticks $pids); s=$(cpu_ticks $server); e=$(cpu_ticks $explorer)
  sleep "$SECONDS_IDLE"
  echo "$label $(($(cpu_ticks $pids) - p)) $(($(cpu_ticks $server) - s)) $(($(cpu_ticks $explorer) - e))" \
    "$(private_kb "${command%% *}")"
  wineserver -k; wineserver -w >/dev/null 2>&1
}

folder=$(e2e_new_folder idle zero)
cp "$E2E_BUILD/blank_window.exe" "$folder/"
e2e_log "measuring ${SECONDS_IDLE} s each, clock ticks of ${CLOCK_TICKS} Hz"
blank=$(measure blank "$folder" blank_window.exe '^[^ ]*blank_window\.exe') || exit 1
# The same blank window with a 1 ms window timer that does nothing: the cost of the timer alone.
timer=$(measure timer "$folder" "blank_window.exe 1" '^[^ ]*blank_window\.exe') || exit 1
launcher=$(measure launcher "$folder" "$PROGRAM" "^[^ ]*${PROGRAM//./\\.}") || exit 1
# report <label> <program> <server> <explorer> <private KB>: the figures on stderr, the total in
# ticks on stdout.
report() {
  local total=$(($2 + $3 + $4))
  printf >&2 '%-9s program %5.2f%%  wineserver %5.2f%%  explorer %5.2f%%  total %5.2f%% of one core  private %6s KB\n' \
    "$1" "$(percent_of_core "$2")" "$(percent_of_core "$3")" "$(percent_of_core "$4")" "$(percent_of_core "$total")" \
    "${5:-?}"
  echo "$total"
}
# compare <label> <launcher ticks> <baseline ticks>
compare() {
  awk -v what="$1" -v l="$2" -v b="$3" -v hz="$CLOCK_TICKS" -v s="$SECONDS_IDLE" 'BEGIN {
    printf "launcher - %s: %+.2f%% of one core (launcher total / %s total = %s)\n", what, 100 * (l - b) / hz / s,
      what, (b > 0 ? sprintf("%.2f", l / b) : "n/a") }'
}
blank_total=$(report $blank)
timer_total=$(report $timer)
launcher_total=$(report $launcher)
compare blank "$launcher_total" "$blank_total"
compare timer "$launcher_total" "$timer_total"
