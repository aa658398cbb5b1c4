#!/usr/bin/env bash
# The program asked for its window (no --batch) on the offscreen platform:
# with its window module in place the window comes up and stays until closed;
# with the module missing or not loadable the program says so, naming the
# module, and writes the report in batch mode as it does without a display.
#   window_module_test.sh PROGRAM
set -euo pipefail
program="$(realpath "$1")"
module="$(dirname "$program")/netlist-report-window.so"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
export QT_QPA_PLATFORM=offscreen NETLIST_REPORT_FIXED_DATE="1/2/26 3:04:05 AM"
failures=0

(cd "$scratch" && "$program" --batch >/dev/null 2>&1 && mv sample-board.wrf expected.wrf)

# case NAME MODULE_FILE EXPECTED: runs a copy of the program in a folder of its
# own, with MODULE_FILE beside it (- for none), for at most 5 seconds.
case_() {
    local name="$1" module_file="$2" expected="$3" folder="$scratch/$1" status=0
    mkdir -p "$folder"
    cp "$program" "$folder/"
    [[ "$module_file" == - ]] || cp "$module_file" "$folder/netlist-report-window.so"
    (cd "$folder" && timeout 5 ./netlist-report >/dev/null 2>"$folder/stderr") || status=$?
    local problem=""
    if [[ "$expected" == window ]]; then
        [[ $status -eq 124 ]] || problem="exit code $status, expected the window to stay up"
        [[ ! -e "$folder/sample-board.wrf" ]] || problem="a report was written"
    else
        [[ $status -eq 0 ]] || problem="exit code $status"
        grep -qF "$expected" "$folder/stderr" || problem="stderr lacks \"$expected\""
        cmp -s "$scratch/expected.wrf" "$folder/sample-board.wrf" || problem="no batch report"
    fi
    if [[ -n "$problem" ]]; then
        echo "FAIL $name: $problem"
        cat "$folder/stderr"
        failures=$((failures + 1))
    else
        echo "PASS $name"
    fi
}
echo "not a shared object" >"$scratch/junk.so"
case_ module-found "$module" window
case_ module-missing - "the window module is missing (neither $scratch/lib/netlist-report/netlist-report-window.so nor $scratch/module-missing/netlist-report-window.so exists); writing the report in batch mode instead"
case_ module-broken "$scratch/junk.so" "the window module cannot be loaded: $scratch/module-broken/netlist-report-window.so: "
[[ $failures -eq 0 ]]
