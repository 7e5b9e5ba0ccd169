#!/usr/bin/env bash
# Makes the Debian package from the build tree and unpacks it into a clean
# folder, where the other package tests find what a user's system would get.
set -euo pipefail
cpack=$1 build=$2 deb=$3 root=$4

rm -f "$deb"
(cd "$build" && "$cpack" --config CPackConfig.cmake -G DEB)
if [ ! -f "$deb" ]; then
  echo "build_deb: CPack made no $deb" >&2
  exit 1
fi
rm -rf "$root"
mkdir -p "$root"
dpkg-deb -x "$deb" "$root"
