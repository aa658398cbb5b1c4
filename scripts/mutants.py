#!/usr/bin/env python3
"""Plants single faults in the program's sources, one at a time, and counts how many the
release test suite catches. Run through scripts/mutants.sh, which prepares the build tree."""

import argparse
import os
import random
import re
import signal
import subprocess
import sys
import time

SOURCE_DIRS = ("app", "design", "report", "ui")
SOURCE_SUFFIXES = (".cpp", ".h")

# Comparisons and logic operators are only rewritten with a blank on each side, as the
# formatter writes binary operators; template brackets, shifts and includes never match.
SWAPS = {
    "<": ">=", ">=": "<", ">": "<=", "<=": ">",
    "==": "!=", "!=": "==", "&&": "||", "||": "&&",
    "true": "false", "false": "true",
}
OPERATOR_RE = re.compile(r"(?<= )(<=|>=|==|!=|&&|\|\||<|>)(?= )")
BOOL_RE = re.compile(r"\b(true|false)\b")
INTEGER_RE = re.compile(r"(?<![\w.'])(\d+)(?![\w.'])")


def token_re(token):
    if token.isdigit():
        return re.compile(r"(?<![\w.'])" + token + r"(?![\w.'])")
    if token in ("true", "false"):
        return re.compile(r"\b" + token + r"\b")
    return re.compile(r"(?<= )" + re.escape(token) + r"(?= )")


def mask_code(lines):
    """Yields (index, masked line) for every line that holds code: comments, string and
    character literals are blanked out, preprocessor lines and Windows-only branches skipped."""
    in_block_comment = False
    in_raw_string = None
    branches = []  # per open #if: "windows" while reading a branch built only on Windows
    for index, line in enumerate(lines):
        stripped = line.strip()
        if in_raw_string is None and not in_block_comment and stripped.startswith("#"):
            directive = stripped[1:].strip()
            if directive.startswith("if"):
                if re.match(r"ifdef\s+_WIN32\b|if\s+defined\(_WIN32\)", directive):
                    branches.append("windows")
                elif re.match(r"ifndef\s+_WIN32\b|if\s+!\s*defined\(_WIN32\)", directive):
                    branches.append("elsewhere")
                else:
                    branches.append("any")
            elif directive.startswith(("else", "elif")) and branches:
                flipped = {"windows": "elsewhere", "elsewhere": "windows", "any": "any"}
                branches[-1] = flipped[branches[-1]]
            elif directive.startswith("endif") and branches:
                branches.pop()
            continue
        windows_only = "windows" in branches
        out = []
        i = 0
        while i < len(line):
            if in_raw_string is not None:
                end = line.find(in_raw_string, i)
                if end < 0:
                    out.append(" " * (len(line) - i))
                    i = len(line)
                else:
                    out.append(" " * (end + len(in_raw_string) - i))
                    i = end + len(in_raw_string)
                    in_raw_string = None
                continue
            if in_block_comment:
                end = line.find("*/", i)
                if end < 0:
                    out.append(" " * (len(line) - i))
                    i = len(line)
                else:
                    out.append(" " * (end + 2 - i))
                    i = end + 2
                    in_block_comment = False
                continue
            if line.startswith("//", i):
                out.append(" " * (len(line) - i))
                break
            if line.startswith("/*", i):
                in_block_comment = True
                out.append("  ")
                i += 2
                continue
            raw = re.match(r'(?:u8|u|U|L)?R"([^(\s]*)\(', line[i:])
            if raw and (i == 0 or not (line[i - 1].isalnum() or line[i - 1] == "_")):
                in_raw_string = ")" + raw.group(1) + '"'
                out.append(" " * raw.end())
                i += raw.end()
                continue
            ch = line[i]
            if ch in "\"'" and not (ch == "'" and i > 0 and line[i - 1].isalnum()):
                j = i + 1
                while j < len(line) and line[j] != ch:
                    j += 2 if line[j] == "\\" else 1
                out.append(" " * (min(j + 1, len(line)) - i))
                i = j + 1
                continue
            out.append(ch)
            i += 1
        masked = "".join(out)[: len(line)]
        # Compile-time checks only fail the build; planting there costs a build and counts nothing.
        if not windows_only and masked.strip() and not stripped.startswith("static_assert"):
            yield index, masked


def faults_in_line(masked):
    """Every (token, replacement, nth) fault that can be planted on one line."""
    found = []
    counts = {}
    spans = []
    for regex in (OPERATOR_RE, BOOL_RE, INTEGER_RE):
        for m in regex.finditer(masked):
            spans.append((m.start(), m.group(1)))
    for _, token in sorted(spans):
        nth = counts.get(token, 0)
        counts[token] = nth + 1
        if token.isdigit():
            value = int(token, 10) if not (len(token) > 1 and token.startswith("0")) else None
            if value is None:
                continue
            found.append((token, str(value + 1), nth))
            if value > 0:
                found.append((token, str(value - 1), nth))
        else:
            found.append((token, SWAPS[token], nth))
    return found


def source_files(root):
    listed = subprocess.run(["git", "ls-files", "--", *SOURCE_DIRS], cwd=root, check=True,
                            capture_output=True, text=True).stdout.split()
    return sorted(f for f in listed if f.endswith(SOURCE_SUFFIXES) and "_win32" not in f
                  and "/windows/" not in f and "/win32/" not in f
                  # a data table, and record layouts that static_asserts pin at compile time
                  and not f.endswith(("SampleDesign.cpp", "design/Records.h")))


def sample_faults(root, seed, count):
    # Lines are sampled first, then one fault on each, so lines dense with literals (drawing
    # coordinates, record offsets) do not crowd out the logic.
    lines_with_faults = []
    for path in source_files(root):
        with open(os.path.join(root, path), encoding="utf-8") as f:
            lines = f.read().split("\n")
        for index, masked in mask_code(lines):
            faults = faults_in_line(masked)
            if faults:
                lines_with_faults.append((path, index + 1, lines[index].strip(), faults))
    rng = random.Random(seed)
    picked = []
    for path, number, text, faults in rng.sample(lines_with_faults,
                                                 min(count, len(lines_with_faults))):
        token, replacement, nth = rng.choice(faults)
        picked.append((path, number, nth, token, replacement, text))
    return sorted(picked, key=lambda c: (c[0], c[1]))


def write_list(path, faults, seed):
    with open(path, "w", encoding="utf-8") as f:
        f.write(f"# file\tline\tnth\tfrom\tto\toriginal line (sampled with --seed {seed})\n")
        for fault in faults:
            f.write("\t".join(str(part) for part in fault) + "\n")


def read_list(path):
    faults = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.startswith("#") or not line.strip():
                continue
            file, number, nth, token, replacement, text = line.rstrip("\n").split("\t", 5)
            faults.append((file, int(number), int(nth), token, replacement, text))
    return faults


def squeeze(text):
    return re.sub(r"\s+", "", text)


def plant(content, fault, near=200):
    """Returns the file's text with the fault planted and the line it landed on, or None when
    the original line is no longer within reach of where it was sampled."""
    _, number, nth, token, replacement, text = fault
    lines = content.split("\n")
    masked = dict(mask_code(lines))
    nearest = sorted((i for i, line in enumerate(lines) if squeeze(line) == squeeze(text)
                      and i in masked and abs(i + 1 - number) <= near),
                     key=lambda i: abs(i + 1 - number))
    for index in nearest:
        matches = list(token_re(token).finditer(masked[index]))
        if nth < len(matches):
            m = matches[nth]
            line = lines[index]
            lines[index] = line[: m.start()] + replacement + line[m.end():]
            return "\n".join(lines), index + 1
    return None


def locate(root, fault):
    """Finds the file that now holds the fault's line: its own file near the sampled line, or
    else the one source file where that line occurs once (code moved by a restructuring)."""
    path = fault[0]
    if os.path.exists(path):
        with open(path, encoding="utf-8", newline="") as f:
            if plant(f.read(), fault) is not None:
                return path
    holders = []
    for other in source_files(root):
        with open(other, encoding="utf-8", newline="") as f:
            count = sum(squeeze(line) == squeeze(fault[5]) for line in f.read().split("\n"))
        holders += [other] * count
    if len(holders) == 1:
        with open(holders[0], encoding="utf-8", newline="") as f:
            content = f.read()
        if plant(content, fault, near=10**9) is not None:
            return holders[0]
    return None


def run(command, timeout):
    return subprocess.run(command, capture_output=True, text=True, timeout=timeout)


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--count", type=int, default=60)
    parser.add_argument("--list", help="fault list: reused when it exists, else sampled into it")
    parser.add_argument("--build", default="build-mutants")
    parser.add_argument("--test-timeout", type=int, default=120)
    parser.add_argument("--sample-only", action="store_true",
                        help="write or show the fault list without running it")
    args = parser.parse_args()
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    os.chdir(root)

    if args.list and os.path.exists(args.list):
        faults = read_list(args.list)
    else:
        faults = sample_faults(root, args.seed, args.count)
        if args.list:
            write_list(args.list, faults, args.seed)
    if args.sample_only:
        for fault in faults:
            print(f"{fault[0]}:{fault[1]}: {fault[3]} -> {fault[4]}")
        return 0

    def interrupted(signum, _frame):
        raise KeyboardInterrupt(f"signal {signum}")

    signal.signal(signal.SIGTERM, interrupted)
    before = run(["git", "diff", "--", *SOURCE_DIRS], None).stdout
    caught, survived, not_compiled, not_applicable = [], [], [], []
    started = time.monotonic()
    try:
        for number, fault in enumerate(faults, 1):
            path = locate(root, fault)
            if path is None:
                label = f"{fault[0]}:{fault[1]}: {fault[5]}"
                not_applicable.append(label)
                print(f"[{number}/{len(faults)}] not applicable  {label}", flush=True)
                continue
            with open(path, encoding="utf-8", newline="") as f:
                original = f.read()
            planted = plant(original, fault, near=200 if path == fault[0] else 10**9)
            mutated, line = planted
            label = f"{path}:{line}: {fault[5]} -> {mutated.split(chr(10))[line - 1].strip()}"
            try:
                with open(path, "w", encoding="utf-8", newline="") as f:
                    f.write(mutated)
                build = run(["cmake", "--build", args.build], 1800)
                if build.returncode != 0:
                    verdict, bucket = "not compiled", not_compiled
                elif "no work to do" in build.stdout:
                    verdict, bucket = "not built", not_compiled
                else:
                    tests = run(["ctest", "--test-dir", args.build, "-j2", "--stop-on-failure",
                                 "--timeout", str(args.test_timeout)], None)
                    if tests.returncode != 0:
                        verdict, bucket = "caught", caught
                    else:
                        verdict, bucket = "SURVIVED", survived
            finally:
                with open(path, "w", encoding="utf-8", newline="") as f:
                    f.write(original)
            bucket.append(label)
            print(f"[{number}/{len(faults)}] {verdict:14}  {label}", flush=True)
    finally:
        after = run(["git", "diff", "--", *SOURCE_DIRS], None).stdout
        if after != before:
            print("error: the sources differ from how they were before the run", file=sys.stderr)
            return_code = 2
        else:
            return_code = 0
    # Leave the build tree matching the restored sources for the next run.
    run(["cmake", "--build", args.build], 1800)
    minutes = (time.monotonic() - started) / 60
    print()
    for label in survived:
        print(f"survived: {label}")
    for label in not_applicable:
        print(f"not applicable: {label}")
    counted = len(caught) + len(survived)
    share = 100.0 * len(caught) / counted if counted else 0.0
    print(f"score: {len(caught)}/{counted} caught ({share:.0f}%), {len(survived)} survived, "
          f"{len(not_compiled)} not compiled or not built, {len(not_applicable)} not applicable; "
          f"{len(faults)} faults, {minutes:.1f} min")
    return return_code


if __name__ == "__main__":
    sys.exit(main())
