#!/usr/bin/env bash
# The processor time the launcher uses while its splash shows: from the start of the process
# to the moment its bar docks (fade in, hold, fade out, pause: about 4.5 s), as user + system
# time from /proc/<pid>/stat, in seconds and in % of one core over that time. Runs <runs>
# starts (3 by default) and prints each and their mean.
# Not a ctest check: it reports figures and fails only when it cannot measure.
# Usage: measure_splash_cpu.sh <windows build folder> [runs] [program, default TarnwickLauncher.exe]
source "$(dirname "$0")/lib.sh"
RUNS=${2:-3}
PROGRAM=${3:-TarnwickLauncher.exe}
e2e_init "$1"
CLOCK_TICKS=$(getconf CLK_TCK)

# The Unix process of <program.exe> in this prefix.
program_pid() {
  local pid
  for pid in $(pgrep -u "$(id -u)" -f "^[^ ]*${PROGRAM//./\\.}"); do
    tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX" && { echo "$pid"; return 0; }
  done
  return 1
}
ticks_of() { sed 's/^.*) //' "/proc/$1/stat" | awk '{ print $12 + $13 }'; }

total_cpu=0 total_wall=0
for run in $(seq "$RUNS"); do
  folder=$(e2e_new_folder "splash-$run" zero)
  started=$(e2e_now)
  e2e_start "$folder" "$PROGRAM"
  e2e_wait_until 30 program_pid >/dev/null || { echo "$PROGRAM did not start"; exit 1; }
  pid=$(program_pid)
  e2e_wait_until 40 e2e_bar_docked "$PROGRAM" || { echo "the bar did not dock"; exit 1; }
  ticks=$(ticks_of "$pid")
  docked=$(e2e_now)
  read -r cpu wall percent < <(awk -v t="$ticks" -v hz="$CLOCK_TICKS" -v a="$started" -v b="$docked" \
    'BEGIN { c = t / hz; w = b - a; printf "%.2f %.2f %.1f\n", c, w, 100 * c / w }')
  e2e_log "run $run: $cpu s of processor time in $wall s from the start to the docked bar ($percent % of one core)"
  total_cpu=$(awk -v a="$total_cpu" -v b="$cpu" 'BEGIN { print a + b }')
  total_wall=$(awk -v a="$total_wall" -v b="$wall" 'BEGIN { print a + b }')
  wineserver -k; wineserver -w
done
awk -v c="$total_cpu" -v w="$total_wall" -v n="$RUNS" \
  'BEGIN { printf "mean of %d runs: %.2f s of processor time in %.2f s (%.1f %% of one core)\n", n, c / n, w / n, 100 * c / w }'
