#!/usr/bin/env bash
# Runs the message-hook self-check (e2e/win_tools/hook_selftest.cpp) under Wine: the Windows
# backend of the control's window-message hook on real windows.
# Usage: check_hook_backend.sh <windows build folder>     Exit: 0 pass, 1 fail, 77 skipped.
source "$(dirname "$0")/lib.sh"
e2e_init "$@"
[ -f "$E2E_BUILD/hook_selftest.exe" ] || e2e_skip "$E2E_BUILD/hook_selftest.exe is missing"
output=$(cd "$E2E_WORK" && wine "$E2E_BUILD/hook_selftest.exe" 2>/dev/null | tr -d '\r')
echo "$output"
e2e_check "the hook self-check ran to its end" grep -q "check(s) failed" <<<"$output"
e2e_check "every hook check passed" grep -q "^0 check(s) failed" <<<"$output"
e2e_finish
