#!/usr/bin/env bash
# Configures (when needed) and builds one build tree.
#   scripts/build.sh DIR [cmake options...] [-- build options...]
# e.g. scripts/build.sh build -DNETLIST_BUILD_TESTS=OFF -- --target netlist-report
# An existing tree is configured again when a -DNAME=VALUE given differs from
# its cache, so one tree can serve ./run.sh (the program only) and ./test.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="$1"
shift
configure=()
while [[ $# -gt 0 && "$1" != "--" ]]; do
    configure+=("$1")
    shift
done
[[ $# -gt 0 ]] && shift

needs_configure() {
    [[ -f "$dir/build.ninja" ]] || return 0
    local option name value
    for option in "${configure[@]}"; do
        [[ "$option" == -D*=* ]] || continue
        name="${option#-D}"
        value="${name#*=}"
        name="${name%%=*}"
        name="${name%%:*}"
        grep -qxE "${name}(:[A-Z]+)?=${value}" "$dir/CMakeCache.txt" || return 0
    done
    return 1
}

if needs_configure; then
    cmake -S . -B "$dir" -G Ninja "${configure[@]}" >/dev/null
fi
cmake --build "$dir" "$@"
