# Wine for the tests, sourced by the scripts here.

VESKARO_WINE=/usr/lib/wine/wine64
VESKARO_WINESERVER=/usr/lib/wine/wineserver64
[ -x "$VESKARO_WINESERVER" ] || VESKARO_WINESERVER=/usr/lib/wine/wineserver
export WINEDEBUG=-all
# Without Mono and Gecko Wine would offer to download them.
export WINEDLLOVERRIDES="mscoree,mshtml="

veskaro_wine_here=$(dirname "$(readlink -f "${BASH_SOURCE[0]}")")

# Sets WINEPREFIX to the prefix for `purpose` (unit, e2e), under /tmp;
# `owner`, a folder, tells the prefixes of one purpose apart.
veskaro_wine_use_prefix() {
  export WINEPREFIX="/tmp/veskaro-wine-$(id -u)-$1"
  [ -z "${2:-}" ] || WINEPREFIX="$WINEPREFIX-$(printf '%s' "$2" | cksum | cut -d' ' -f1)"
}

# Makes the prefix unless one made by this Wine is there already; several
# test processes may ask at once.
veskaro_wine_ensure_prefix() {
  local version
  version=$("$VESKARO_WINE" --version)
  (
    flock 9
    if [ "$(cat "$WINEPREFIX/.veskaro-ready" 2>/dev/null)" != "$version" ]; then
      # Wine's server must not inherit the lock, or it holds it for good.
      veskaro_wine_make_prefix >"$WINEPREFIX.log" 2>&1 9>&-
      echo "$version" >"$WINEPREFIX/.veskaro-ready"
    fi
  ) 9>"$WINEPREFIX.lock"
}

# A fresh prefix, with the settings and fonts that the tests rely on.
veskaro_wine_make_prefix() {
  "$VESKARO_WINESERVER" -k 2>/dev/null || true
  rm -rf "$WINEPREFIX"
  mkdir -p "$WINEPREFIX"
  # No display: the first boot needs none, and shows nothing on one.
  (unset DISPLAY; "$VESKARO_WINE" wineboot --init </dev/null)
  # Debian's Wine 8 does not find its own fonts in its data folder; without
  # them the caption buttons show letters.
  cp /usr/share/wine/fonts/*.ttf "$WINEPREFIX/drive_c/windows/Fonts/"
  (unset DISPLAY; "$VESKARO_WINE" reg import "$veskaro_wine_here/wine-settings.reg" </dev/null)
  # What the boot left running knows no display; the next start begins anew.
  "$VESKARO_WINESERVER" -k
  "$VESKARO_WINESERVER" -w
}

# Keeps the server up between the launches of a test run, and starts Wine's
# services from a process whose output goes nowhere: they inherit it, and a
# pipe they held open would never end.
veskaro_wine_warm_up() {
  veskaro_wine_start_server "${1:--p60}"
  "$VESKARO_WINE" cmd /c exit </dev/null >/dev/null 2>&1 || true
}

# A server that outlives each program by a minute, or with -p until it is
# stopped; one that runs already keeps its own setting, so this has to come
# before any other Wine process.
veskaro_wine_start_server() {
  "$VESKARO_WINESERVER" "${1:--p60}" </dev/null >/dev/null 2>&1 || true
}
