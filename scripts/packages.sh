# The Debian packages each command of this project needs, and how to tell which are missing.
# Sourced by install-deps.sh and test-all.sh.

# What runs the Windows programs: Wine in a virtual X display, the tools that drive and look at
# it (the Python harness of e2e/harness reads the screen with Pillow), Hangul fonts and the
# Korean locale (code page 949).
TARNWICK_DISPLAY_PACKAGES=(wine wine64 xvfb xdotool x11-utils imagemagick fonts-nanum locales python3 python3-pil)
# The 32-bit Wine, installed in a step of its own: it can fail on its own (a 32-bit package
# index that did not download), and only the 32-bit programs need it.
read -r -a TARNWICK_WINE32_PACKAGES <<<"${TARNWICK_WINE32_PACKAGES:-wine32:i386}"

# tarnwick_packages_for <need>: the packages (32-bit Wine aside) that a command needs.
tarnwick_packages_for() {
  case "$1" in
    tests) echo cmake ninja-build g++ clang pkg-config libgtest-dev libgmock-dev libbenchmark-dev libstb-dev python3-pytest \
                g++-mingw-w64-i686 g++-mingw-w64-x86-64 "${TARNWICK_DISPLAY_PACKAGES[@]}" ;;
    release) echo cmake ninja-build libstb-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 ;;
    run-x86_64) echo cmake ninja-build libstb-dev g++-mingw-w64-x86-64 "${TARNWICK_DISPLAY_PACKAGES[@]}" ;;
    run-i686) echo cmake ninja-build libstb-dev g++-mingw-w64-i686 "${TARNWICK_DISPLAY_PACKAGES[@]}" ;;
    *) return 1 ;;
  esac
}

# tarnwick_package_installed <package>: whether dpkg lists it as installed.
tarnwick_package_installed() {
  [ "$(dpkg-query -W -f='${Status}' "$1" 2>/dev/null)" = "install ok installed" ]
}

# tarnwick_missing_packages <package...>: those not installed, one a line.
tarnwick_missing_packages() {
  local package
  for package in "$@"; do tarnwick_package_installed "$package" || echo "$package"; done
}

# tarnwick_installed_packages <package...>: those installed, one a line.
tarnwick_installed_packages() {
  local package
  for package in "$@"; do ! tarnwick_package_installed "$package" || echo "$package"; done
}

# tarnwick_kernel_runs_i386: whether this machine's kernel runs 32-bit x86 programs. Some
# kernels are built or booted without them (ia32_emulation=0); there the 32-bit Wine cannot run,
# and installed it even stops the 64-bit Wine, whose start script prefers the 32-bit loader. The
# test runs a 93-byte 32-bit program that only exits; a folder where nothing may run (noexec)
# tells nothing and counts as yes. TARNWICK_KERNEL_RUNS_I386=yes|no gives the answer instead.
tarnwick_kernel_runs_i386() {
  case "${TARNWICK_KERNEL_RUNS_I386:-}" in yes) return 0 ;; no) return 1 ;; esac
  local folder status=0
  folder=$(mktemp -d)
  # ELF header, one loadable segment at 0x08048000, then: mov eax, 1; xor ebx, ebx; int 0x80.
  printf '\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00\x01\x00\x00\x00\x54\x80\x04\x08%b%b%b' \
    '\x34\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x00\x34\x00\x20\x00\x01\x00\x00\x00\x00\x00\x00\x00' \
    '\x01\x00\x00\x00\x00\x00\x00\x00\x00\x80\x04\x08\x00\x80\x04\x08\x5d\x00\x00\x00\x5d\x00\x00\x00\x05\x00\x00\x00\x00\x10\x00\x00' \
    '\xb8\x01\x00\x00\x00\x31\xdb\xcd\x80' >"$folder/exit32"
  cp "$(type -P true)" "$folder/true"
  chmod +x "$folder/exit32" "$folder/true"
  if "$folder/true" 2>/dev/null && ! "$folder/exit32" 2>/dev/null; then status=1; fi
  rm -rf "$folder"
  return "$status"
}
