#!/usr/bin/env bash
# Builds the release zips of both Windows architectures (each: both programs, the sample
# folder beside them, README.txt for Windows users, the licence) and puts them in build/release/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh release
mkdir -p build/release
for preset in mingw-i686 mingw-x86_64; do
  cmake --preset "$preset" >/dev/null
  rm -f "build/$preset"/TarnwickLauncher-*.zip
  cmake --build --preset "$preset" --target package
  cp "build/$preset"/TarnwickLauncher-*-"${preset#mingw-}".zip build/release/
done
ls -l build/release/
