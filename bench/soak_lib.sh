# Shared part of the soak scripts: they drive the real programs under Wine with real X input for
# a long while (see e2e/lib.sh) and read, from outside the program, its USER and GDI object
# counts and its private memory with e2e/win_tools/process_probe.exe. Each reading is a row of
# a table kept in e2e-artifacts/soak/<arch>/<name>.txt; soak_verdict compares the last row with
# the warm reference row.
#
# Exit codes of a soak: 0 measured and flat, 1 it could not drive or measure the program,
# 3 measured and not flat, 77 Wine or a program is missing.

source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh"

# Private memory may grow by this much between the reference and the end without being called a
# leak: the heap settles in steps of a few pages.
SOAK_MEMORY_SLACK_KB=${SOAK_MEMORY_SLACK_KB:-256}

# soak_init <windows build folder>
soak_init() {
  e2e_init "$1"
  [ -f "$E2E_BUILD/process_probe.exe" ] || e2e_skip "$E2E_BUILD/process_probe.exe is missing"
  E2E_ARTIFACTS="$E2E_REPO/e2e-artifacts/soak/$E2E_ARCH"
  mkdir -p "$E2E_ARTIFACTS"
  # The sample folder's config.ini is in code page 949, as a Korean Windows reads it.
  e2e_korean_locale || exit 1
}

# "user gdi private_kb counts" of the one running copy of <program.exe>; fails when there is none.
soak_figures() {
  wine "$E2E_BUILD/process_probe.exe" "$1" 2>/dev/null | "$E2E_PYTHON" "$E2E_REPO/e2e/harness/processes.py"
}

# soak_start_table <name>: a new table; its path is SOAK_TABLE.
soak_start_table() {
  SOAK_TABLE="$E2E_ARTIFACTS/$1.txt"
  printf '%-22s %6s %6s %11s  %s\n' step user gdi private_kb counts >"$SOAK_TABLE"
}

# soak_record <step> <program.exe>: one reading as a row of the table, also shown on the log.
soak_record() {
  local figures
  figures=$(soak_figures "$2") || { e2e_log "no running $2 to measure at '$1'"; return 1; }
  # shellcheck disable=SC2086  # the figures are four words
  printf '%-22s %6s %6s %11s  %s\n' "$1" $figures >>"$SOAK_TABLE"
  e2e_log "$1: user gdi private_kb = $figures"
}

# soak_verdict <reference step>: compares the table's last row with the reference row and
# prints the table and the verdict. Returns 0 when flat, 3 when not.
soak_verdict() {
  cat "$SOAK_TABLE"
  awk -v ref="$1" -v slack="$SOAK_MEMORY_SLACK_KB" '
    NR > 1 { last_step = $1; user = $2; gdi = $3; memory = $4 }
    NR > 1 && $1 == ref { ref_user = $2; ref_gdi = $3; ref_memory = $4; seen = 1 }
    END {
      if (!seen) { print "verdict: no reference row " ref; exit 3 }
      printf "verdict (%s against %s): user %+d, gdi %+d, private %+d KB: ", last_step, ref,
        user - ref_user, gdi - ref_gdi, memory - ref_memory
      flat = user <= ref_user && gdi <= ref_gdi && memory - ref_memory <= slack
      print flat ? "flat" : "NOT flat"
      exit flat ? 0 : 3
    }' "$SOAK_TABLE" | tee -a "$SOAK_TABLE"
  return "${PIPESTATUS[0]}"
}

# Real X input: a left click at <x> <y>, after Wine has seen the pointer arrive there.
soak_click() {
  xdotool mousemove "$1" "$2"
  sleep 0.15
  xdotool click 1
}
