#!/usr/bin/env bash
# Renders the program's icon into data/icons/ from the same drawing the window
# uses (ui/Artwork.cpp). The files are committed, so that builds and packages
# need no Qt to get them; run this again after changing the artwork.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=build-icons
if [[ ! -f "$dir/build.ninja" ]]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DNETLIST_UI=ON \
        -DNETLIST_BUILD_TESTS=OFF -DNETLIST_BUILD_BENCH=OFF >/dev/null
fi
cmake --build "$dir" --target netlist-render-icons
mkdir -p data/icons
QT_QPA_PLATFORM=offscreen "$dir/netlist-render-icons" data/icons
ls -l data/icons
