#!/usr/bin/env bash
# The icon files under data/icons/ are the window's own drawing
# (ui/Artwork.cpp) as netlist-render-icons renders it: an artwork changed
# without rendering them again, or a drawing gone wrong, shows here.
#   icons_test.sh RENDERER ICON_FOLDER
set -euo pipefail
out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
QT_QPA_PLATFORM=offscreen "$1" "$out" >/dev/null 2>&1
status=0
for file in "$out"/*; do
    if ! cmp -s "$file" "$2/$(basename "$file")"; then
        echo "FAIL $(basename "$file") is not the artwork's rendering: run scripts/render-icons.sh"
        status=1
    fi
done
exit "$status"
