#!/usr/bin/env bash
# The README's first command, scripts/run-sample.sh, without a display: it exits 0 after a run
# in which the bar and the side panel showed, with its three screenshots saved, and non-zero
# with a message when the program it runs does not start (here a program that ends at once).
# Usage: check_run_sample.sh <windows build folder>
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
[ -f "$E2E_BUILD/write_marker.exe" ] || e2e_skip "$E2E_BUILD/write_marker.exe is missing"
shots="$E2E_REPO/e2e-artifacts/run"

# run_sample [VAR=value ...]: runs the script for this build without a display; its output is
# kept in $E2E_WORK/run.log and in the build's artefacts.
run_sample() {
  env -u DISPLAY TARNWICK_ARCH="$E2E_ARCH" "$@" bash "$E2E_REPO/scripts/run-sample.sh" >"$E2E_WORK/run.log" 2>&1
}
saved() { [ -s "$shots/$1.png" ] && cp "$shots/$1.png" "$E2E_ARTIFACTS/run-sample-$1.png"; }

rm -rf "$shots"
run_sample
status=$?
cp "$E2E_WORK/run.log" "$E2E_ARTIFACTS/run-sample.log"
e2e_check "run-sample.sh exits 0 after a run that worked (it exited $status)" test "$status" -eq 0
for shot in splash bar side-panel; do
  e2e_check "...and saved its $shot screenshot" saved "$shot"
done

run_sample TARNWICK_PROGRAM=write_marker.exe
status=$?
cp "$E2E_WORK/run.log" "$E2E_ARTIFACTS/run-sample-not-started.log"
e2e_check "run-sample.sh exits non-zero when the program does not start (it exited $status)" test "$status" -ne 0
e2e_check "...and says so" grep -q "did not start" "$E2E_WORK/run.log"
e2e_finish
