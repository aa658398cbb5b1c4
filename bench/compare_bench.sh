#!/usr/bin/env bash
# The compare benchmark: two designs of 32,767 nets (the second a revision of
# the first: nets renamed, pins moved, nets and components removed, lengths
# changed) compared with --compare, against one --batch report of the first;
# the first design's report read back as the old side; and the first design's
# bare-board netlist (IPC-D-356, bench/generate_ipc.py) against it, matched by
# pins. Target: a compare within twice the time of one report, as the median
# of their CPU times' ratio over rounds that run each command in turn.
#   [ROUNDS=15] bench/compare_bench.sh [BUILD_DIR] [NETS]   (default: build, 32767; a Release build)
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

program="$build/netlist-report"
rounds="${ROUNDS:-15}"
echo "$nets nets, $rounds rounds in turn, median and fastest wall / CPU ms. Load average now: $(cut -d' ' -f1-3 /proc/loadavg)"
python3 bench/in_turn.py "$rounds" \
    "--batch report of OLD" "$program" --batch --lengths mils --output "$work/old/timed.wrf" "$work/old/board.json" -- \
    "--compare OLD design with NEW" "$program" --compare "$work/old/board.json" --lengths mils --output "$work/board.cmp" "$work/board.json" -- \
    "--compare OLD's report with NEW" "$program" --compare "$work/old/board.wrf" --lengths mils --output "$work/report.cmp" "$work/board.json" -- \
    "--compare OLD's IPC-D-356 with OLD" "$program" --compare "$work/old/board.ipc" --output "$work/ipc.cmp" "$work/old/board.json"
tail -n 1 "$work/board.cmp" | tr -d '\r\f'
tail -n 1 "$work/ipc.cmp" | tr -d '\r\f'
