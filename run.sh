#!/usr/bin/env bash
# Installs what building and running need (scripts/packages-run.txt), builds
# the release program alone into build/ and runs it on the bundled sample
# board (or on the design and options given), from the folder it was started
# in: relative design paths work, and the sample's report lands there. Without
# arguments it opens the window; on a machine without a display the program
# says so and writes the report in batch mode.
set -euo pipefail
repo="$(cd "$(dirname "$0")" && pwd)"
"$repo/scripts/ensure-packages.sh" run
options=(-DCMAKE_BUILD_TYPE=Release)
# A first build leaves out the tests and benchmarks, whose packages are not
# installed yet; ./test.sh turns them on in the same tree.
[[ -f "$repo/build/build.ninja" ]] || options+=(-DNETLIST_BUILD_TESTS=OFF -DNETLIST_BUILD_BENCH=OFF)
(cd "$repo" && scripts/build.sh build "${options[@]}" -- --target netlist-report >/dev/null)
exec "$repo/build/netlist-report" "$@"
