#!/usr/bin/env bash
# Installs what is missing, builds the release program into build/ and runs it
# on the bundled sample board (or on the design and options given).
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-packages.sh
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release
if [[ $# -eq 0 ]]; then
    set -- --batch
fi
exec build/netlist-report "$@"
