#!/usr/bin/env bash
# Takes the pictures of the Win32 window for the README, under wine on an X
# display of its own (Xvfb): the main window on the host's board (the
# stand-in DLL) and on a schematic design file, the About box, and the box of
# a design file refused at start-up, into docs/screenshots/win32-*.png.
#   scripts/screenshots-win32.sh [BUILD_DIR]   (default: build-win32, else build-win64)
# Needs Xvfb, wine and ImageMagick's import (apt-get install imagemagick).
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
dir="${1:-}"
if [[ -z "$dir" ]]; then
    dir=build-win32
    [[ -x /usr/lib/wine/wine && -f build-win32/netlist-report.exe ]] || dir=build-win64
fi
for tool in Xvfb import xwininfo; do
    command -v "$tool" >/dev/null || {
        echo "screenshots-win32: $tool is missing (apt-get install xvfb imagemagick x11-utils)" >&2
        exit 1
    }
done
[[ -f "$dir/netlist-report.exe" ]] || {
    echo "screenshots-win32: no $dir/netlist-report.exe; build it first (README, Windows)" >&2
    exit 1
}
loader=/usr/lib/wine/wine64 arch=win64 triple=x86_64-w64-mingw32
if [[ "$dir" == *win32* ]]; then loader=/usr/lib/wine/wine arch=win32 triple=i686-w64-mingw32; fi

# A fixed folder: the design file's path shows in a picture.
work="${TMPDIR:-/tmp}/netlist-report-screenshots-win32"
rm -rf "$work" && mkdir -p "$work"
# shellcheck source=../tests/support/own_display.sh
source tests/support/own_display.sh
start_own_display || { echo "screenshots-win32: no Xvfb display could be started" >&2; exit 1; }
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A prefix apart from the tests', which this script stops at its end.
export WINEPREFIX="$root/$dir/wineprefix-screenshots" WINEARCH="$arch" WINELOADER="$loader"
cleanup() {
    "$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k 2>/dev/null || true
    stop_own_display
    rm -rf "$work"
}
trap cleanup EXIT
sleep 1
"$loader" wineboot --init >/dev/null 2>&1
"$(command -v wineserver || echo /usr/lib/wine/wineserver)" -w

# Chooses "&About" in the running program's window, as a click would.
cat >"$work/open-about.cpp" <<'SOURCE'
#include <windows.h>
#include "ui/win32/ControlIds.h"
int main() {
    HWND form = FindWindowW(netlist::win32::kForm1Class, nullptr);
    if (!form) return 1;
    SendMessageW(form, WM_COMMAND, MAKEWPARAM(netlist::win32::kAboutId, 0), 0);
    return 0;
}
SOURCE
"$triple-g++" -std=c++20 -static -I"$root" -o "$work/open-about.exe" "$work/open-about.cpp"

# Starts the program as Explorer does, with no console and no standard
# handles, so that a start-up failure shows its box.
cat >"$work/start-detached.cpp" <<'SOURCE'
#include <windows.h>
#include <string>
int wmain(int argc, wchar_t** argv) {
    std::wstring line;
    for (int i = 1; i < argc; ++i) line += std::wstring(i > 1 ? L" " : L"") + L"\"" + argv[i] + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    PROCESS_INFORMATION process{};
    return CreateProcessW(nullptr, line.data(), nullptr, nullptr, FALSE, DETACHED_PROCESS, nullptr,
                          nullptr, &startup, &process) ? 0 : 1;
}
SOURCE
"$triple-g++" -std=c++20 -static -municode -o "$work/start-detached.exe" "$work/start-detached.cpp"

# shoot TITLE FILE: waits for the window titled TITLE and saves its picture.
shoot() {
    local id="" tries
    for tries in $(seq 60); do
        id="$(xwininfo -root -tree | grep -F "\"$1\": (" | awk '{print $1}' | head -n 1 || true)"
        [[ -n "$id" ]] && break
        sleep 0.5
    done
    [[ -n "$id" ]] || { echo "screenshots-win32: no window \"$1\"" >&2; return 1; }
    sleep 1
    import -window "$id" "$root/docs/screenshots/$2"
    echo "docs/screenshots/$2"
}

# The designs lie in a neutral folder, so that the pictures do not depend on
# where the repository is.
cp docs/examples/sample-board.json "$work/"
sed 's/"kind": *"PCB"/"kind": "SCH"/' docs/examples/sample-board.json >"$work/sample-schematic.json"
printf '{"kind": "PCB", "titel": "Amplifier"}\n' >"$work/amp.json"
mkdir -p docs/screenshots
cd "$work"
# Without a design file the design is the host's: here the stand-in DLL
# beside the program serves the sample board.
cp "$root/$dir/designdb32.dll" "$root/$dir/netlist-report.exe" "$work/"
NETLIST_STANDIN_DESIGN=sample-board.json "$loader" ./netlist-report.exe >/dev/null 2>&1 &
shoot "Netlist Report" win32-main-board.png
"$loader" ./open-about.exe
shoot "About" win32-about.png
"$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k 2>/dev/null || true
sleep 1
"$loader" "$root/$dir/netlist-report.exe" sample-schematic.json >/dev/null 2>&1 &
shoot "Netlist Report" win32-main-schematic.png
"$(command -v wineserver || echo /usr/lib/wine/wineserver)" -k 2>/dev/null || true
sleep 1
"$loader" ./start-detached.exe ./netlist-report.exe amp.json
shoot "netlist-report" win32-startup-failure.png
