#!/usr/bin/env bash
# Installs what building and testing the launcher needs on a Debian machine: the native
# toolchain and test libraries, both mingw-w64 cross compilers, Wine (64- and 32-bit), a
# virtual X display and the tools the end-to-end checks drive it with.
set -euo pipefail

packages=(
  cmake ninja-build g++ clang pkg-config libgtest-dev libgmock-dev libbenchmark-dev libstb-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 wine32:i386 xvfb xdotool x11-utils imagemagick fonts-nanum locales
)

missing=()
for package in "${packages[@]}"; do
  dpkg -s "$package" >/dev/null 2>&1 || missing+=("$package")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: everything is installed"
  exit 0
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
echo "install-deps: installing ${missing[*]}"
"${sudo_cmd[@]}" dpkg --add-architecture i386
"${sudo_cmd[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
