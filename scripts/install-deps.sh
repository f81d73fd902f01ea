#!/usr/bin/env bash
# Installs the Debian packages that one command of this project needs.
#
#   install-deps.sh tests        everything: the native toolchain and test libraries, both
#                                mingw-w64 cross compilers, 64- and 32-bit Wine, a virtual X
#                                display and the tools the end-to-end checks drive it with
#   install-deps.sh release      what building the release zips needs
#   install-deps.sh run-x86_64   what running the 64-bit launcher under Wine needs
#   install-deps.sh run-i686     what running the 32-bit launcher under Wine needs
#
# A package index that fails to download (a mirror in the middle of a sync) is retried a few
# times; after that the install goes on with the indexes at hand and names the one that failed.
# The 32-bit Wine comes in a second step: for `tests` its failure leaves everything else
# installed, is said plainly, and ends with status 0 (test-all.sh then skips the 32-bit Wine
# checks by name); for `run-i686`, which cannot work without it, it ends with status 1.
# On a kernel that cannot run 32-bit programs the 32-bit Wine is never installed (it could not
# run, and it would stop the 64-bit Wine too): said, and treated as a failed 32-bit step. Found
# installed on such a kernel, it ends the script with status 1 and the command that removes it.
# Every other package that cannot be installed ends the script with a non-zero status.
#
# TARNWICK_WINE32_PACKAGES names the 32-bit Wine packages (default wine32:i386);
# TARNWICK_APT_TRIES and TARNWICK_APT_PAUSE set the index retries (default 4 tries, 20 s apart).
set -euo pipefail

source "$(dirname "$0")/packages.sh"
need=${1:-tests}
tries=${TARNWICK_APT_TRIES:-4}
pause=${TARNWICK_APT_PAUSE:-20}

packages_line=$(tarnwick_packages_for "$need") || {
  echo "usage: $0 [tests|release|run-x86_64|run-i686]" >&2
  exit 2
}
read -r -a packages <<<"$packages_line"
# Only the tests and the 32-bit run use the 32-bit Wine; the run cannot do without it.
wine32_packages=()
wine32_required=0
case "$need" in
  tests) wine32_packages=("${TARNWICK_WINE32_PACKAGES[@]}") ;;
  run-i686) wine32_packages=("${TARNWICK_WINE32_PACKAGES[@]}"); wine32_required=1 ;;
esac

say() { echo "install-deps: $*"; }
# Without 32-bit programs the 32-bit Wine is a failed step from the start.
no_wine32() {  # <reason>
  if [ "$wine32_required" = 1 ]; then
    say "$1: the 32-bit launcher cannot run without it"
    exit 1
  fi
  say "$1; everything else is installed"
  exit 0
}
kernel_runs_i386=1
if [ "$need" != release ] && ! tarnwick_kernel_runs_i386; then
  kernel_runs_i386=0
  mapfile -t installed_wine32 < <(tarnwick_installed_packages "${TARNWICK_WINE32_PACKAGES[@]}")
  if [ ${#installed_wine32[@]} -gt 0 ]; then
    say "the 32-bit Wine (${installed_wine32[*]}) is installed, but this machine's kernel cannot run 32-bit programs:"
    say "no Wine program starts while it is there; remove it with: apt-get remove ${installed_wine32[*]}"
    exit 1
  fi
  wine32_packages=()
fi
mapfile -t missing < <(tarnwick_missing_packages "${packages[@]}")
mapfile -t missing_wine32 < <(tarnwick_missing_packages "${wine32_packages[@]}")
wine32_done() {
  [ "$kernel_runs_i386" = 1 ] || [ "$need" = run-x86_64 ] || no_wine32 "this machine's kernel cannot run 32-bit programs, so the 32-bit Wine is not installed"
  exit 0
}
if [ ${#missing[@]} -eq 0 ] && [ ${#missing_wine32[@]} -eq 0 ]; then
  [ "$kernel_runs_i386" = 0 ] || say "everything is installed"
  wine32_done
fi

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo)
apt_install() {
  DEBIAN_FRONTEND=noninteractive "${as_root[@]}" apt-get install -y -qq "$@"
}

# Updates the package indexes, trying again while some fail; then goes on with what it has.
update_indexes() {
  local try output
  for try in $(seq "$tries"); do
    if output=$("${as_root[@]}" apt-get update 2>&1); then
      return 0
    fi
    if [ "$try" -lt "$tries" ]; then
      say "updating the package indexes failed (try $try of $tries); trying again in ${pause} s"
      sleep "$pause"
    fi
  done
  say "these package indexes could not be updated after $tries tries; going on with the indexes at hand:"
  grep '^E: Failed to fetch' <<<"$output" | sed 's/^E: Failed to fetch /install-deps:   /' || tail -5 <<<"$output"
}

if [ ${#wine32_packages[@]} -gt 0 ]; then
  "${as_root[@]}" dpkg --add-architecture i386
fi
update_indexes

if [ ${#missing[@]} -gt 0 ]; then
  say "installing ${missing[*]}"
  apt_install "${missing[@]}"
fi

[ ${#missing_wine32[@]} -gt 0 ] || wine32_done
say "installing the 32-bit Wine: ${missing_wine32[*]}"
apt_install "${missing_wine32[@]}" && exit 0
no_wine32 "the 32-bit Wine (${missing_wine32[*]}) could not be installed"
