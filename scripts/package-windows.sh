#!/usr/bin/env bash
# Writes dist/netlist-report-VERSION-win32.zip: the 32-bit netlist-report.exe,
# the one that can load the host's 32-bit design library, and netlist-report.com,
# the console launcher that consoles and scripts run, with a short text
# for Windows users (docs/windows/README.txt). Builds build-win32 first when
# needed. The stand-in designdb32.dll of the build never goes in: on a user's
# machine it would stand in front of the host's own DLL.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v i686-w64-mingw32-g++ >/dev/null && command -v zip >/dev/null || {
    echo "package-windows: needs mingw-w64 and zip (apt-get install mingw-w64 zip)" >&2
    exit 1
}
version="$(sed -n 's/^project(netlist-report VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
if [[ ! -f build-win32/build.ninja ]]; then
    cmake -S . -B build-win32 -G Ninja -DCMAKE_BUILD_TYPE=Release \
        -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-w64-mingw32.cmake >/dev/null
fi
cmake --build build-win32 --target netlist-report

stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
folder="$stage/netlist-report-$version"
mkdir -p "$folder" dist
# Without its symbols: a third smaller, and nothing a user needs.
for program in netlist-report.exe netlist-report.com; do
    i686-w64-mingw32-strip -o "$folder/$program" "build-win32/$program"
done
# Windows line ends, so that Notepad shows the text as written.
sed 's/$/\r/' docs/windows/README.txt >"$folder/README.txt"
package="dist/netlist-report-$version-win32.zip"
rm -f "$package"
(cd "$stage" && zip -q -r -X "$OLDPWD/$package" "netlist-report-$version")
# The listing is read whole first: `unzip -l … | grep -q` fails under
# pipefail whenever grep stops at its first match before unzip has written
# everything (SIGPIPE).
names="$(unzip -Z1 "$package")"
refuse() {
    echo "package-windows: $1" >&2
    rm -f "$package"
    exit 1
}
if grep -qi 'designdb32\.dll' <<<"$names"; then
    refuse "the stand-in DLL got into $package"
fi
for file in netlist-report.exe netlist-report.com README.txt; do
    grep -qx "netlist-report-$version/$file" <<<"$names" || refuse "$file is missing from $package"
done
unzip -l "$package"
echo "$package"
