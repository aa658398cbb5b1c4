#!/usr/bin/env bash
# The window driven by a real keyboard, which, unlike messages sent to a
# window, needs the focus: xdotool sends X key events on an Xvfb display of
# this script's own, with openbox closing a window on Alt+F4 as desktops do.
#   real_keys_test.sh [--failure-box] [--] COMMAND...
# COMMAND starts the program: build/netlist-report, or a wine loader and
# netlist-report.exe. --failure-box adds a design file refused at start-up,
# shown in a message box (Linux only: under wine the program gets this
# script's stderr, so window_tests.exe covers it). Prints one PASS or FAIL
# line per case and exits non-zero on a failure.
set -uo pipefail
failure_box=0
[[ "${1:-}" == --failure-box ]] && failure_box=1 && shift
[[ "${1:-}" == -- ]] && shift
program=("$@")
# The program runs in folders of its own: a path given is made absolute.
[[ $# -gt 0 && "$1" == */* && -e "$1" ]] && program[0]="$(realpath "$1")"
[[ ${#program[@]} -gt 0 ]] || { echo "usage: real_keys_test.sh [--failure-box] [--] COMMAND..." >&2; exit 2; }
for tool in Xvfb xdotool xprop xwininfo openbox; do
    command -v "$tool" >/dev/null ||
        { echo "FAIL real keys: $tool is missing (scripts/ensure-packages.sh test installs it)"; exit 1; }
done

scratch="$(mktemp -d)"
wm_pid="" program_pid=""
# shellcheck source=../support/own_display.sh
source "$(dirname "${BASH_SOURCE[0]}")/../support/own_display.sh"
cleanup() {
    [[ -n "$program_pid" ]] && kill "$program_pid" 2>/dev/null
    [[ -n "$wm_pid" ]] && kill "$wm_pid" 2>/dev/null
    stop_own_display
    rm -rf "$scratch"
}
trap cleanup EXIT

# A display of our own, so that no key reaches another window.
start_own_display || { echo "FAIL real keys: no Xvfb display could be started"; exit 1; }

# The window manager is ready once it names its own window on the root; one
# that ended early is started again, and what it said is shown at the end.
wm_ready() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
for _ in 1 2 3; do
    openbox --sm-disable >>"$scratch/openbox.log" 2>&1 &
    wm_pid=$!
    for _ in $(seq 150); do
        wm_ready || ! kill -0 "$wm_pid" 2>/dev/null && break
        sleep 0.1
    done
    wm_ready && break
    kill "$wm_pid" 2>/dev/null
    wait "$wm_pid" 2>/dev/null
    wm_pid=""
done
wm_ready || {
    echo "FAIL real keys: the window manager did not start on $DISPLAY; it said:"
    sed 's/^/    /' "$scratch/openbox.log"
    exit 1
}
unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb

failures=0
fail() {
    echo "FAIL real keys: $1"
    failures=$((failures + 1))
}
# verdict WHAT OK DETAIL: PASS WHAT when OK is 0, else FAIL with DETAIL.
verdict() { if [[ $2 -eq 0 ]]; then echo "PASS real keys: $1"; else fail "$1: $3"; fi; }

# start NAME JSON [OPTIONS...]: starts the program on NAME.json in a folder
# of its own, its output in that folder.
start() {
    local name="$1"
    folder="$scratch/$1"
    mkdir -p "$folder"
    printf '%s\n' "$2" >"$folder/$1.json"
    shift 2
    (cd "$folder" && exec "${program[@]}" "$@" "$name.json" >"$folder/stdout" 2>"$folder/stderr") &
    program_pid=$!
}

# window TITLE: the id of the visible window titled TITLE, made the active
# one; empty when none shows within 30 seconds.
window() {
    local id
    id="$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)"
    [[ -n "$id" ]] || return 1
    for _ in $(seq 50); do
        xdotool windowactivate "$id" 2>/dev/null
        [[ "$(xdotool getactivewindow 2>/dev/null)" == "$id" ]] && break
        sleep 0.1
    done
    # The program takes the activation in its own time.
    sleep 1
    echo "$id"
}
# main_window CASE: activates the main window, or fails the case without one.
main_window() {
    window "Netlist Report" >/dev/null || { fail "$1: no main window; stderr: $(cat "$folder/stderr")"; return 1; }
}

keys() { xdotool key --delay 150 "$@"; }

# ended: waits at most 30 seconds for the program to end; its exit code in
# status (124: still running, then ended by force).
ended() {
    [[ -n "$program_pid" ]] || return 0
    for _ in $(seq 300); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill "$program_pid" 2>/dev/null; then
        wait "$program_pid" 2>/dev/null
        status=124
    else
        wait "$program_pid"
        status=$?
    fi
    program_pid=""
}

# gone TITLE: whether no visible window titled TITLE is left within 10 seconds.
gone() {
    for _ in $(seq 100); do
        [[ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]] && return 0
        sleep 0.1
    done
    return 1
}
written() { [[ -e "$folder/$1" ]] && echo yes || echo no; }

board='{"kind": "PCB", "layers": [{"type": 1}], "nets": [{"id": 1, "name": "GND", "nodes": [["U1", "4"], ["C1", "2"]]}]}'

# Start has the focus when the window shows: Tab, Tab reaches Text1, and back
# twice is Start again. The command line's choices are preset in the window.
start name "$board" --lengths mm --output named.wrf
if main_window "typed name"; then
    keys Tab Tab
    xdotool type --delay 60 "Pat Keys"
    keys shift+Tab shift+Tab space
    ended
    [[ $status -eq 0 ]] && grep -q "^Design By      Pat Keys" "$folder/named.wrf" 2>/dev/null &&
        grep -q " mm.$" "$folder/named.wrf"
    verdict "Tab, Tab, a typed name, Shift+Tab twice and Space write the report with the name and the preset choices" $? \
        "exit code $status, report: $(grep -a '^Design By\| mm' "$folder/named.wrf" 2>/dev/null || echo none)"
fi

# Ok has the focus when the About box opens; the main window, activated
# again, gives the focus back to Start, so Tab and Space press End.
start about "$board"
if main_window About; then
    keys alt+a
    if window About >/dev/null; then
        keys space
        gone About
        verdict "Alt+A, then Space: the About box hides" $? "it stays shown"
        window "Netlist Report" >/dev/null
        keys Tab space
        ended
        [[ $status -eq 0 && ! -e "$folder/about.wrf" ]]
        verdict "the main window activated again: Tab and Space press End" $? \
            "exit code $status, report written: $(written about.wrf)"
    else
        fail "About: Alt+A shows no About box"
    fi
fi
ended

start end "$board"
if main_window End; then
    keys Tab space
    ended
    [[ $status -eq 0 && ! -e "$folder/end.wrf" ]]
    verdict "Tab, Space: the program ends with no report" $? \
        "exit code $status, report written: $(written end.wrf)"
fi

# Start-up failed: Start is disabled, and the keyboard still closes the window.
start failed '{"kind": "PCB", "status": {"TGetDesignInfo": 32101}}'
if main_window Alt+F4; then
    keys alt+F4
    ended
    [[ $status -eq 0 ]]
    verdict "Alt+F4 on a window whose start-up failed ends the program" $? "exit code $status"
fi

if [[ $failure_box -eq 1 ]]; then
    start refused '{"kind": "PCB", "titel": "misspelt"}'
    if window netlist-report >/dev/null; then
        keys Return
        ended
        [[ $status -eq 3 ]] && grep -q 'unknown key "titel"' "$folder/stderr"
        verdict "a refused design file: a message box, the message on stderr, exit code 3" $? \
            "exit code $status, stderr: $(cat "$folder/stderr")"
    else
        fail "refused design: no message box titled netlist-report"
    fi
fi

[[ $failures -eq 0 ]]
