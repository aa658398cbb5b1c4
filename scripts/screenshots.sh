#!/usr/bin/env bash
# Renders the main window (before and after start-up on the sample board, on
# a schematic, and with a KiCad board dropped on it), the About box and the
# start-up failure box to PNG files under docs/screenshots/, on Qt's
# offscreen platform, so no display is needed.
#   scripts/screenshots.sh [BUILD_DIR]    (default: build)
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
scripts/ensure-packages.sh
if ! scripts/build.sh "$dir" -- --target render_screenshots; then
    echo "screenshots: cannot build render_screenshots in $dir (is Qt 6 installed?)" >&2
    exit 1
fi
mkdir -p docs/screenshots
# The designs' paths are shown: a fixed neutral folder keeps the pictures the
# same wherever the repository lies.
work="${TMPDIR:-/tmp}/netlist-report-screenshots"
rm -rf "$work" && mkdir -p "$work/boards"
trap 'rm -rf "$work"' EXIT
board=/usr/share/kicad/demos/pic_programmer/pic_programmer.kicad_pcb
[[ -f "$board" ]] || board=tests/design/kicad/data/board_v8.kicad_pcb
cp "$board" "$work/boards/"
out="$(pwd)/docs/screenshots"
binary="$(cd "$dir" && pwd)/render_screenshots"
(cd "$work" && QT_QPA_PLATFORM=offscreen "$binary" "$out" "$work/boards/$(basename "$board")")
