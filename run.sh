#!/usr/bin/env bash
# Installs what is missing, builds the release program into build/ and runs it
# on the bundled sample board (or on the design and options given). Without
# arguments it opens the window; on a machine without a display the program
# says so and writes the report in batch mode instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-packages.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
exec build/netlist-report "$@"
