#!/usr/bin/env bash
# Makes the Windows zip and checks that it holds exactly the tested
# veskaro.exe, byte for byte, and the README in Windows line ends.
set -euo pipefail
cpack=$1 cmake=$2 build=$3 zip=$4 exe=$5
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

rm -f "$zip"
(cd "$build" && "$cpack" --config CPackConfig.cmake -G ZIP)
[ -f "$zip" ] || { echo "zip: CPack made no $zip" >&2; exit 1; }
(cd "$tmp" && "$cmake" -E tar xf "$zip")

listing=$(cd "$tmp" && find . -mindepth 1 | sort | tr '\n' ' ')
if [ "$listing" != "./README.txt ./veskaro.exe " ]; then
  echo "zip: holds $listing instead of README.txt and veskaro.exe" >&2
  exit 1
fi
cmp "$exe" "$tmp/veskaro.exe" || { echo "zip: veskaro.exe is not the tested $exe" >&2; exit 1; }
lines=$(wc -l <"$tmp/README.txt")
crlf=$(grep -c $'\r$' "$tmp/README.txt" || true)
if [ "$lines" -eq 0 ] || [ "$crlf" -ne "$lines" ]; then
  echo "zip: README.txt has $crlf CRLF line ends in $lines lines" >&2
  exit 1
fi
