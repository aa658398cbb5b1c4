#!/usr/bin/env bash
# The window driven by a real keyboard: xdotool sends X key events to the
# program's window on an X display of this script's own (Xvfb, with the
# openbox window manager, which closes a window on Alt+F4 as desktops do).
# Messages sent to a window need no keyboard focus; these keys do.
#   real_keys_test.sh [--failure-box] [--] COMMAND...
# COMMAND starts the program: build/netlist-report, or a wine loader and
# netlist-report.exe (wine maps the X events to Windows input). The program
# runs in a folder of each case's own, on a design file written there.
# --failure-box adds the case of a design file refused at start-up, shown in
# a message box (Linux: there stderr is not a terminal here; under wine the
# program gets this script's stderr, so window_tests.exe covers it).
# Prints one PASS or FAIL line per case and exits non-zero on a failure.
set -uo pipefail
failure_box=0
while [[ $# -gt 0 ]]; do
    case "$1" in
        --failure-box) failure_box=1 ;;
        --) shift; break ;;
        *) break ;;
    esac
    shift
done
program=("$@")
# The program runs in folders of its own: a path given is made absolute.
[[ $# -gt 0 && "$1" == */* && -e "$1" ]] && program[0]="$(realpath "$1")"
[[ ${#program[@]} -gt 0 ]] || { echo "usage: real_keys_test.sh [--failure-box] [--] COMMAND..." >&2; exit 2; }
for tool in Xvfb xdotool xprop xwininfo openbox; do
    command -v "$tool" >/dev/null || {
        echo "FAIL real keys: $tool is missing (scripts/ensure-packages.sh test installs it)"
        exit 1
    }
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
pass() { echo "PASS real keys: $1"; }
fail() {
    echo "FAIL real keys: $1"
    failures=$((failures + 1))
}

# start NAME JSON [ARGUMENTS...]: starts the program on NAME.json in a folder
# of its own, its output in that folder.
start() {
    local name="$1" json="$2"
    shift 2
    folder="$scratch/$name"
    mkdir -p "$folder"
    printf '%s\n' "$json" >"$folder/$name.json"
    (cd "$folder" && exec "${program[@]}" "$@" "$name.json" >"$folder/stdout" 2>"$folder/stderr") &
    program_pid=$!
}

# window TITLE: the id of the visible window titled TITLE, made the active
# one; empty when none shows within 30 seconds.
window() {
    local id
    id="$(timeout 30 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)"
    [[ -n "$id" ]] || return 0
    for _ in $(seq 50); do
        xdotool windowactivate "$id" 2>/dev/null
        [[ "$(xdotool getactivewindow 2>/dev/null)" == "$id" ]] && break
        sleep 0.1
    done
    # The program takes the activation in its own time.
    sleep 1
    echo "$id"
}

# keys KEY...: presses the keys one after another, on the active window.
keys() { xdotool key --delay 150 "$@"; }

# ended: waits at most 30 seconds for the program to end; its exit code in
# status (124: still running, then ended by force).
ended() {
    status=""
    [[ -n "$program_pid" ]] || return 0
    for _ in $(seq 300); do
        if ! kill -0 "$program_pid" 2>/dev/null; then
            wait "$program_pid"
            status=$?
            program_pid=""
            return 0
        fi
        sleep 0.1
    done
    kill "$program_pid" 2>/dev/null
    wait "$program_pid" 2>/dev/null
    program_pid=""
    status=124
    return 1
}

# gone TITLE: whether no visible window titled TITLE is left within 10 seconds.
gone() {
    for _ in $(seq 100); do
        [[ -z "$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null)" ]] && return 0
        sleep 0.1
    done
    return 1
}

board='{"kind": "PCB", "layers": [{"type": 1}], "nets": [{"id": 1, "name": "GND", "nodes": [["U1", "4"], ["C1", "2"]]}]}'

# Start has the focus when the window shows: Tab, Tab reaches Text1, and back
# twice is Start again.
start name "$board"
if [[ -z "$(window "Netlist Report")" ]]; then
    fail "typed name: no main window; stderr: $(cat "$folder/stderr")"
else
    keys Tab Tab
    xdotool type --delay 60 "Pat Keys"
    keys shift+Tab shift+Tab space
    ended
    if [[ $status -eq 0 ]] && grep -q "^Design By      Pat Keys" "$folder/name.wrf" 2>/dev/null; then
        pass "Tab, Tab, a typed name, Shift+Tab twice and Space write the report with the name"
    else
        fail "typed name: exit code $status, report: $(grep -a '^Design By' "$folder/name.wrf" 2>/dev/null || echo none)"
    fi
fi

# Ok has the focus when the About box opens; the main window, activated
# again, gives the focus back to Start, so Tab and Space press End.
start about "$board"
main="$(window "Netlist Report")"
if [[ -z "$main" ]]; then
    fail "About: no main window"
else
    keys alt+a
    if [[ -z "$(window About)" ]]; then
        fail "About: Alt+A shows no About box"
    else
        keys space
        if gone About; then
            pass "Alt+A, then Space: the About box hides"
        else
            fail "About: Space leaves the About box shown"
        fi
        window "Netlist Report" >/dev/null
        keys Tab space
        ended
        if [[ $status -eq 0 && ! -e "$folder/about.wrf" ]]; then
            pass "the main window activated again: Tab and Space press End"
        else
            fail "About, then Tab and Space: exit code $status, report written: $([[ -e "$folder/about.wrf" ]] && echo yes || echo no)"
        fi
    fi
fi
ended

start end "$board"
if [[ -z "$(window "Netlist Report")" ]]; then
    fail "End: no main window"
else
    keys Tab space
    ended
    if [[ $status -eq 0 && ! -e "$folder/end.wrf" ]]; then
        pass "Tab, Space: the program ends with no report"
    else
        fail "Tab, Space: exit code $status, report written: $([[ -e "$folder/end.wrf" ]] && echo yes || echo no)"
    fi
fi

# Start-up failed: Start is disabled, and the keyboard still closes the window.
start failed '{"kind": "PCB", "status": {"TGetDesignInfo": 32101}}'
if [[ -z "$(window "Netlist Report")" ]]; then
    fail "Alt+F4: no main window"
else
    keys alt+F4
    if ended && [[ $status -eq 0 ]]; then
        pass "Alt+F4 on a window whose start-up failed ends the program"
    else
        fail "Alt+F4 on a window whose start-up failed: exit code $status"
    fi
fi

if [[ $failure_box -eq 1 ]]; then
    start refused '{"kind": "PCB", "titel": "misspelt"}'
    if [[ -z "$(window netlist-report)" ]]; then
        fail "refused design: no message box titled netlist-report"
    else
        keys Return
        ended
        if [[ $status -eq 3 ]] && grep -q 'unknown key "titel"' "$folder/stderr"; then
            pass "a refused design file: a message box, the message on stderr, exit code 3"
        else
            fail "refused design: exit code $status, stderr: $(cat "$folder/stderr")"
        fi
    fi
fi

[[ $failures -eq 0 ]]
