#!/usr/bin/env bash
# The compare benchmark: two designs of 32,767 nets (the second a revision of
# the first: nets renamed, pins moved, nets and components removed, lengths
# changed) compared with --compare, against one --batch report of the first;
# the first design's report read back as the old side; and the first design's
# bare-board netlist (IPC-D-356, bench/generate_ipc.py) against it, matched by
# pins. Target: a compare within twice the time of one report.
#   bench/compare_bench.sh [BUILD_DIR] [NETS]   (default: build, 32767; a Release build)
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
nets="${2:-32767}"
cmake --build "$build" --target netlist-report >/dev/null
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
mkdir "$work/old"
python3 bench/generate_design.py "$nets" "$work/old/board.json"
python3 - "$work/old/board.json" "$work/board.json" <<'PY'
import json, random, sys
design = json.load(open(sys.argv[1]))
rng = random.Random(1)
nets = design["nets"]
for net in rng.sample(nets, len(nets) // 100):
    net["name"] += "_R"
for net in rng.sample(nets, len(nets) // 100):
    if len(net["nodes"]) > 1:
        rng.choice(nets)["nodes"].append(net["nodes"].pop())
for net in rng.sample(nets, len(nets) // 100):
    net["length"] += 100000
removed = set(id(net) for net in rng.sample(nets, len(nets) // 200))
design["nets"] = [net for net in nets if id(net) not in removed]
design["components"] = design["components"][: -len(design["components"]) // 100]
design["revision"] = "2"
json.dump(design, open(sys.argv[2], "w"), separators=(",", ":"))
PY
python3 bench/generate_ipc.py "$work/old/board.json" "$work/old/board.ipc"
(cd "$work/old" && NETLIST_REPORT_FIXED_DATE=x "$OLDPWD/$build/netlist-report" --batch --lengths mils board.json >/dev/null)

# best_of N command...: the fastest wall and CPU (user + system) times in ms.
best_of() {
    local runs="$1" best="" best_cpu=""
    shift
    for _ in $(seq "$runs"); do
        set +e
        /usr/bin/time -f "%e %U %S" -o "$work/time" "$@" >/dev/null 2>&1
        set -e
        read -r seconds user system < <(tail -n 1 "$work/time")
        local ms cpu
        ms=$(awk -v s="$seconds" 'BEGIN { printf "%.0f", s * 1000 }')
        cpu=$(awk -v u="$user" -v s="$system" 'BEGIN { printf "%.0f", (u + s) * 1000 }')
        if [[ -z "$best" || $ms -lt $best ]]; then best=$ms; fi
        if [[ -z "$best_cpu" || $cpu -lt $best_cpu ]]; then best_cpu=$cpu; fi
    done
    echo "$best $best_cpu"
}

program="$build/netlist-report"
read -r report_ms report_cpu <<<"$(best_of 5 "$program" --batch --lengths mils "$work/old/board.json")"
read -r designs_ms designs_cpu <<<"$(best_of 5 "$program" --compare "$work/old/board.json" --lengths mils "$work/board.json")"
read -r wrf_ms wrf_cpu <<<"$(best_of 5 "$program" --compare "$work/old/board.wrf" --lengths mils "$work/board.json")"
read -r ipc_ms ipc_cpu <<<"$(best_of 5 "$program" --compare "$work/old/board.ipc" --output "$work/ipc.cmp" "$work/old/board.json")"
echo "$nets nets, best of 5, wall / CPU ms. Load average now: $(cut -d' ' -f1-3 /proc/loadavg)"
printf '%-34s %7s %7s %8s\n' "run" "wall" "cpu" "x report"
row() { printf '%-34s %7d %7d %8.2f\n' "$1" "$2" "$3" "$(awk -v a="$3" -v b="$report_cpu" 'BEGIN { print a / b }')"; }
row "--batch report of OLD" "$report_ms" "$report_cpu"
row "--compare OLD design with NEW" "$designs_ms" "$designs_cpu"
row "--compare OLD's report with NEW" "$wrf_ms" "$wrf_cpu"
row "--compare OLD's IPC-D-356 with OLD" "$ipc_ms" "$ipc_cpu"
tail -n 1 "$work/board.cmp" | tr -d '\r\f'
tail -n 1 "$work/ipc.cmp" | tr -d '\r\f'
