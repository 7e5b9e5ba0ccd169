#!/usr/bin/env bash
# The desktop's own validators on the shipped menu entry and metainfo, and
# the names that tie them to each other and to the shipped files.
set -euo pipefail
root=$2
status=0
fail() {
  echo "desktop: $*" >&2
  status=1
}

entry=$root/usr/share/applications/veskaro.desktop
desktop-file-validate "$entry" || fail "desktop-file-validate rejects veskaro.desktop"
for metainfo in "$root"/usr/share/metainfo/*.metainfo.xml; do
  appstreamcli validate --no-net --pedantic "$metainfo" ||
    fail "appstreamcli rejects $(basename "$metainfo")"
  id=$(sed -n 's:.*<id>\(.*\)</id>.*:\1:p' "$metainfo")
  [ "$(basename "$metainfo")" = "$id.metainfo.xml" ] ||
    fail "$(basename "$metainfo") holds the id $id"
  launchable=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$metainfo")
  [ -f "$root/usr/share/applications/$launchable" ] ||
    fail "$id launches $launchable, which the package lacks"
done

exec=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
[ -x "$root/usr/bin/$exec" ] || fail "Exec=$exec is not in /usr/bin"
icon=$(sed -n 's/^Icon=//p' "$entry")
compgen -G "$root/usr/share/icons/hicolor/*/apps/$icon.png" >/dev/null ||
  fail "Icon=$icon is not among the hicolor icons"
exit $status
