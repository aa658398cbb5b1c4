#!/usr/bin/env python3
"""Start-up benchmark: `--version` and `--batch` on a 1k-net design, side by
side with a reference program, and `/bin/true` as the floor.

Each round runs every command once, in turn, so that a busy machine slows all
of them alike; the table gives the median and the fastest wall time of RUNS
rounds (default 51), taken around posix_spawn and wait4, so the timer adds
only the cost of starting a process, and the median CPU time (user + system),
the fairer figure on a busy machine. Then the number of shared libraries each
program loads (`ldd`).

    bench/startup_bench.py [--runs N] PROGRAM [REFERENCE]
    e.g. bench/startup_bench.py build/netlist-report /work/ref/ref-netlist-report
"""
import argparse
import os
import statistics
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def run_once(argv, cwd):
    devnull = os.open(os.devnull, os.O_WRONLY)
    try:
        start = time.perf_counter_ns()
        pid = os.posix_spawn(argv[0], argv, os.environ,
                             file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1)])
        _, status, usage = os.wait4(pid, 0)
        elapsed = time.perf_counter_ns() - start
    finally:
        os.close(devnull)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"startup_bench: {' '.join(argv)} failed in {cwd}")
    return elapsed / 1e6, (usage.ru_utime + usage.ru_stime) * 1e3


def shared_libraries(program):
    output = subprocess.run(["ldd", program], capture_output=True, text=True).stdout
    return sum(1 for line in output.splitlines() if "=>" in line or "ld-linux" in line)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--runs", type=int, default=51)
    parser.add_argument("program")
    parser.add_argument("reference", nargs="?")
    options = parser.parse_args()
    programs = [os.path.realpath(options.program)]
    if options.reference:
        programs.append(os.path.realpath(options.reference))

    with tempfile.TemporaryDirectory() as work:
        design = os.path.join(work, "bench-1000.json")
        subprocess.run([sys.executable, os.path.join(HERE, "generate_design.py"), "1000", design],
                       check=True)
        true = "/bin/true"
        commands = [("/bin/true", [true])]
        for program in programs:
            name = os.path.basename(program)
            commands.append((f"{name} --version", [program, "--version"]))
            commands.append((f"{name} --batch 1k nets", [program, "--batch", design]))
        times = {label: [] for label, _ in commands}
        os.chdir(work)
        for _ in range(options.runs):
            for label, argv in commands:
                times[label].append(run_once(argv, work))

    with open("/proc/loadavg") as loadavg:
        load = " ".join(loadavg.read().split()[:3])
    print(f"{options.runs} rounds; load average {load}")
    print(f"{'command':<40} {'median ms':>9} {'min ms':>7} {'CPU ms':>7}")
    for label, _ in commands:
        wall = [run[0] for run in times[label]]
        cpu = [run[1] for run in times[label]]
        print(f"{label:<40} {statistics.median(wall):9.2f} {min(wall):7.2f} "
              f"{statistics.median(cpu):7.2f}")
    for program in programs:
        print(f"ldd {program}: {shared_libraries(program)} libraries")


if __name__ == "__main__":
    main()
