#!/usr/bin/env bash
# What the package installs and what it depends on: every file a desktop
# looks for, a Depends line that covers each library the binary links, and
# relations that this Debian can satisfy.
set -euo pipefail
deb=$1 root=$2
status=0
fail() {
  echo "contents: $*" >&2
  status=1
}

files=(
  usr/bin/veskaro
  usr/share/applications/veskaro.desktop
  usr/share/metainfo/io.github.veskaro.veskaro.metainfo.xml
  usr/share/man/man1/veskaro.1.gz
  usr/share/doc/veskaro/copyright
  usr/share/doc/veskaro/changelog.gz
)
for size in 16 32 48 64 128; do
  files+=("usr/share/icons/hicolor/${size}x${size}/apps/veskaro.png")
done
for f in "${files[@]}"; do
  [ -f "$root/$f" ] || fail "missing /$f"
done
[ -x "$root/usr/bin/veskaro" ] || fail "/usr/bin/veskaro is not executable"

# Each hicolor icon has the size its folder names.
for png in "$root"/usr/share/icons/hicolor/*/apps/veskaro.png; do
  folder=$(basename "$(dirname "$(dirname "$png")")")
  actual=$(identify -format '%wx%h' "$png")
  [ "$actual" = "$folder" ] || fail "icon in $folder is $actual"
done

# Depends must name the package of every library the binary links.
depends=$(dpkg-deb -f "$deb" Depends)
depended=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null)
for soname in $(objdump -p "$root/usr/bin/veskaro" | awk '$1 == "NEEDED" {print $2}'); do
  owner=$(dpkg -S "*/$multiarch/$soname" 2>/dev/null | head -n 1 | cut -d: -f1)
  if [ -z "$owner" ]; then
    fail "no installed package holds $soname"
  elif ! grep -qxF "$owner" <<<"$depended"; then
    fail "Depends ($depends) lacks $owner, which holds $soname"
  fi
done
dpkg-checkbuilddeps -d "$depends" /dev/null || fail "Depends cannot be met here"

# A misspelt Recommends would be dropped without a word by apt.
recommends=$(dpkg-deb -f "$deb" Recommends)
[ -n "$recommends" ] || fail "no Recommends (the CJK font)"
for pkg in ${recommends//,/ }; do
  apt-cache show --no-all-versions "$pkg" >/dev/null 2>&1 || fail "no such package: $pkg"
done
exit $status
