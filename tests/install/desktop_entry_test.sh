#!/usr/bin/env bash
# desktop-file-validate on the desktop entry; exit 77 (skipped) without the tool.
# Usage: desktop_entry_test.sh DESKTOP_FILE
set -euo pipefail
command -v desktop-file-validate >/dev/null || {
  echo "desktop-file-validate is not installed"
  exit 77
}
desktop-file-validate "$1"
for key in "Name=KelvoEd" "Categories=Graphics;2DGraphics;" "Icon=kelvoed" \
  "MimeType=application/x-kelvoed-gallery;"; do
  grep -qxF "$key" "$1" || {
    echo "FAIL: $1 lacks $key" >&2
    exit 1
  }
done
