#!/usr/bin/env bash
# Sets up a Debian machine, builds the native tree and both Windows targets, and runs every
# test: unit tests on the simulated platform and the end-to-end checks of the real programs
# under Wine. Exits non-zero when anything fails.
#
# Everything the tests use must be there: a missing tool or program fails its test instead of
# skipping it. The one exception is the 32-bit Wine, which a broken 32-bit package index can
# keep from installing, and which a kernel without 32-bit programs cannot run: then the checks that run 32-bit programs under Wine are skipped, each
# by name in ctest's summary, and this is said at the start and at the end.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/packages.sh

bash scripts/install-deps.sh tests

export TARNWICK_REQUIRE_ALL=1
mapfile -t missing_wine32 < <(tarnwick_missing_packages "${TARNWICK_WINE32_PACKAGES[@]}")
if ! tarnwick_kernel_runs_i386; then
  export TARNWICK_WINE32_UNAVAILABLE="this machine's kernel cannot run 32-bit programs, so neither can the 32-bit Wine"
elif [ ${#missing_wine32[@]} -gt 0 ]; then
  export TARNWICK_WINE32_UNAVAILABLE="the 32-bit Wine (${missing_wine32[*]}) could not be installed on this machine"
fi
say_wine32() {
  [ -n "${TARNWICK_WINE32_UNAVAILABLE:-}" ] || return 0
  echo "test-all: NOTE: $TARNWICK_WINE32_UNAVAILABLE; the checks that run 32-bit programs under Wine are skipped$1"
}
say_wine32 " (ctest lists them as 'Skipped')"

for preset in native mingw-i686 mingw-x86_64; do
  started=$SECONDS
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  echo "test-all: $preset configured and built in $((SECONDS - started)) s"
done

# The end-to-end checks share one Wine prefix per run; start from a fresh one.
rm -rf build/wine-prefix e2e-artifacts
status=0
ctest --preset native --output-on-failure -j 2 || status=$?
say_wine32 ": the 32-bit programs were built but not run under Wine"
exit "$status"
