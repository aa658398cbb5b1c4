#!/usr/bin/env bash
# Runs the program in batch mode on a copy of a design file, in a scratch
# folder, and checks its exit code and, when a golden report is named, that
# the report equals it byte for byte.
#   run_batch_case.sh PROGRAM DESIGN GOLDEN|- EXIT_CODE [program options...]
# With NETLIST_CASE_NO_DISPLAY=1 the program is asked for its window instead,
# on a machine without a display: it must say so and write the report anyway.
set -euo pipefail
program="$1" design="$2" golden="$3" expected_exit="$4"
shift 4

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
cp "$design" "$scratch/"
name="$(basename "$design")"

mode=--batch
[[ -n "${NETLIST_CASE_NO_DISPLAY:-}" ]] && mode=""
set +e
(cd "$scratch" && NETLIST_REPORT_FIXED_DATE="01.02.2024 13:04:05" LC_ALL=C.UTF-8 \
    "$program" $mode "$@" "$scratch/$name" >"$scratch/.stdout" 2>"$scratch/.stderr")
status=$?
set -e
if [[ $status -ne $expected_exit ]]; then
    echo "exit code $status, expected $expected_exit"
    cat "$scratch/.stdout" "$scratch/.stderr"
    exit 1
fi

if [[ "$golden" == "-" ]]; then
    # No report may have been written, not even a partial one.
    leftovers="$(cd "$scratch" && find . -mindepth 1 ! -name "$name" ! -name '.stdout' ! -name '.stderr')"
    if [[ -n "$leftovers" ]]; then
        echo "files left behind: $leftovers"
        exit 1
    fi
    if [[ ! -s "$scratch/.stderr" ]]; then
        echo "no message on stderr"
        exit 1
    fi
    echo "exit $status as expected: $(head -c 300 "$scratch/.stderr")"
    exit 0
fi

if [[ -n "${NETLIST_CASE_NO_DISPLAY:-}" ]] && ! grep -q "no display" "$scratch/.stderr"; then
    echo "no word of the missing display on stderr"
    exit 1
fi
report="$scratch/${name%%.*}.wrf"
if ! cmp -s "$golden" "$report"; then
    echo "report differs from $golden:"
    diff <(cat -A "$golden") <(cat -A "$report") || true
    exit 1
fi
echo "report equals $(basename "$golden")"
