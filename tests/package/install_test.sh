#!/usr/bin/env bash
# `cmake --install` of a build tree: into a live prefix it refreshes the
# desktop's MIME and menu caches, so that KiCad boards are offered at once; a
# staged install (DESTDIR, as packages are made) writes no cache, which would
# belong to the system rather than to the package.
#   tests/package/install_test.sh BUILD_DIR
set -euo pipefail
build="$(realpath "$1")"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

# The tools note on stderr that the scratch prefix is not one the desktop searches.
cmake --install "$build" --prefix "$scratch/live" >/dev/null 2>"$scratch/install.log" || {
    cat "$scratch/install.log"
    exit 1
}
grep -qx "application/x-kicad-pcb application/x-netlist-report-design" \
    "$scratch/live/share/mime/subclasses" || {
    echo "FAIL: the MIME cache under the prefix does not know the KiCad boards' parent type"
    exit 1
}
grep -qx "application/x-netlist-report-design=netlist-report.desktop;" \
    "$scratch/live/share/applications/mimeinfo.cache" || {
    echo "FAIL: the menu cache under the prefix does not list netlist-report"
    exit 1
}

DESTDIR="$scratch/staged" cmake --install "$build" --prefix /usr >/dev/null
caches="$(find "$scratch/staged" -name '*.cache' -o -name subclasses -o -name globs2)"
[[ -z "$caches" ]] || {
    echo "FAIL: a staged install wrote caches: $caches"
    exit 1
}
echo "PASS: a live install refreshes the caches, a staged one writes none"
