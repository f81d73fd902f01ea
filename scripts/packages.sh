# The Debian packages each command of this project needs, and how to tell which are missing.
# Sourced by install-deps.sh and test-all.sh.

# What runs the Windows programs: Wine in a virtual X display, the tools that drive and look at
# it, Hangul fonts and the Korean locale (code page 949).
TARNWICK_DISPLAY_PACKAGES=(wine wine64 xvfb xdotool x11-utils imagemagick fonts-nanum locales)
# The 32-bit Wine, installed in a step of its own: it can fail on its own (a 32-bit package
# index that did not download), and only the 32-bit programs need it.
read -r -a TARNWICK_WINE32_PACKAGES <<<"${TARNWICK_WINE32_PACKAGES:-wine32:i386}"

# tarnwick_packages_for <need>: the packages (32-bit Wine aside) that a command needs.
tarnwick_packages_for() {
  case "$1" in
    tests) echo cmake ninja-build g++ clang pkg-config libgtest-dev libgmock-dev libbenchmark-dev libstb-dev \
                g++-mingw-w64-i686 g++-mingw-w64-x86-64 "${TARNWICK_DISPLAY_PACKAGES[@]}" ;;
    release) echo cmake ninja-build libstb-dev g++-mingw-w64-i686 g++-mingw-w64-x86-64 ;;
    run-x86_64) echo cmake ninja-build libstb-dev g++-mingw-w64-x86-64 "${TARNWICK_DISPLAY_PACKAGES[@]}" ;;
    run-i686) echo cmake ninja-build libstb-dev g++-mingw-w64-i686 "${TARNWICK_DISPLAY_PACKAGES[@]}" ;;
    *) return 1 ;;
  esac
}

# tarnwick_missing_packages <package...>: those dpkg does not list as installed, one a line.
tarnwick_missing_packages() {
  local package
  for package in "$@"; do
    [ "$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null)" = "install ok installed" ] || echo "$package"
  done
}
