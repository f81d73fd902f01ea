#!/usr/bin/env bash
# The probe that the soaks read a program's objects and memory with (process_probe.exe) counts
# what a program really holds: a holder with 40 more child windows, 100 more brushes and 32 MB
# more private memory than an empty one reads 40 USER objects, 100 GDI objects and about 32 MB
# more; and the launcher, read while it runs, holds windows, GDI objects and memory.
# Usage: check_process_probe.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
for tool in process_probe.exe resource_holder.exe; do
  [ -f "$E2E_BUILD/$tool" ] || e2e_skip "$E2E_BUILD/$tool is missing"
done

# "user gdi private_kb counts" of the running <program.exe>.
figures_of() {
  wine "$E2E_BUILD/process_probe.exe" "$1" 2>/dev/null | tr -d '\r' |
    sed -n 's/^process pid=[0-9]* user=\([-0-9]*\) gdi=\([-0-9]*\) private_kb=\([0-9]*\) counts=\([a-z]*\)$/\1 \2 \3 \4/p' | head -1
}
holder_running() { [ -n "$(figures_of resource_holder.exe)" ]; }

# holder_figures <windows> <brushes> <megabytes>: the figures of a holder started with those
# (nothing when it did not start; a loaded machine may take its time to start Wine).
holder_figures() {
  (cd "$E2E_WORK" && exec wine "$E2E_BUILD/resource_holder.exe" "$@" >/dev/null 2>&1 &)
  if e2e_wait_until 90 holder_running; then
    sleep 1
    figures_of resource_holder.exe
  else
    e2e_log "resource_holder.exe $* did not start" >&2
  fi
  wineserver -k; wineserver -w
}
numbers() { [[ "$*" =~ ^[0-9]+( [0-9]+)*$ ]]; }

read -r user0 gdi0 memory0 counts < <(holder_figures 0 0 0)
read -r user1 gdi1 memory1 _ < <(holder_figures 40 100 32)
e2e_log "empty holder: user $user0 gdi $gdi0 private $memory0 KB; loaded: user $user1 gdi $gdi1 private $memory1 KB ($counts)"
if ! numbers "$user0" "$gdi0" "$memory0" "$user1" "$gdi1" "$memory1"; then
  e2e_fail "the probe read both holders"
  e2e_finish
fi
e2e_check "40 child windows more read as 40 USER objects more" test "$((user1 - user0))" -eq 40
e2e_check "100 brushes more read as 100 GDI objects more" test "$((gdi1 - gdi0))" -eq 100
e2e_check "32 MB written more read as 32 to 34 MB of private memory more" \
  e2e_in_range "$((memory1 - memory0))" 32768 34816

folder=$(e2e_new_folder probe-launcher zero)
e2e_start_docked "$folder" TarnwickLauncher.exe retry
read -r user gdi memory _ < <(figures_of TarnwickLauncher.exe)
e2e_log "launcher: user ${user:-?} gdi ${gdi:-?} private ${memory:-?} KB"
e2e_check "the launcher's windows are counted (bar, splash, their controls)" test "${user:-0}" -ge 27
e2e_check "...its GDI objects (the bar's 25 pictures among them)" test "${gdi:-0}" -ge 25
e2e_check "...and its private memory" test "${memory:-0}" -gt 1024
e2e_finish
