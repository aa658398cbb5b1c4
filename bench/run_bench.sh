#!/usr/bin/env bash
# The report benchmark: generates designs of 1,000 to 100,000 nets and
# reports, per size, the time to load the design file, to order the nets and
# to run the report (in-process, report_bench), then the whole batch run of
# the program with its peak memory (/usr/bin/time).
#   bench/run_bench.sh [BUILD_DIR]      (default: build; a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
cmake --build "$build" --target report_bench netlist-report >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

best_of() {  # best_of N command...: the fastest wall time in ms and the peak RSS in KiB
    local runs="$1" best="" peak=0
    shift
    for _ in $(seq "$runs"); do
        /usr/bin/time -f "%e %M" -o "$work/time" "$@" >/dev/null
        read -r seconds kib <"$work/time"
        local ms
        ms=$(awk -v s="$seconds" 'BEGIN { printf "%.0f", s * 1000 }')
        if [[ -z "$best" || $ms -lt $best ]]; then best=$ms; fi
        if [[ $kib -gt $peak ]]; then peak=$kib; fi
    done
    echo "$best $peak"
}

printf '%8s %8s %9s %9s %9s %9s %10s %10s %12s %10s\n' nets nodes "file MB" "load ms" \
    "order ms" "run ms" "RSS MB" "batch ms" "batch RSS MB" "RSS limit"
for nets in 1000 10000 32767 100000; do
    design="$work/bench-$nets.json"
    python3 bench/generate_design.py "$nets" "$design"
    best_line=""
    for _ in 1 2 3; do
        line="$("$build/report_bench" "$design")"
        run=$(echo "$line" | awk '{ print $6 }')
        if [[ -z "$best_line" ]] || awk -v a="$run" -v b="$(echo "$best_line" | awk '{ print $6 }')" \
            'BEGIN { exit !(a < b) }'; then
            best_line="$line"
        fi
    done
    read -r n nodes bytes load order run rss <<<"$best_line"
    read -r batch_ms batch_kib <<<"$(best_of 3 "$build/netlist-report" --batch --lengths mils "$design")"
    printf '%8d %8d %9.1f %9.1f %9.1f %9.1f %10.1f %10d %12.1f %10.1f\n' "$n" "$nodes" \
        "$(awk -v b="$bytes" 'BEGIN { print b / 1048576 }')" "$load" "$order" "$run" \
        "$(awk -v k="$rss" 'BEGIN { print k / 1024 }')" "$batch_ms" \
        "$(awk -v k="$batch_kib" 'BEGIN { print k / 1024 }')" \
        "$(awk -v b="$bytes" 'BEGIN { print 3 * b / 1048576 + 40 }')"
done
