#!/usr/bin/env bash
# Runs the program on a copy of a design file in a scratch folder (with
# --compare, against a copy of OLD; both copies dated 2024-02-01 13:04:05 UTC)
# and checks its exit code and what it wrote:
#   run_case.sh PROGRAM [--compare OLD] DESIGN EXPECTED EXIT_CODE [program options...]
# EXPECTED is the golden report (the compare report with --compare), compared
# byte for byte; "-" when no file may be written and stderr must say why, or
# "!TEXT" when no file may be written and stderr must hold TEXT.
# Without --compare the program runs with --batch; with NETLIST_CASE_NO_DISPLAY=1
# it is asked for its window instead, on a machine without a display: it must
# say so and write the report anyway.
set -euo pipefail
program="$1" && shift
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mode=(--batch) extension=wrf
[[ -n "${NETLIST_CASE_NO_DISPLAY:-}" ]] && mode=()
if [[ "$1" == --compare ]]; then
    mkdir "$scratch/old"
    cp "$2" "$scratch/old/"
    mode=(--compare "$scratch/old/$(basename "$2")") extension=cmp
    shift 2
fi
design="$1" expected="$2" expected_exit="$3" && shift 3
name="$(basename "$design")"
cp "$design" "$scratch/"
touch -d "2024-02-01 13:04:05 UTC" "$scratch/$name" "${mode[@]:1}"

status=0
(cd "$scratch" && TZ=UTC NETLIST_REPORT_FIXED_DATE="01.02.2024 13:04:05" LC_ALL=C.UTF-8 \
    "$program" "${mode[@]}" "$@" "$scratch/$name" >"$scratch/.stdout" 2>"$scratch/.stderr") ||
    status=$?
if [[ $status -ne $expected_exit ]]; then
    echo "exit code $status, expected $expected_exit"
    cat "$scratch/.stdout" "$scratch/.stderr"
    exit 1
fi

if [[ "$expected" == - || "$expected" == !* ]]; then
    # No report may have been written, not even a partial one.
    leftovers="$(cd "$scratch" && find . -mindepth 1 -newer "$name" ! -name '.std*' ! -name old)"
    if [[ -n "$leftovers" ]] || [[ ! -s "$scratch/.stderr" ]] ||
        ! grep -qF -- "${expected#[-!]}" "$scratch/.stderr"; then
        echo "files left behind: '$leftovers'; stderr: $(cat "$scratch/.stderr")"
        exit 1
    fi
    echo "exit $status as expected: $(head -c 300 "$scratch/.stderr")"
    exit 0
fi

if [[ -n "${NETLIST_CASE_NO_DISPLAY:-}" ]] && ! grep -q "no display" "$scratch/.stderr"; then
    echo "no word of the missing display on stderr"
    exit 1
fi
report="$scratch/${name%%.*}.$extension"
if ! cmp -s "$expected" "$report"; then
    echo "report differs from $expected:"
    diff <(cat -A "$expected") <(cat -A "$report") || true
    exit 1
fi
echo "report equals $(basename "$expected")"
