#!/usr/bin/env bash
# What the program prints and where it writes, as the command line decides it.
# Each case runs the program in a scratch folder of its own:
#   program_output_test.sh PROGRAM CASE
set -euo pipefail
program="$(realpath "$1")"
case_name="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
export NETLIST_REPORT_FIXED_DATE="1/2/26 3:04:05 AM" LC_ALL=C.UTF-8

fail() {
    echo "FAIL: $*"
    echo "stdout: $(cat .stdout 2>/dev/null)"
    echo "stderr: $(cat .stderr 2>/dev/null)"
    exit 1
}
# run EXPECTED_EXIT ARGUMENTS...: the program's output goes to .stdout and .stderr.
run() {
    local expected="$1" status=0
    shift
    "$program" "$@" >.stdout 2>.stderr || status=$?
    [[ $status -eq $expected ]] || fail "exit code $status, expected $expected for: $*"
}
design_named_by() {  # the "Design Name" of a report
    sed -n '3s/^Design Name *\([^ \r]*\).*/\1/p' "$1"
}
design() {  # design FILE
    printf '{"kind": "PCB", "nets": [{"id": 1, "name": "N1", "nodes": [["U1", "1"]]}]}\n' >"$1"
}

case "$case_name" in
replaced-report)
    # Two designs whose reports share a name: the second run says it replaced
    # the first one's report, a run of the same design again says nothing.
    design amp.rev-b.json
    design amp.rev-c.json
    run 0 --batch amp.rev-b.json
    [[ ! -s .stderr ]] || fail "a first report is announced as a replacement"
    run 0 --batch amp.rev-c.json
    expected="netlist-report: amp.wrf replaced a report of amp.rev-b.json; use --output to keep both"
    [[ "$(cat .stderr)" == "$expected" ]] || fail "no word of the replaced report"
    [[ "$(design_named_by amp.wrf)" == amp.rev-c.json ]] || fail "amp.wrf is not rev c's report"
    run 0 --batch amp.rev-c.json
    [[ ! -s .stderr ]] || fail "the same design's report is announced as another's"
    # What stands in the report's place is read only when it is a file (a
    # pipe is refused, not read), and what it says reaches the terminal
    # without control characters.
    rm amp.wrf
    mkfifo amp.wrf
    status=0
    timeout 10 "$program" --batch amp.rev-c.json >.stdout 2>.stderr || status=$?
    [[ $status -eq 4 ]] || fail "a pipe in the report's place: exit $status, expected 4"
    rm amp.wrf
    printf 'Created By     x\r\nEmail          x\r\nDesign Name    a\033[2Jb\r\n' >amp.wrf
    run 0 --batch amp.rev-c.json
    grep -qF "amp.wrf replaced a report of a?[2Jb;" .stderr || fail "the name was not shown safely"
    ;;
output)
    # --output names the report file; the design itself is never it.
    design amp.json
    mkdir out
    run 0 --batch --output out/rev-c.wrf amp.json
    [[ "$(design_named_by out/rev-c.wrf)" == amp.json ]] || fail "out/rev-c.wrf holds no report"
    [[ ! -e amp.wrf ]] || fail "a report was written beside the design too"
    grep -qF "(out/rev-c.wrf)" .stdout || fail "the success line does not show out/rev-c.wrf"
    cp amp.json before.json
    run 4 --batch --output amp.json amp.json
    cmp -s amp.json before.json || fail "the design was replaced"
    grep -qF "it is the design file itself" .stderr || fail "no reason given"
    ;;
compare-output)
    # The same for the compare report.
    design old.json
    design new.json
    mkdir out
    run 0 --compare old.json --output out/c.cmp new.json
    [[ -s out/c.cmp && ! -e new.cmp ]] || fail "the compare report is not (only) in out/c.cmp"
    grep -qxF "netlist-report: compare report written to out/c.cmp: the designs do not differ" \
        .stdout || fail "the success line does not show out/c.cmp"
    ;;
*)
    fail "no case $case_name"
    ;;
esac
echo "PASS $case_name"
