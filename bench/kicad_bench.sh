#!/usr/bin/env bash
# Times the largest board of the kicad-demos package (video.kicad_pcb,
# 7.4 MB): netlist-report --batch --lengths mm on a copy in a scratch folder,
# the median of RUNS runs (default 11) against the target of 30 ms; then the
# load alone and the memory it takes (kicad_load_bench).
#   bench/kicad_bench.sh [RUNS]        BUILD_DIR=build by default
# REFERENCE=PROGRAM times another netlist-report (an earlier build, say) in
# the same run, alternating with this one, since a busy machine makes only
# figures taken side by side comparable.
# Exits 1 when the median misses the target.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-11}"
dir="${BUILD_DIR:-build}"
reference="${REFERENCE:-}"
board=/usr/share/kicad/demos/video/video.kicad_pcb
target_ms=30

if [[ ! -f "$board" ]]; then
    echo "kicad-demos is not installed: $board is missing" >&2
    exit 1
fi
if [[ ! -f "$dir/build.ninja" ]]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
fi
cmake --build "$dir" --target netlist-report kicad_load_bench >/dev/null

work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$board" "$work/"

# run PROGRAM FILE: appends the microseconds of one run to FILE.
run() {
    local start end
    start=$(date +%s%N)
    "$1" --batch --lengths mm "$work/video.kicad_pcb" >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>"$2"
}
# summary FILE: "median M ms (min A, max B)" of FILE's runs.
summary() {
    sort -n "$1" | awk '{ us[NR] = $1 } END {
        printf "median %.1f ms (min %.1f, max %.1f)", us[int((NR + 1) / 2)] / 1000, us[1] / 1000,
            us[NR] / 1000 }'
}
median_us() { sort -n "$1" | awk '{ us[NR] = $1 } END { print us[int((NR + 1) / 2)] }'; }

: >"$work/this"
: >"$work/reference"
for ((i = 0; i < runs; i++)); do
    run "$dir/netlist-report" "$work/this"
    [[ -z "$reference" ]] || run "$reference" "$work/reference"
done
echo "netlist-report --batch --lengths mm: $(summary "$work/this") of $runs runs;" \
    "target <= $target_ms ms"
[[ -z "$reference" ]] || echo "reference $reference: $(summary "$work/reference")"
"$dir/kicad_load_bench" "$work/video.kicad_pcb" "$runs"

if (($(median_us "$work/this") > target_ms * 1000)); then
    echo "FAIL: the median is over the target" >&2
    exit 1
fi
echo "PASS"
