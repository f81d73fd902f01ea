#!/usr/bin/env bash
# Sets up a Debian machine, builds the native tree and both Windows targets, and runs every
# test: unit tests on the simulated platform and the end-to-end checks of the real programs
# under Wine. Exits non-zero when anything fails.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh

for preset in native mingw-i686 mingw-x86_64; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done

# The end-to-end checks share one Wine prefix per run; start from a fresh one.
rm -rf build/wine-prefix e2e-artifacts
ctest --preset native --output-on-failure -j 2
