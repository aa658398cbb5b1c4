#!/usr/bin/env bash
# Installs what is missing, builds the release program into build/ and runs it
# on the bundled sample board (or on the design and options given), from the
# folder it was started in: relative design paths work, and the sample's
# report lands there. Without arguments it opens the window; on a machine
# without a display the program says so and writes the report in batch mode.
set -euo pipefail
repo="$(cd "$(dirname "$0")" && pwd)"
"$repo/scripts/ensure-packages.sh"
(cd "$repo" && scripts/build.sh build -DCMAKE_BUILD_TYPE=Release >/dev/null)
exec "$repo/build/netlist-report" "$@"
