#!/usr/bin/env bash
# The program asked for its window (no --batch) on the offscreen platform:
# with its window module in place the window comes up and stays until closed;
# with the module missing or not loadable the program says so, naming the
# module, and writes the report in batch mode as it does without a display.
# Started without a terminal on a display, it also shows a start-up failure
# in a message box: through the module, else through the first dialog
# program installed (stand-ins here record how they were called).
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

# Dialog programs that record their name, arguments and input.
stubs="$scratch/stubs" timeout="$(command -v timeout)"
mkdir -p "$stubs"
for stub in zenity kdialog xmessage; do
    printf '#!/bin/sh\n{ echo "${0##*/}"; printf "%%s\\n" "$@"; /bin/cat; } >"$DIALOG_LOG"\n' \
        >"$stubs/$stub"
    chmod +x "$stubs/$stub"
done
printf '{"kind": "PCB", "titel": "misspelt"}\n' >"$scratch/refused.json"
refusal='refused.json: line 1, column 17: unknown key "titel"'
missing_module='the window module is missing'
advice_design='Open a KiCad board (.kicad_pcb)'
advice_module='Reinstall netlist-report'

# box NAME MODULE DIALOGS STATUS EXPECTED ARGUMENTS...: the program copied
# alone (MODULE yes: with its module) runs with stderr in a file, on a
# display no program can reach, the dialog programs DIALOGS (comma-separated
# or "none") on PATH. EXPECTED: "none" when no dialog may show, else the
# dialog's name and the lines its record must hold, separated by "|".
box() {
    local name="$1" with_module="$2" dialogs="$3" want="$4" expected="$5" folder="$scratch/$1"
    shift 5
    mkdir -p "$folder/path"
    cp "$program" "$folder/"
    [[ $with_module == yes ]] && cp "$module" "$folder/"
    [[ $dialogs == none ]] || for dialog in ${dialogs//,/ }; do cp "$stubs/$dialog" "$folder/path/"; done
    cp "$scratch/refused.json" "$folder/"
    local status=0 problem=""
    (cd "$folder" && env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:199 PATH="$folder/path" \
        DIALOG_LOG="$folder/dialog" "$timeout" 20 ./netlist-report "$@" </dev/null >/dev/null \
        2>"$folder/stderr") || status=$?
    [[ $status -eq $want ]] || problem="exit code $status, expected $want"
    if [[ "$expected" == none ]]; then
        [[ ! -e "$folder/dialog" ]] || problem="a dialog showed: $(head -n 1 "$folder/dialog")"
    else
        local line
        IFS='|' read -ra lines <<<"$expected"
        for line in "${lines[@]}"; do
            grep -qF -- "$line" "$folder/dialog" 2>/dev/null || problem="the dialog's record lacks \"$line\""
        done
    fi
    if [[ -n "$problem" ]]; then
        echo "FAIL $name: $problem"
        cat "$folder/stderr" "$folder/dialog" 2>/dev/null || true
        failures=$((failures + 1))
    else
        echo "PASS $name"
    fi
}
box box-zenity-first no zenity,kdialog,xmessage 0 \
    "zenity|--error|--no-markup|--title=netlist-report|--text=$missing_module|$advice_module"
box box-qt-cannot-show-kdialog yes kdialog,xmessage 3 \
    "kdialog|--title|netlist-report|--error|$refusal|$advice_design" refused.json
box box-xmessage-reads-stdin no xmessage 3 "xmessage|-title|-file|$refusal|$advice_design" \
    refused.json
box box-none-installed no none 3 none refused.json
box box-never-in-batch no zenity 3 none --batch refused.json
[[ $failures -eq 0 ]]
