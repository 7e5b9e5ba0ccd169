#!/usr/bin/env bash
# Debian's own checks of the package: any error or warning fails; the
# informational tags are shown for the record.
set -euo pipefail
deb=$1

lintian --fail-on error,warning --info --no-tag-display-limit "$deb"
