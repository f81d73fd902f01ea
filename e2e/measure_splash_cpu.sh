#!/usr/bin/env bash
# The processor time the launcher uses while its splash shows: from the moment the splash is on
# the screen to the moment the bar docks (fade in, hold, fade out, pause: about 4.5 s), as user +
# system time from /proc/<pid>/stat of the program and of the Wine server (each message-queue
# call of the program is work of the server too), in seconds and in % of one core over that
# time. Both moments are seen from the X display alone, so that watching costs the server
# nothing. Runs <runs> starts (3 by default) and prints each and their mean.
# Not a ctest check: it reports figures and fails only when it cannot measure.
# Usage: measure_splash_cpu.sh <windows build folder> [runs] [program, default TarnwickLauncher.exe]
source "$(dirname "$0")/lib.sh"
RUNS=${2:-3}
PROGRAM=${3:-TarnwickLauncher.exe}
e2e_init "$1"
CLOCK_TICKS=$(getconf CLK_TCK)

# The Unix process whose command line matches <regex> in this prefix.
prefix_pid() {
  local pid
  for pid in $(pgrep -u "$(id -u)" -f "$1"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return 0; }
  done
  return 1
}
program_pid() { prefix_pid "^[^ ]*${PROGRAM//./\\.}"; }
ticks_of() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }
# The splash's X window: 436 x 58 pixels at 96 dpi.
splash_on_screen() { e2e_find_visible "$PROGRAM" '436x58\+[0-9]+\+[0-9]+' >/dev/null; }

total_program=0 total_server=0 total_wall=0
for run in $(seq "$RUNS"); do
  folder=$(e2e_new_folder "splash-$run" zero)
  e2e_start "$folder" "$PROGRAM"
  e2e_wait_until 30 splash_on_screen || { echo "the splash did not show"; exit 1; }
  shown=$(e2e_now)
  pid=$(program_pid) server=$(prefix_pid '^[^ ]*/wineserver')
  [ -n "$pid" ] && [ -n "$server" ] || { echo "the program or the Wine server was not found"; exit 1; }
  program_before=$(ticks_of "$pid") server_before=$(ticks_of "$server")
  e2e_wait_until 40 e2e_bar_docked "$PROGRAM" || { echo "the bar did not dock"; exit 1; }
  docked=$(e2e_now)
  read -r program server wall percent < <(awk -v p="$(($(ticks_of "$pid") - program_before))" \
    -v s="$(($(ticks_of "$server") - server_before))" -v hz="$CLOCK_TICKS" -v a="$shown" -v b="$docked" \
    'BEGIN { w = b - a; printf "%.2f %.2f %.2f %.1f\n", p / hz, s / hz, w, 100 * (p + s) / hz / w }')
  e2e_log "run $run: program $program s + Wine server $server s of processor time in the $wall s from the splash to the docked bar ($percent % of one core)"
  total_program=$(awk -v a="$total_program" -v b="$program" 'BEGIN { print a + b }')
  total_server=$(awk -v a="$total_server" -v b="$server" 'BEGIN { print a + b }')
  total_wall=$(awk -v a="$total_wall" -v b="$wall" 'BEGIN { print a + b }')
  wineserver -k; wineserver -w
done
awk -v p="$total_program" -v s="$total_server" -v w="$total_wall" -v n="$RUNS" \
  'BEGIN { printf "mean of %d runs: program %.2f s + Wine server %.2f s of processor time in %.2f s (%.1f %% of one core)\n",
           n, p / n, s / n, w / n, 100 * (p + s) / w }'
