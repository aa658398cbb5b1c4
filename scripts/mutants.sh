#!/usr/bin/env bash
# Plants single faults in app/, design/, report/ and ui/ one at a time and counts how many the
# release test suite catches (Linux release build in build-mutants/, apart from build/).
#   scripts/mutants.sh [--seed N] [--count N] [--list FILE] [--test-timeout SECONDS]
# With --list, an existing FILE is reused, so two runs plant the very same faults; a missing
# one is sampled into it. The last line gives the score; each survivor is listed before it.
set -euo pipefail
cd "$(dirname "$0")/.."
if [[ "$(uname -s)" != Linux ]]; then
    echo "mutants.sh: runs on Linux release builds only" >&2
    exit 2
fi
build=build-mutants
for ((i = 1; i <= $#; i++)); do
    if [[ "${!i}" == --build ]]; then
        j=$((i + 1))
        build="${!j}"
    fi
done
export CMAKE_CXX_COMPILER_LAUNCHER="${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}"
scripts/build.sh "$build" -DCMAKE_BUILD_TYPE=Release -DNETLIST_BUILD_BENCH=OFF >/dev/null
exec python3 scripts/mutants.py --build "$build" "$@"
