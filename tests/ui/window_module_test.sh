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

# verdict NAME PROBLEM FOLDER: PASS, or FAIL with the problem and what the case left.
verdict() {
    if [[ -z "$2" ]]; then echo "PASS $1"; return; fi
    echo "FAIL $1: $2"
    cat "$3/stderr" "$3/dialog" 2>/dev/null || true
    failures=$((failures + 1))
}

# case NAME MODULE_FILE EXPECTED: runs a copy of the program in a folder of its
# own, with MODULE_FILE beside it (- for none), for at most 5 seconds.
case_() {
    local folder="$scratch/$1" status=0 problem=""
    mkdir -p "$folder"
    cp "$program" "$folder/"
    [[ "$2" == - ]] || cp "$2" "$folder/netlist-report-window.so"
    (cd "$folder" && timeout 5 ./netlist-report >/dev/null 2>"$folder/stderr") || status=$?
    if [[ "$3" == window ]]; then
        [[ $status -eq 124 ]] || problem="exit code $status, expected the window to stay up"
        [[ ! -e "$folder/sample-board.wrf" ]] || problem="a report was written"
    else
        [[ $status -eq 0 ]] || problem="exit code $status"
        grep -qF "$3" "$folder/stderr" || problem="stderr lacks \"$3\""
        cmp -s "$scratch/expected.wrf" "$folder/sample-board.wrf" || problem="no batch report"
    fi
    verdict "$1" "$problem" "$folder"
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
advice_design='Open a KiCad board (.kicad_pcb)'

# box NAME MODULE DIALOGS STATUS EXPECTED ARGUMENTS...: the program copied
# alone (MODULE yes: with its module) runs with stderr in a file, on a
# display no program can reach, the dialog programs DIALOGS (comma-separated
# or "none") on PATH. EXPECTED: "none" when no dialog may show, else the
# dialog's name and the lines its record must hold, separated by "|".
box() {
    local folder="$scratch/$1" status=0 problem="" line
    mkdir -p "$folder/path"
    cp "$program" "$scratch/refused.json" "$folder/"
    [[ $2 == yes ]] && cp "$module" "$folder/"
    [[ $3 == none ]] || for dialog in ${3//,/ }; do cp "$stubs/$dialog" "$folder/path/"; done
    (cd "$folder" && env -u QT_QPA_PLATFORM -u WAYLAND_DISPLAY DISPLAY=:199 PATH="$folder/path" \
        DIALOG_LOG="$folder/dialog" "$timeout" 20 ./netlist-report "${@:6}" </dev/null >/dev/null \
        2>"$folder/stderr") || status=$?
    [[ $status -eq $4 ]] || problem="exit code $status, expected $4"
    if [[ "$5" == none ]]; then
        [[ ! -e "$folder/dialog" ]] || problem="a dialog showed: $(head -n 1 "$folder/dialog")"
    else
        IFS='|' read -ra lines <<<"$5"
        for line in "${lines[@]}"; do
            grep -qF -- "$line" "$folder/dialog" 2>/dev/null || problem="the dialog's record lacks \"$line\""
        done
    fi
    verdict "$1" "$problem" "$folder"
}
box box-zenity-first no zenity,kdialog,xmessage 0 \
    "zenity|--error|--no-markup|--title=netlist-report|--text=the window module is missing|Reinstall netlist-report"
box box-qt-cannot-show-kdialog yes kdialog,xmessage 3 \
    "kdialog|--title|netlist-report|--error|$refusal|$advice_design" refused.json
box box-xmessage-reads-stdin no xmessage 3 "xmessage|-title|-file|$refusal|$advice_design" \
    refused.json
box box-none-installed no none 3 none refused.json
box box-never-in-batch no zenity 3 none --batch refused.json
[[ $failures -eq 0 ]]
