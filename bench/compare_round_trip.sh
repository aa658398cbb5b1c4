#!/usr/bin/env bash
# The compare reader against the writer, with the program itself: for
# generated designs of 1 to 200,000 nets, --compare of a design with its own
# report (lengths in mils, then in mm) must find that they do not differ.
# The sizes include those around the running numbers of six digits, which
# the writer puts on a line of their own. Prints each size's time.
#   bench/compare_round_trip.sh [BUILD_DIR] [NETS...]
#   (default: build, and 1 2 17 999 10000 99999 100000 100001 200000)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
shift || true
sizes=("$@")
[[ ${#sizes[@]} -gt 0 ]] || sizes=(1 2 17 999 10000 99999 100000 100001 200000)
program="$PWD/$build/netlist-report"
[[ -x "$program" ]] || { echo "no program at $program" >&2; exit 2; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failures=0
for nets in "${sizes[@]}"; do
    python3 bench/generate_design.py "$nets" "$work/board.json"
    for unit in mils mm; do
        rm -f "$work/board.wrf" "$work/board.cmp"
        start=$(date +%s%N)
        (cd "$work" && NETLIST_REPORT_FIXED_DATE=x "$program" --batch --lengths "$unit" board.json \
            >/dev/null && mv board.wrf board-report.wrf)
        set +e
        output="$(cd "$work" && "$program" --compare board-report.wrf --lengths "$unit" board.json 2>&1)"
        status=$?
        set -e
        elapsed=$(( ($(date +%s%N) - start) / 1000000 ))
        if [[ $status -eq 0 && "$output" == *"the designs do not differ"* ]]; then
            printf '%7d nets, %-4s: do not differ (%d ms)\n' "$nets" "$unit" "$elapsed"
        else
            printf '%7d nets, %-4s: FAILED, exit %d: %s\n' "$nets" "$unit" "$status" "$output"
            grep -m1 -A3 '^Differences\|RENAMED\|CHANGED\|ONLY' "$work/board.cmp" 2>/dev/null || true
            failures=$((failures + 1))
        fi
    done
done
[[ $failures -eq 0 ]] || { echo "$failures failed" >&2; exit 1; }
