#!/usr/bin/env bash
# Each program is one self-contained file: a GUI program that imports only
# Windows' own DLLs. A MinGW runtime DLL among its imports (libwinpthread-1,
# libstdc++-6, libgcc_s) would stop it at start on a bare Windows.
set -euo pipefail
objdump=$1
shift
allowed=" gdi32.dll kernel32.dll msvcrt.dll user32.dll "
status=0
for exe in "$@"; do
  headers=$("$objdump" -p "$exe")
  if ! grep -q '^Subsystem.*(Windows GUI)' <<<"$headers"; then
    echo "$exe: not a GUI program: $(grep '^Subsystem' <<<"$headers")" >&2
    status=1
  fi
  dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers" | tr 'A-Z' 'a-z' | sort)
  for dll in $dlls; do
    if [[ "$allowed" != *" $dll "* ]]; then
      echo "$exe: imports $dll, which is not part of Windows" >&2
      status=1
    fi
  done
  for needed in gdi32.dll kernel32.dll user32.dll; do
    grep -qx "$needed" <<<"$dlls" || { echo "$exe: does not import $needed" >&2; status=1; }
  done
  echo "$exe imports:" $dlls
done
exit $status
