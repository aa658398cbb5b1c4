#!/usr/bin/env bash
# Renders the main window (before and after start-up on the sample board, and
# on a schematic) and the About box to PNG files under docs/screenshots/, on
# Qt's offscreen platform, so no display is needed.
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
# The sample's design path is taken from the working directory; a neutral one
# keeps the pictures the same wherever the repository lies.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
out="$(pwd)/docs/screenshots"
binary="$(cd "$dir" && pwd)/render_screenshots"
(cd "$work" && QT_QPA_PLATFORM=offscreen "$binary" "$out")
