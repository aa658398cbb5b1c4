#!/usr/bin/env bash
# Side-by-side benchmark against `jq empty`: for designs of 1k, 10k, 32,767 and
# 100k nets, alternates `netlist-report --batch` and `jq empty` on the same
# file in one run, RUNS repetitions each (default 7), and prints the median
# wall time, the peak RSS and the ratio of the two medians. Then the KiCad
# `video` board with `--batch --lengths mm`, and `--version` alone.
# The machine may be busy: the ratio to jq, measured in the same run, is the
# figure to compare between builds.
#   bench/compare_jq.sh [PROGRAM] [RUNS]     PROGRAM: build/netlist-report
set -euo pipefail
cd "$(dirname "$0")/.."
program="$(realpath "${1:-build/netlist-report}")"
runs="${2:-7}"
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
# median_ns command...: the median wall time of RUNS runs in ms.
median_ns() {
    local times=()
    for _ in $(seq "$runs"); do
        local start end
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ us[NR] = $1 }
        END { printf "%.1f", (NR % 2 ? us[(NR + 1) / 2] : (us[NR / 2] + us[NR / 2 + 1]) / 2) / 1000 }'
}

echo "program: $program; $runs runs each; load average $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%7s %6s | %9s %8s | %9s %8s | %6s\n' nets MB "report ms" "RSS MB" "jq ms" "RSS MB" ratio
for nets in 1000 10000 32767 100000; do
    design="$work/bench-$nets.json"
    python3 bench/generate_design.py "$nets" "$design"
    : >"$work/report" && : >"$work/jq"
    for _ in $(seq "$runs"); do
        timed "$work/report" "$program" --batch "$design"
        timed "$work/jq" jq empty "$design"
    done
    read -r report_ms report_kib <<<"$(median "$work/report")"
    read -r jq_ms jq_kib <<<"$(median "$work/jq")"
    printf '%7d %6.1f | %9.1f %8.1f | %9.1f %8.1f | %6.2f\n' "$nets" \
        "$(awk -v b="$(stat -c %s "$design")" 'BEGIN { print b / 1048576 }')" \
        "$report_ms" "$(awk -v k="$report_kib" 'BEGIN { print k / 1024 }')" \
        "$jq_ms" "$(awk -v k="$jq_kib" 'BEGIN { print k / 1024 }')" \
        "$(awk -v a="$report_ms" -v b="$jq_ms" 'BEGIN { print (b > 0 ? a / b : 0) }')"
done
if [[ -f "$board" ]]; then
    cp "$board" "$work/"
    echo "KiCad video board, --batch --lengths mm: $(median_ns "$program" --batch --lengths mm \
        "$work/video.kicad_pcb") ms (median)"
fi
echo "--version: $(median_ns "$program" --version) ms (median)"
