#!/usr/bin/env bash
# Makes a fresh Wine prefix for this test run (ctest runs this before the end-to-end checks,
# which then share the prefix). Skips (77) where Wine or Xvfb is missing.
source "$(dirname "$0")/lib.sh"
e2e_require_tools
trap e2e_cleanup EXIT
e2e_start_xvfb
e2e_prepare_prefix --fresh || exit 1
e2e_log "Wine prefix ready: $WINEPREFIX"
