#!/usr/bin/env bash
# Runs --compare on copies of OLD and NEW (dated 2024-02-01 13:04:05 UTC) in a
# scratch folder and checks the exit code and the compare report byte for byte
# against GOLDEN; or, for GOLDEN "!TEXT", that no file was written and stderr
# holds TEXT.
#   run_compare_case.sh PROGRAM OLD NEW GOLDEN|!TEXT EXIT_CODE [program options...]
set -euo pipefail
program="$1" old="$2" new="$3" golden="$4" expected_exit="$5"
shift 5

scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/old"
cp "$old" "$scratch/old/"
cp "$new" "$scratch/"
old_copy="$scratch/old/$(basename "$old")" new_copy="$scratch/$(basename "$new")"
touch -d "2024-02-01 13:04:05 UTC" "$old_copy" "$new_copy"

set +e
(cd "$scratch" && TZ=UTC NETLIST_REPORT_FIXED_DATE="01.02.2024 13:04:05" LC_ALL=C.UTF-8 \
    "$program" --compare "$old_copy" "$@" "$new_copy" >"$scratch/.stdout" 2>"$scratch/.stderr")
status=$?
set -e
if [[ $status -ne $expected_exit ]]; then
    echo "exit code $status, expected $expected_exit"
    cat "$scratch/.stdout" "$scratch/.stderr"
    exit 1
fi

if [[ "$golden" == !* ]]; then
    leftovers="$(cd "$scratch" && find . -mindepth 1 -newer "$new_copy" ! -name '.std*' ! -name old)"
    if [[ -n "$leftovers" ]] || ! grep -qF -- "${golden#!}" "$scratch/.stderr"; then
        echo "files left behind: '$leftovers'; stderr: $(cat "$scratch/.stderr")"
        exit 1
    fi
    echo "exit $status as expected: $(head -c 300 "$scratch/.stderr")"
    exit 0
fi

name="$(basename "$new")"
report="$scratch/${name%%.*}.cmp"
if ! cmp -s "$golden" "$report"; then
    echo "compare report differs from $golden:"
    diff <(cat -A "$golden") <(cat -A "$report") || true
    exit 1
fi
echo "compare report equals $(basename "$golden")"
