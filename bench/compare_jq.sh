#!/usr/bin/env bash
# Side-by-side benchmark against `jq empty`: for designs of 1k, 10k, 32,767 and
# 100k nets, alternates `netlist-report --batch` and `jq empty` on the same
# file in one run, RUNS repetitions each (default 7), and prints the median
# wall time, the peak RSS and the ratio of the two medians. Then the KiCad
# `video` board with `--batch --lengths mm`, and `--version` alone.
# The machine may be busy: the ratio to jq, measured in the same run, is the
# figure to compare between builds. With OTHER, a second build of the program
# runs in turn with the first and jq, so that two builds meet the same load.
#   bench/compare_jq.sh [PROGRAM] [RUNS] [OTHER]     PROGRAM: build/netlist-report
set -euo pipefail
cd "$(dirname "$0")/.."
programs=("$(realpath "${1:-build/netlist-report}")")
runs="${2:-7}"
[[ -n "${3:-}" ]] && programs+=("$(realpath "$3")")
board=/usr/share/kicad/demos/video/video.kicad_pcb
command -v jq >/dev/null || { echo "jq is not installed" >&2; exit 1; }
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# timed FILE command...: appends "milliseconds KiB" of one run to FILE. GNU
# time's %e has 10 ms steps: the wall time is taken around it instead.
timed() {
    local out="$1" start end
    shift
    start=$(date +%s%N)
    /usr/bin/time -f "%M" -o "$work/time" "$@" >/dev/null
    end=$(date +%s%N)
    echo "$(((end - start) / 1000)) $(cat "$work/time")" |
        awk '{ printf "%.1f %d\n", $1 / 1000, $2 }' >>"$out"
}
# median FILE: the median milliseconds and the highest KiB of FILE's runs.
median() {
    sort -n "$1" | awk '{ ms[NR] = $1; if ($2 > kib) kib = $2 }
        END { m = NR % 2 ? ms[(NR + 1) / 2] : (ms[NR / 2] + ms[NR / 2 + 1]) / 2
              printf "%.1f %d", m, kib }'
}
# medians_ns args...: each program with args in turn, RUNS rounds; prints the
# median wall time in ms of each program, one line each.
medians_ns() {
    local i
    for i in "${!programs[@]}"; do : >"$work/ns$i"; done
    for _ in $(seq "$runs"); do
        for i in "${!programs[@]}"; do
            local start end
            start=$(date +%s%N)
            "${programs[$i]}" "$@" >/dev/null
            end=$(date +%s%N)
            echo $(((end - start) / 1000)) >>"$work/ns$i"
        done
    done
    for i in "${!programs[@]}"; do
        sort -n "$work/ns$i" | awk '{ us[NR] = $1 }
            END { printf "%.1f\n", (NR % 2 ? us[(NR + 1) / 2] : (us[NR / 2] + us[NR / 2 + 1]) / 2) / 1000 }'
    done
}

for i in "${!programs[@]}"; do echo "program $((i + 1)): ${programs[$i]}"; done
echo "$runs runs each; load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%7s %6s %4s | %9s %8s | %9s %8s | %6s\n' nets MB prog "report ms" "RSS MB" "jq ms" "RSS MB" ratio
for nets in 1000 10000 32767 100000; do
    design="$work/bench-$nets.json"
    python3 bench/generate_design.py "$nets" "$design"
    : >"$work/jq"
    for i in "${!programs[@]}"; do : >"$work/report$i"; done
    for _ in $(seq "$runs"); do
        for i in "${!programs[@]}"; do timed "$work/report$i" "${programs[$i]}" --batch "$design"; done
        timed "$work/jq" jq empty "$design"
    done
    read -r jq_ms jq_kib <<<"$(median "$work/jq")"
    for i in "${!programs[@]}"; do
        read -r report_ms report_kib <<<"$(median "$work/report$i")"
        printf '%7d %6.1f %4d | %9.1f %8.1f | %9.1f %8.1f | %6.2f\n' "$nets" \
            "$(awk -v b="$(stat -c %s "$design")" 'BEGIN { print b / 1048576 }')" "$((i + 1))" \
            "$report_ms" "$(awk -v k="$report_kib" 'BEGIN { print k / 1024 }')" \
            "$jq_ms" "$(awk -v k="$jq_kib" 'BEGIN { print k / 1024 }')" \
            "$(awk -v a="$report_ms" -v b="$jq_ms" 'BEGIN { print (b > 0 ? a / b : 0) }')"
    done
done
if [[ -f "$board" ]]; then
    cp "$board" "$work/"
    i=1
    medians_ns --batch --lengths mm "$work/video.kicad_pcb" | while read -r ms; do
        echo "program $i, KiCad video board, --batch --lengths mm: $ms ms (median)"
        i=$((i + 1))
    done
fi
i=1
medians_ns --version | while read -r ms; do
    echo "program $i, --version: $ms ms (median)"
    i=$((i + 1))
done
