#!/usr/bin/env bash
# Installs the Debian packages of the named lists that this machine lacks:
#   scripts/ensure-packages.sh [run] [test]     (default: both)
# "run" is scripts/packages-run.txt (building and running the program), "test"
# scripts/packages-test.txt (what the tests add).
# As root it runs apt-get; otherwise it prints the command to run and stops.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
lists=("$@")
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
[[ ${#missing[@]} -eq 0 ]] && exit 0

command="apt-get install -y ${missing[*]}"
if [[ "$(id -u)" -ne 0 ]]; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root, then run this again:" >&2
    echo "    sudo apt-get update && sudo $command" >&2
    exit 1
fi
echo "Installing ${missing[*]} ..."
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq "${missing[@]}" >/dev/null
