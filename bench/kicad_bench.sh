#!/usr/bin/env bash
# Times the largest board of the kicad-demos package (video.kicad_pcb,
# 7.4 MB): netlist-report --batch --lengths mm on a copy in a scratch folder,
# the median of RUNS runs (default 11) against the target of 250 ms; then the
# load alone and the memory it takes (kicad_load_bench).
#   bench/kicad_bench.sh [RUNS]        BUILD_DIR=build by default
# Exits 1 when the median misses the target.
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-11}"
dir="${BUILD_DIR:-build}"
board=/usr/share/kicad/demos/video/video.kicad_pcb
target_ms=250

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

micros=()
for ((run = 0; run < runs; run++)); do
    start=$(date +%s%N)
    "$dir/netlist-report" --batch --lengths mm "$work/video.kicad_pcb" >/dev/null
    end=$(date +%s%N)
    micros+=($(((end - start) / 1000)))
done
sorted=($(printf '%s\n' "${micros[@]}" | sort -n))
ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }
median="${sorted[$((runs / 2))]}"
echo "netlist-report --batch: median $(ms "$median") ms of $runs runs" \
    "(min $(ms "${sorted[0]}"), max $(ms "${sorted[$((runs - 1))]}")); target < $target_ms ms"
"$dir/kicad_load_bench" "$work/video.kicad_pcb" "$runs"

if ((median >= target_ms * 1000)); then
    echo "FAIL: the median is over the target" >&2
    exit 1
fi
echo "PASS"
