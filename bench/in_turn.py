#!/usr/bin/env python3
"""Times commands side by side: each round runs every command once, in turn,
so that a busy machine slows all of them alike. For each command, the median
and fastest wall and CPU (user + system) times in ms, taken from the kernel's
account of the child (wait4) to the microsecond, and the median of its CPU
time over the first command's in the same round: the figure that holds on a
noisy machine.

    bench/in_turn.py ROUNDS LABEL COMMAND... [-- LABEL COMMAND...]...
"""
import os
import statistics
import sys
import time


def commands(words):
    groups, group = [], []
    for word in words:
        if word == "--":
            groups.append(group)
            group = []
        else:
            group.append(word)
    groups.append(group)
    return [(group[0], group[1:]) for group in groups]


def run_once(argv):
    devnull = os.open(os.devnull, os.O_WRONLY)
    try:
        start = time.perf_counter_ns()
        pid = os.posix_spawnp(argv[0], argv, os.environ,
                              file_actions=[(os.POSIX_SPAWN_DUP2, devnull, 1),
                                            (os.POSIX_SPAWN_DUP2, devnull, 2)])
        _, _, usage = os.wait4(pid, 0)
        elapsed = time.perf_counter_ns() - start
    finally:
        os.close(devnull)
    return elapsed / 1e6, (usage.ru_utime + usage.ru_stime) * 1e3


def main():
    rounds = int(sys.argv[1])
    runs = commands(sys.argv[2:])
    times = {label: [] for label, _ in runs}
    for _ in range(rounds):
        for label, argv in runs:
            times[label].append(run_once(argv))
    reference = [cpu for _, cpu in times[runs[0][0]]]
    print(f"{'run':34} {'wall':>7} {'fastest':>8} {'cpu':>7} {'fastest':>8} {'x first':>8}")
    for label, _ in runs:
        walls = [wall for wall, _ in times[label]]
        cpus = [cpu for _, cpu in times[label]]
        ratio = statistics.median(cpu / first for cpu, first in zip(cpus, reference))
        print(f"{label:34} {statistics.median(walls):7.1f} {min(walls):8.1f} "
              f"{statistics.median(cpus):7.1f} {min(cpus):8.1f} {ratio:8.2f}")


if __name__ == "__main__":
    main()
