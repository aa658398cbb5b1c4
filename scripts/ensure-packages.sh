#!/usr/bin/env bash
# Installs the Debian packages of the named lists that this machine lacks:
#   scripts/ensure-packages.sh [--wine32] [run] [test]     (default: both lists)
# "run" is scripts/packages-run.txt (building and running the program), "test"
# scripts/packages-test.txt (what the tests add).
# As root it runs apt-get; otherwise it prints the command to run and stops.
# With --wine32 (the test command) also wine32, for the 32-bit Windows build.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
wine32=0
lists=()
for argument in "$@"; do
    if [[ "$argument" == --wine32 ]]; then wine32=1; else lists+=("$argument"); fi
done
[[ ${#lists[@]} -eq 0 ]] && lists=(run test)
wanted=()
for list in "${lists[@]}"; do
    file="$here/packages-$list.txt"
    [[ -f "$file" ]] || { echo "ensure-packages: no package list $file" >&2; exit 2; }
    mapfile -t -O "${#wanted[@]}" wanted < <(grep -v '^#' "$file" | sed '/^\s*$/d')
done
missing=()
for package in "${wanted[@]}"; do
    status="$(dpkg-query -W -f='${db:Status-Status}' "$package" 2>/dev/null || true)"
    [[ "$status" == "installed" ]] || missing+=("$package")
done

# The shipping Windows build is 32-bit: its tests need wine32, an i386
# package, which takes the i386 architecture first.
needs_wine32=0
if [[ $wine32 -eq 1 && "$(dpkg-query -W -f='${db:Status-Status}' wine32:i386 2>/dev/null || true)" != "installed" ]]; then
    needs_wine32=1
fi
[[ ${#missing[@]} -eq 0 && $needs_wine32 -eq 0 ]] && exit 0

if [[ "$(id -u)" -ne 0 && ${#missing[@]} -eq 0 ]]; then
    echo "wine32 is missing: the 32-bit Windows build will not be tested. As root:" >&2
    echo "    dpkg --add-architecture i386 && apt-get update && apt-get install -y wine32" >&2
    exit 0
fi
command="apt-get install -y ${missing[*]}"
if [[ "$(id -u)" -ne 0 ]]; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root, then run this again:" >&2
    echo "    sudo apt-get update && sudo $command" >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing ${missing[*]} ..."
    apt-get update -qq
    apt-get install -y -qq "${missing[@]}" >/dev/null
fi
if [[ $needs_wine32 -eq 1 ]]; then
    echo "Installing wine32 (i386) ..."
    dpkg --add-architecture i386
    apt-get update -qq
    apt-get install -y -qq wine32 >/dev/null
fi
