#!/usr/bin/env bash
# Runs clang-tidy (the checks in .clang-tidy) over the program's own sources
# as the release build compiles them (build/compile_commands.json), on every
# core. Exits non-zero on any finding.
#   scripts/clang-tidy.sh [BUILD_DIR]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
if [[ ! -f "$build/compile_commands.json" ]]; then
    echo "clang-tidy: $build/compile_commands.json is missing: build first" >&2
    exit 1
fi
root="$(pwd)"
# Our sources only: not the tests, benchmarks, tools nor generated files.
# The build's GCC-only warning options mean nothing to clang.
run-clang-tidy-14 -p "$build" -quiet -j "$(nproc)" -extra-arg=-Wno-unknown-warning-option \
    "^${root}/(app|design|platform|report|ui)/.*\.cpp$" \
    >"$build/clang-tidy.log" 2>&1 || {
    grep -E "(warning|error):" "$build/clang-tidy.log" | sort -u | head -n 100
    echo "clang-tidy: findings above (whole output: $build/clang-tidy.log)"
    exit 1
}
echo "clang-tidy: no findings"
