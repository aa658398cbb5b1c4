#!/usr/bin/env bash
# Design files without an end, /dev/zero and a pipe that never closes, read
# under a memory limit: the run says that the file is too large for the memory
# at hand and exits with the design-file code (3), never with an abort. (The
# 1 GiB that a file of no known size may hold at most is checked by the design
# tests, FileBytes.)
#   endless_input.sh PROGRAM DESIGN.json
set -euo pipefail
program="$1" design="$2"
if [[ "$(ldd "$program" 2>/dev/null)" == *libasan* ]]; then
    # It reserves more address space than any such limit allows.
    echo "skipped: an address-sanitized build cannot run under a memory limit"
    exit 0
fi
scratch="$(mktemp -d)"
feeder=""
trap 'if [[ -n "$feeder" ]]; then kill "$feeder" 2>/dev/null || true; fi; rm -rf "$scratch"' EXIT
cp "$design" "$scratch/board.json"
failures=0

# expect TEXT ARGUMENTS...: runs the program in the scratch folder, its
# address space limited to 200 MB.
expect() {
    local text="$1" status=0 && shift
    (cd "$scratch" && ulimit -v 200000 && "$program" "$@" >.out 2>.err) || status=$?
    if [[ $status -ne 3 ]] || ! grep -qF -- "$text" "$scratch/.err"; then
        echo "FAIL: $*: exit $status, expected 3 with \"$text\"; stderr: $(head -c 300 "$scratch/.err")"
        failures=$((failures + 1))
    fi
}

expect "/dev/zero: cannot be read: there is not enough memory" --batch /dev/zero
mkfifo "$scratch/endless.wrf"
yes "Created By" >"$scratch/endless.wrf" 2>/dev/null &
feeder=$!
expect "endless.wrf: cannot be read: there is not enough memory" --compare endless.wrf board.json
[[ $failures -eq 0 ]]
