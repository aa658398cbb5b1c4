#!/usr/bin/env bash
# Fails when a tracked C++ source differs from what clang-format makes of it
# (the repository's .clang-format, clang-format 14 as Debian 12 ships it) and
# names each such file. With --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
formatter=clang-format-14
if ! command -v "$formatter" >/dev/null; then
    echo "check-format.sh: $formatter is missing (Debian package clang-format-14)" >&2
    exit 2
fi
"$formatter" --dump-config >/dev/null  # a broken .clang-format fails here, not silently
mapfile -t sources < <(git ls-files -- app design report ui tests bench tools |
    grep -E '\.(cpp|h|hpp)$' || true)
if [[ "${1:-}" == --fix ]]; then
    "$formatter" -i "${sources[@]}"
    exit 0
fi
# One run over every file; it reports each difference as "FILE:LINE:COLUMN: error: ...".
mapfile -t differing < <("$formatter" --dry-run --Werror "${sources[@]}" 2>&1 |
    sed -n 's/^\(.*\):[0-9]*:[0-9]*: error: code should be clang-formatted.*/\1/p' | sort -u)
if ((${#differing[@]} > 0)); then
    for source in "${differing[@]}"; do
        echo "not formatted: $source (scripts/check-format.sh --fix formats it)" >&2
    done
    echo "check-format.sh: ${#differing[@]} file(s) differ from clang-format" >&2
    exit 1
fi
echo "check-format.sh: ${#sources[@]} files formatted"
