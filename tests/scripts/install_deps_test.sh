#!/usr/bin/env bash
# Tests of scripts/install-deps.sh against a stand-in package manager (apt-get, dpkg-query and
# dpkg on PATH that record their calls), and of how the end-to-end checks treat what is missing.
set -uo pipefail
# The test command exports what it found; each case here sets what it needs.
unset TARNWICK_REQUIRE_ALL TARNWICK_WINE32_UNAVAILABLE TARNWICK_WINE32_PACKAGES TARNWICK_APT_TRIES TARNWICK_APT_PAUSE
repo=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
passes=0

fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
pass() { passes=$((passes + 1)); }
expect_contains() {  # <what> <text> <expected part>
  if grep -qF -- "$3" <<<"$2"; then pass; else fail "$1: expected \"$3\" in:"; sed 's/^/    /' <<<"$2"; fi
}
expect_lacks() {  # <what> <text> <part that must not be there>
  if grep -qF -- "$3" <<<"$2"; then fail "$1: did not expect \"$3\" in:"; sed 's/^/    /' <<<"$2"; else pass; fi
}
expect_status() {  # <what> <status> <expected>
  if [ "$2" -eq "$3" ]; then pass; else fail "$1: exit status $2, expected $3"; fi
}

# The stand-in: FAKE_UPDATE_FAILURES update calls fail like a mirror in the middle of a sync,
# FAKE_UNINSTALLABLE names packages that cannot be installed, installed packages are listed in
# $work/installed, and every call is written to $work/calls.
mkdir -p "$work/bin"
cat >"$work/bin/apt-get" <<'FAKE'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE_DIR/calls"
if [ "$1" = update ]; then
  count=$(($(cat "$FAKE_DIR/updates" 2>/dev/null || echo 0) + 1))
  echo "$count" >"$FAKE_DIR/updates"
  if [ "$count" -le "${FAKE_UPDATE_FAILURES:-0}" ]; then
    echo "Err:6 http://mirror.test/debian-security bookworm-security/main i386 Packages"
    echo "E: Failed to fetch http://mirror.test/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress?"
    echo "E: Some index files failed to download. They have been ignored, or old ones used instead."
    exit 100
  fi
  exit 0
fi
for package in "$@"; do
  case " ${FAKE_UNINSTALLABLE:-} " in *" $package "*) echo "E: Unable to locate package $package"; exit 100 ;; esac
done
for package in "$@"; do case "$package" in -*) ;; *) echo "$package" >>"$FAKE_DIR/installed" ;; esac; done
FAKE
cat >"$work/bin/dpkg-query" <<'FAKE'
#!/usr/bin/env bash
package=${!#}
grep -qxF -- "$package" "$FAKE_DIR/installed" 2>/dev/null && printf 'install ok installed' && exit 0
exit 1
FAKE
cat >"$work/bin/dpkg" <<'FAKE'
#!/usr/bin/env bash
echo "dpkg $*" >>"$FAKE_DIR/calls"
FAKE
printf '#!/usr/bin/env bash\n"$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

# install <need> [VAR=value ...]: runs install-deps.sh with a fresh stand-in; sets out and status.
install() {
  local need=$1; shift
  rm -f "$work/calls" "$work/updates" "$work/installed"
  touch "$work/installed" "$work/calls"
  out=$(env PATH="$work/bin:$PATH" FAKE_DIR="$work" TARNWICK_APT_PAUSE=0 TARNWICK_APT_TRIES=3 TARNWICK_KERNEL_RUNS_I386=yes "$@" \
    bash "$repo/scripts/install-deps.sh" "$need" 2>&1)
  status=$?
  calls=$(cat "$work/calls")
}

# A broken index: three tries, then the install goes on and names the index; the 32-bit Wine
# fails in its own step and everything else stays installed.
install tests FAKE_UPDATE_FAILURES=99 FAKE_UNINSTALLABLE=wine32:i386
expect_status "broken index, tests" "$status" 0
expect_contains "broken index, tests" "$out" "trying again"
expect_contains "broken index, tests" "$out" "could not be updated after 3 tries"
expect_contains "broken index, tests" "$out" "binary-i386/Packages.xz  File has unexpected size"
expect_contains "broken index, tests" "$out" "the 32-bit Wine (wine32:i386) could not be installed; everything else is installed"
[ "$(grep -c '^apt-get update' <<<"$calls")" -eq 3 ] && pass || fail "broken index: expected 3 updates, calls: $calls"
grep -qxF g++-mingw-w64-i686 "$work/installed" && grep -qxF wine64 "$work/installed" && pass ||
  fail "broken index: the 64-bit packages were not installed"

# An index that comes back on the second try: no complaint about it.
install tests FAKE_UPDATE_FAILURES=1
expect_status "index back on the second try" "$status" 0
expect_lacks "index back on the second try" "$out" "could not be updated"
grep -qxF wine32:i386 "$work/installed" && pass || fail "index back: the 32-bit Wine was not installed"

# The 64-bit run never asks for the 32-bit Wine nor the i386 architecture.
install run-x86_64 FAKE_UNINSTALLABLE=wine32:i386
expect_status "64-bit run" "$status" 0
expect_lacks "64-bit run" "$calls" "wine32"
expect_lacks "64-bit run" "$calls" "add-architecture"
expect_lacks "64-bit run" "$calls" "libgtest-dev"

# The 32-bit run cannot do without the 32-bit Wine.
install run-i686 FAKE_UNINSTALLABLE=wine32:i386
expect_status "32-bit run without 32-bit Wine" "$status" 1
expect_contains "32-bit run without 32-bit Wine" "$out" "the 32-bit launcher cannot run without it"

# Any other package that cannot be installed fails the set-up.
install tests FAKE_UNINSTALLABLE=xdotool
[ "$status" -ne 0 ] && pass || fail "an uninstallable xdotool ended with status 0"

# A named stand-in for the 32-bit Wine is what the script installs.
install tests TARNWICK_WINE32_PACKAGES=no-such-wine32 FAKE_UNINSTALLABLE=no-such-wine32
expect_status "unknown 32-bit Wine package" "$status" 0
expect_contains "unknown 32-bit Wine package" "$out" "the 32-bit Wine (no-such-wine32) could not be installed"

# Nothing to do when everything is there.
rm -f "$work/installed"
source "$repo/scripts/packages.sh"
tarnwick_packages_for tests | tr ' ' '\n' >"$work/everything"
echo wine32:i386 >>"$work/everything"
out=$(env PATH="$work/bin:$PATH" FAKE_DIR="$work" TARNWICK_KERNEL_RUNS_I386=yes bash -c "cp '$work/everything' '$work/installed'; rm -f '$work/calls'; bash '$repo/scripts/install-deps.sh' tests")
expect_contains "all installed" "$out" "everything is installed"
[ ! -s "$work/calls" ] && pass || fail "all installed: the package manager was called"

# A kernel without 32-bit programs: the 32-bit Wine could not run there, and installed it stops
# the 64-bit Wine too. It is never asked for; found installed, it ends the set-up with the way out.
install tests TARNWICK_KERNEL_RUNS_I386=no
expect_status "kernel without 32-bit programs, tests" "$status" 0
expect_contains "kernel without 32-bit programs, tests" "$out" "kernel cannot run 32-bit programs, so the 32-bit Wine is not installed; everything else is installed"
expect_lacks "kernel without 32-bit programs, tests" "$calls" "wine32"
expect_lacks "kernel without 32-bit programs, tests" "$calls" "add-architecture"
grep -qxF wine64 "$work/installed" && pass || fail "kernel without 32-bit programs: the 64-bit Wine was not installed"
install run-i686 TARNWICK_KERNEL_RUNS_I386=no
expect_status "kernel without 32-bit programs, 32-bit run" "$status" 1
expect_contains "kernel without 32-bit programs, 32-bit run" "$out" "the 32-bit launcher cannot run without it"
install run-x86_64 TARNWICK_KERNEL_RUNS_I386=no
expect_status "kernel without 32-bit programs, 64-bit run" "$status" 0
expect_lacks "kernel without 32-bit programs, 64-bit run" "$out" "32-bit"
for need in tests run-x86_64; do
  out=$(env PATH="$work/bin:$PATH" FAKE_DIR="$work" TARNWICK_KERNEL_RUNS_I386=no bash -c "echo wine32:i386 >'$work/installed'; bash '$repo/scripts/install-deps.sh' $need" 2>&1)
  status=$?
  expect_status "32-bit Wine installed on a kernel without 32-bit programs, $need" "$status" 1
  expect_contains "32-bit Wine installed on a kernel without 32-bit programs, $need" "$out" "remove it with: apt-get remove wine32:i386"
done

# The end-to-end checks: a 32-bit check skips with the reason the test command gives; anything
# else missing fails under the test command and skips when a check is run by hand.
check_init() {  # <build folder> [VAR=value ...]
  local folder=$1; shift
  out=$(cd "$repo/e2e" && env "$@" /usr/bin/python3 -m pytest -q -p no:cacheprovider test_startup.py --win-build "$folder" 2>&1)
  status=$?
}
check_init "$work/none/mingw-i686" TARNWICK_REQUIRE_ALL=1 TARNWICK_WINE32_UNAVAILABLE="no 32-bit Wine here"
expect_status "32-bit check without 32-bit Wine" "$status" 77
expect_contains "32-bit check without 32-bit Wine" "$out" "SKIPPED: no 32-bit Wine here"
check_init "$work/none/mingw-x86_64" TARNWICK_REQUIRE_ALL=1 TARNWICK_WINE32_UNAVAILABLE="no 32-bit Wine here"
expect_status "64-bit check with a missing build" "$status" 1
expect_contains "64-bit check with a missing build" "$out" "FAILED:"
check_init "$work/none/mingw-x86_64"
expect_status "64-bit check run by hand with a missing build" "$status" 77

echo "$passes passed, $failures failed"
[ "$failures" -eq 0 ]
