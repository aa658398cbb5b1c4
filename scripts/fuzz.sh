#!/usr/bin/env bash
# Builds every libFuzzer target (tests/fuzz/fuzz_*.cpp), or the ones named,
# with clang and runs each one for the given number of seconds (default 60),
# or for the given number of executions, one after the other.
#   scripts/fuzz.sh [SECONDS | --runs COUNT] [TARGET...]
#   e.g. scripts/fuzz.sh 600 fuzz_ipc_netlist, scripts/fuzz.sh --runs 1000000
# Seeds come from tests/fuzz/corpus/TARGET/ (and TARGET.dict beside it, when
# present); what the fuzzer learns goes to build-fuzz/corpus/TARGET/, so the
# seeds in the repository stay as they are. A crash, a sanitizer report or a
# hang stops the script with the failing input saved under
# build-fuzz/artifacts/TARGET/.
set -euo pipefail
cd "$(dirname "$0")/.."

limit=(-max_total_time="${1:-60}")
amount="${1:-60}"
if [[ "${1:-}" == --runs ]]; then
    amount="${2:-}"
    limit=(-runs="$amount")
    shift 2 || true
else
    shift || true
fi
if ! [[ "$amount" =~ ^[0-9]+$ ]] || [[ "$amount" -eq 0 ]]; then
    echo "usage: scripts/fuzz.sh [SECONDS | --runs COUNT] [TARGET...]  (default: 60 seconds each)" >&2
    exit 2
fi
wanted=("$@")
build=build-fuzz

scripts/ensure-packages.sh
if [[ ! -f "$build/build.ninja" ]]; then
    CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DNETLIST_FUZZ=ON -DNETLIST_UI=OFF -DNETLIST_BUILD_TESTS=ON -DNETLIST_BUILD_BENCH=OFF \
        >/dev/null
fi

targets=()
for source in tests/fuzz/fuzz_*.cpp; do
    [[ -e "$source" ]] || continue
    name="$(basename "$source" .cpp)"
    [[ ${#wanted[@]} -eq 0 || " ${wanted[*]} " == *" $name "* ]] && targets+=("$name")
done
for name in "${wanted[@]}"; do
    if [[ ! -f "tests/fuzz/$name.cpp" ]]; then
        echo "no fuzz target $name: tests/fuzz/$name.cpp is missing" >&2
        exit 2
    fi
done
if [[ ${#targets[@]} -eq 0 ]]; then
    echo "no fuzz targets under tests/fuzz/" >&2
    exit 1
fi
cmake --build "$build" --target "${targets[@]}" -- -j2

for target in "${targets[@]}"; do
    work="$build/corpus/$target"
    artifacts="$build/artifacts/$target"
    mkdir -p "$work" "$artifacts"
    corpora=("$work")
    [[ -d "tests/fuzz/corpus/$target" ]] && corpora+=("tests/fuzz/corpus/$target")
    options=("${limit[@]}" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1
             -artifact_prefix="$artifacts/")
    [[ -f "tests/fuzz/corpus/$target.dict" ]] && options+=(-dict="tests/fuzz/corpus/$target.dict")

    echo "== $target: ${limit[*]}"
    log="$build/$target.log"
    if ! UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
        "$build/$target" "${options[@]}" "${corpora[@]}" >"$log" 2>&1; then
        tail -n 60 "$log" >&2
        echo "$target: failed; the input is under $artifacts/ (log: $log)" >&2
        exit 1
    fi
    grep -E '^stat::number_of_executed_units|^stat::peak_rss_mb' "$log" | sed "s/^/$target: /"
done
