# Debian packages by purpose, and the check that installs the missing ones.
# Sourced by the run and test scripts.

VESKARO_BUILD_PACKAGES="g++ cmake ninja-build pkgconf libx11-dev libxft-dev
  libfontconfig-dev libxtst-dev libxdamage-dev libgtest-dev libbenchmark-dev"
VESKARO_RUN_PACKAGES="fonts-wqy-microhei"
VESKARO_TEST_PACKAGES="xvfb openbox x11-utils xdotool imagemagick
  g++-mingw-w64-x86-64-posix wine64 fonts-wine icoutils googletest
  clang-14 libclang-rt-14-dev valgrind
  lintian desktop-file-utils appstream dpkg-dev zip unzip python3"

# Installs the packages that are missing when run as root; otherwise names
# the one command that would and fails.
veskaro_require() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}\n' "$pkg" 2>/dev/null | grep -q '^install ok installed$' ||
      missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if [ "$(id -u)" -ne 0 ]; then
    echo "missing packages; install them with: sudo apt-get install -y ${missing[*]}" >&2
    return 1
  fi
  apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}" >/dev/null
}
