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

# best_of N command...: the fastest wall time and the fastest CPU time (user +
# system) in ms, and the peak RSS in KiB. On a busy machine the CPU time is
# the fairer figure.
best_of() {
    local runs="$1" best="" best_cpu="" peak=0
    shift
    for _ in $(seq "$runs"); do
        /usr/bin/time -f "%e %U %S %M" -o "$work/time" "$@" >/dev/null
        read -r seconds user system kib <"$work/time"
        local ms cpu
        ms=$(awk -v s="$seconds" 'BEGIN { printf "%.0f", s * 1000 }')
        cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.0f", (u + s) * 1000 }')
        if [[ -z "$best" || $ms -lt $best ]]; then best=$ms; fi
        if [[ -z "$best_cpu" || $cpu -lt $best_cpu ]]; then best_cpu=$cpu; fi
        if [[ $kib -gt $peak ]]; then peak=$kib; fi
    done
    echo "$best $best_cpu $peak"
}

echo "In-process (report_bench, CPU ms): load = reading the design file, order = the collection"
echo "pass and sort of the report run alone, run = start-up + the whole report run; RSS after"
echo "loading and at the end."
echo "Batch: the program end to end (netlist-report --batch), wall and CPU ms, peak RSS."
echo "Limit: 3 x the design file's size + 40 MB. Load average now: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%7s %7s %6s | %7s %7s %7s %8s %8s | %8s %8s %8s | %8s\n' nets nodes "MB" "load" \
    "order" "run" "RSS@load" "RSS" "wall" "cpu" "RSS" "limit"
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
    read -r n nodes bytes load order run loaded_kib rss <<<"$best_line"
    read -r batch_ms batch_cpu batch_kib <<<"$(best_of 3 "$build/netlist-report" --batch --lengths mils "$design")"
    mb() { awk -v k="$1" 'BEGIN { printf "%.1f", k / 1024 }'; }
    printf '%7d %7d %6.1f | %7.1f %7.1f %7.1f %8s %8s | %8d %8d %8s | %8.1f\n' "$n" "$nodes" \
        "$(awk -v b="$bytes" 'BEGIN { print b / 1048576 }')" "$load" "$order" "$run" \
        "$(mb "$loaded_kib")" "$(mb "$rss")" "$batch_ms" "$batch_cpu" "$(mb "$batch_kib")" \
        "$(awk -v b="$bytes" 'BEGIN { print 3 * b / 1048576 + 40 }')"
done
