#!/usr/bin/env bash
# Cross-builds the Windows program (32-bit into build-win32, 64-bit into
# build-win64) and tests it under wine:
#   - the binding tests (tests/windows) against the stand-in and probe DLLs;
#   - netlist-report.exe --batch with the stand-in designdb32.dll on several
#     designs, each report compared byte for byte (the "Date" line aside)
#     with the one the Linux program writes for the same design;
#   - the program without any designdb32.dll: a message and exit code 1;
#   - netlist-report.exe a GUI program, netlist-report.com the console
#     launcher that passes on its output and exit code;
#   - the window tests (tests/windows/window), on Xvfb when there is no
#     DISPLAY;
#   - the window under real key presses (tests/ui/real_keys_test.sh, on an
#     Xvfb display of its own).
# The 64-bit build runs under wine64, the 32-bit one under wine32. Only a
# machine that cannot run 32-bit programs at all (no wine32, or a probe that
# does nothing but exit fails to run) skips the 32-bit build, with a line
# naming the cause; a failure of our 32-bit build is a failure. Without
# mingw-w64 or wine64 this says so and exits 0.
#
# NETLIST_LINUX_BUILD names the Linux build to compare with (default: build,
# which is built first when it has no program yet).
# The last line is "windows: N passed, M failed"; the exit code is non-zero
# when M > 0.
set -uo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
# shellcheck source=../tests/support/own_display.sh
source tests/support/own_display.sh
linux_build="${NETLIST_LINUX_BUILD:-build}"

passed=0
failed=0
pass() {
    echo "PASS $1"
    passed=$((passed + 1))
}
fail() {
    echo "FAIL $1"
    failed=$((failed + 1))
}
finish() {
    echo "windows: $passed passed, $failed failed"
    [[ $failed -eq 0 ]]
    exit
}

# Debian's wine loaders: the 64-bit one directly, since the "wine" wrapper
# prefers the 32-bit one whenever wine32 is installed, even where this
# kernel cannot run 32-bit programs at all.
wine64_program="$(command -v /usr/lib/wine/wine64 wine64 wine | head -n 1)"
wine32_program=""
if [[ -x /usr/lib/wine/wine ]]; then wine32_program=/usr/lib/wine/wine; fi

missing=()
for tool in i686-w64-mingw32-g++ x86_64-w64-mingw32-g++; do
    command -v "$tool" >/dev/null || missing+=("$tool")
done
[[ -n "$wine64_program" ]] || missing+=(wine64)
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Windows tests skipped: ${missing[*]} not installed (apt-get install mingw-w64 wine wine64)"
    finish
fi

wineserver_program="$(command -v wineserver || echo /usr/lib/wine/wineserver)"
# The same locale for both programs and every run, whatever the caller's.
export LC_ALL=C.UTF-8
export WINEDEBUG=-all
# No Mono or Gecko installers while a prefix is made: nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="

# ---- Builds -------------------------------------------------------------------

# cross_build DIR TOOLCHAIN: configures when needed and builds what the tests run.
cross_build() {
    local dir="$1" toolchain="$2" log="$1/cross-build.log"
    mkdir -p "$dir"
    if [[ ! -f "$dir/build.ninja" ]]; then
        cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release \
            -DCMAKE_TOOLCHAIN_FILE="cmake/$toolchain" >"$log" 2>&1 || return 1
    fi
    cmake --build "$dir" -j2 --target netlist-report designdb32 windows_tests window_tests \
        >>"$log" 2>&1
}

built64=0
built32=0
for arch in win64 win32; do
    if [[ $arch == win64 ]]; then toolchain=toolchain-x86_64-w64-mingw32.cmake; else toolchain=toolchain-i686-w64-mingw32.cmake; fi
    echo "== cross-build build-$arch"
    if cross_build "build-$arch" "$toolchain"; then
        pass "cross-build build-$arch"
        if [[ $arch == win64 ]]; then built64=1; else built32=1; fi
    else
        tail -n 30 "build-$arch/cross-build.log"
        fail "cross-build build-$arch (log: build-$arch/cross-build.log)"
    fi
done

if [[ ! -x "$linux_build/netlist-report" ]]; then
    echo "== Linux build $linux_build (to compare reports with)"
    scripts/build.sh "$linux_build" -DCMAKE_BUILD_TYPE=Release >/dev/null ||
        fail "Linux build $linux_build"
fi

# ---- Under wine -----------------------------------------------------------------

# run_wine DIR PROGRAM [ARGUMENTS...]: runs a Windows program of a build
# directory's architecture in that directory's wine prefix, made on first use.
run_wine() {
    local prefix="$root/$1/wineprefix" loader="$wine64_program" arch=win64
    shift
    if [[ "$prefix" == */build-win32/* ]]; then loader="$wine32_program" arch=win32; fi
    if [[ ! -f "$prefix/system.reg" ]]; then
        WINEPREFIX="$prefix" WINEARCH="$arch" WINELOADER="$loader" "$loader" wineboot --init \
            >/dev/null 2>&1
        WINEPREFIX="$prefix" "$wineserver_program" -w
    fi
    WINEPREFIX="$prefix" WINEARCH="$arch" WINELOADER="$loader" "$loader" "$@"
}

stop_wineservers() {
    stop_own_display
    for dir in build-win64 build-win32; do
        [[ -f "$root/$dir/wineprefix/system.reg" ]] &&
            WINEPREFIX="$root/$dir/wineprefix" "$wineserver_program" -k 2>/dev/null
    done
    return 0
}
trap stop_wineservers EXIT

# test_program DIR PROGRAM [ARGUMENTS...]: a test program's cases, each counted.
test_program() {
    local dir="$1" program="$2" output status
    shift 2
    output="$(run_wine "$dir" "$root/$dir/$program" "$@" 2>&1)"
    status=$?
    echo "$output" | grep -v '^PASS \|^FAIL \|^cases: '
    while IFS= read -r line; do
        case "$line" in
            "PASS "*) pass "$dir: ${line#PASS }" ;;
            "FAIL "*) fail "$dir: ${line#FAIL }" ;;
        esac
    done <<<"$output"
    if ! grep -q '^cases: ' <<<"$output"; then
        fail "$dir: $program ended early (exit code $status)"
    fi
}

# An X display for the window tests: the caller's, else an Xvfb of our own.
ensure_display() {
    [[ -n "${DISPLAY:-}" || -n "$own_display_pid" ]] && return 0
    command -v Xvfb >/dev/null || return 1
    start_own_display
}

# stop_prefix DIR: ends the wine processes of DIR's prefix and waits for
# them. Those of earlier steps were started without the display the window
# cases use; a desktop process they left would take the windows to no
# display at all.
stop_prefix() {
    WINEPREFIX="$root/$1/wineprefix" "$wineserver_program" -k 2>/dev/null
    WINEPREFIX="$root/$1/wineprefix" "$wineserver_program" -w 2>/dev/null
}

window_tests() {
    local dir="$1"
    echo "== window tests ($dir)"
    if ! ensure_display; then
        fail "$dir: window tests: no X display and no Xvfb to make one"
        return
    fi
    stop_prefix "$dir"
    test_program "$dir" window_tests.exe
}

# The real-key cases, on the display real_keys_test.sh starts.
real_keys() {
    local dir="$1" prefix="$root/$1/wineprefix" loader="$wine64_program" arch=win64 output
    if [[ "$dir" == build-win32 ]]; then loader="$wine32_program" arch=win32; fi
    echo "== real keys ($dir)"
    stop_prefix "$dir"
    output="$(WINEPREFIX="$prefix" WINEARCH="$arch" WINELOADER="$loader" \
        tests/ui/real_keys_test.sh -- "$loader" "$root/$dir/netlist-report.exe" 2>&1)"
    while IFS= read -r line; do
        case "$line" in
            "PASS "*) pass "$dir: ${line#PASS }" ;;
            "FAIL "*) fail "$dir: ${line#FAIL }" ;;
            *) echo "$line" ;;
        esac
    done <<<"$output"
    grep -q '^PASS ' <<<"$output" || fail "$dir: real keys: no case ran"
}

fixed_date="01.02.2024 13:04:05"

# compare_report NAME DESIGN|- [options...]: the Linux program with the design
# file, the Windows one through designdb32.dll serving the same file; both in
# a folder of their own, where the design file lies and the report lands.
compare_report() {
    local name="$1" design="$2" dir="$3"
    shift 3
    local scratch="$root/$dir/report-compare"
    local linux="$scratch/$name/linux" windows="$scratch/$name/windows" file="" linux_status windows_status
    rm -rf "${scratch:?}/$name"
    mkdir -p "$linux" "$windows"
    if [[ "$design" != "-" ]]; then
        file="$(basename "$design")"
        cp "$design" "$linux/" && cp "$design" "$windows/"
    fi
    (cd "$linux" && NETLIST_REPORT_FIXED_DATE="$fixed_date" \
        "$root/$linux_build/netlist-report" --batch "$@" ${file:+"$file"} >.stdout 2>&1)
    linux_status=$?
    (cd "$windows" && NETLIST_REPORT_FIXED_DATE="$fixed_date" NETLIST_STANDIN_DESIGN="$file" \
        run_wine "$dir" "$root/$dir/netlist-report.exe" --batch "$@" >.stdout 2>&1)
    windows_status=$?
    local reports=("$linux"/*.wrf)
    if [[ $linux_status -ne 0 || $windows_status -ne 0 || ! -f "${reports[0]}" ]]; then
        cat "$linux/.stdout" "$windows/.stdout"
        fail "$dir: report of $name (exit codes: Linux $linux_status, Windows $windows_status)"
        return
    fi
    local report
    report="$(basename "${reports[0]}")"
    if [[ ! -f "$windows/$report" ]]; then
        cat "$windows/.stdout"
        fail "$dir: report of $name: the Windows program wrote no $report"
        return
    fi
    if cmp -s <(sed 's/^Date .*$/Date (masked)/' "$linux/$report") \
        <(sed 's/^Date .*$/Date (masked)/' "$windows/$report"); then
        pass "$dir: report of $name is byte-identical"
    else
        diff <(sed 's/^Date .*$/Date (masked)/' "$linux/$report" | cat -A) \
            <(sed 's/^Date .*$/Date (masked)/' "$windows/$report" | cat -A) | head -n 20
        fail "$dir: report of $name differs from the Linux one ($scratch/$name)"
    fi
}

# Without the host's DLL the program says so and exits with 1.
missing_dll() {
    local dir="$1" alone="$root/$1/report-compare/no-dll" output status
    rm -rf "$alone" && mkdir -p "$alone"
    cp "$root/$dir/netlist-report.exe" "$alone/"
    output="$(cd "$alone" && run_wine "$dir" ./netlist-report.exe --batch 2>&1)"
    status=$?
    if [[ $status -eq 1 && "$output" == *designdb32.dll* ]]; then
        pass "$dir: without designdb32.dll: exit code 1 and \"$output\""
    else
        fail "$dir: without designdb32.dll: exit code $status, output \"$output\""
    fi
}

# pe_subsystem FILE: the subsystem field of a PE file's optional header
# (2 GUI, 3 console).
pe_subsystem() {
    python3 -c 'import struct, sys
data = open(sys.argv[1], "rb").read()
header = struct.unpack_from("<I", data, 0x3C)[0]
print(struct.unpack_from("<H", data, header + 24 + 68)[0])' "$1"
}

# The .exe is a GUI program (no console from Explorer); netlist-report.com,
# which consoles and scripts run, passes on its output and exit code.
console_launcher() {
    local dir="$1" scratch="$root/$1/report-compare/launcher" version
    version="netlist-report $(sed -n 's/^project(netlist-report VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)"
    local exe com
    exe="$(pe_subsystem "$root/$dir/netlist-report.exe")"
    com="$(pe_subsystem "$root/$dir/netlist-report.com")"
    if [[ $exe == 2 && $com == 3 ]]; then
        pass "$dir: netlist-report.exe is a GUI program, netlist-report.com a console one"
    else
        fail "$dir: PE subsystems: netlist-report.exe $exe, netlist-report.com $com (want 2 and 3)"
    fi
    rm -rf "$scratch" && mkdir -p "$scratch"
    cp docs/examples/sample-board.json "$scratch/"
    printf '{"kind": "PCB",' >"$scratch/broken.json"
    # arguments | exit code | the stream with the message | text it holds | file written
    local cases=(
        "--batch sample-board.json|0|stdout|sample-board|sample-board.wrf"
        "--batch broken.json|3|stderr|broken.json|"
        "--version|0|stdout|$version|"
    )
    local entry arguments want stream text written status out err
    for entry in "${cases[@]}"; do
        IFS='|' read -r arguments want stream text written <<<"$entry"
        rm -f "$scratch"/*.wrf
        # shellcheck disable=SC2086 # the arguments are words
        (cd "$scratch" && run_wine "$dir" "$root/$dir/netlist-report.com" $arguments \
            >.stdout 2>.stderr)
        status=$?
        out="$(cat "$scratch/.stdout")" err="$(cat "$scratch/.stderr")"
        local shown="$out"
        [[ $stream == stderr ]] && shown="$err"
        if [[ $status -eq $want && "$shown" == *"$text"* &&
            (-z "$written" || -s "$scratch/$written") ]]; then
            pass "$dir: netlist-report.com $arguments: exit code $status, $stream \"$shown\""
        else
            fail "$dir: netlist-report.com $arguments: exit code $status (want $want)," \
                "stdout \"$out\", stderr \"$err\"${written:+, $written written: $(test -s "$scratch/$written" && echo yes || echo no)}"
        fi
    done
}

run_suite() {
    local dir="$1"
    echo "== binding tests ($dir)"
    test_program "$dir" windows_tests.exe "$root/tests/windows/designs"
    echo "== reports of the Windows program ($dir) against the Linux program's"
    # The built-in sample; the designer's name tests the command line's UTF-8.
    compare_report sample-board-mils - "$dir" --lengths mils --designer "Zoë Ångström"
    compare_report sample-board-mm - "$dir" --lengths mm
    local design name unit
    for design in tests/windows/designs/report-*.json tests/report/designs/golden-*.json; do
        [[ -f "$design" ]] || continue
        name="$(basename "$design" .json)"
        for unit in mils mm; do
            compare_report "$name-$unit" "$design" "$dir" --lengths "$unit"
        done
    done
    # Two real boards, when the KiCad demos are installed.
    for design in /usr/share/kicad/demos/pic_programmer/pic_programmer.kicad_pcb \
        /usr/share/kicad/demos/kit-dev-coldfire-xilinx_5213/kit-dev-coldfire-xilinx_5213.kicad_pcb; do
        [[ -f "$design" ]] || continue
        compare_report "$(basename "$design" .kicad_pcb)" "$design" "$dir" --lengths mils
    done
    missing_dll "$dir"
    console_launcher "$dir"
    window_tests "$dir"
    real_keys "$dir"
}

# Whether this machine runs 32-bit Windows programs at all: a probe that does
# nothing but exit, so that its failure cannot be ours. Prints the cause when not.
can_run_32bit() {
    if [[ -z "$wine32_program" ]]; then
        echo "wine32 is not installed (dpkg --add-architecture i386 && apt-get update &&" \
            "apt-get install wine32)"
        return 1
    fi
    local probe="$root/build-win32/exit-probe.exe" output
    if ! printf 'int main(void) { return 0; }\n' |
        i686-w64-mingw32-gcc -x c -o "$probe" - 2>/dev/null; then
        echo "the 32-bit probe could not be compiled"
        return 1
    fi
    if ! output="$(run_wine build-win32 "$probe" 2>&1)"; then
        echo "a 32-bit program that only exits does not run here: ${output:-no output}"
        return 1
    fi
}

if [[ $built64 -eq 1 && -x "$linux_build/netlist-report" ]]; then
    run_suite build-win64
fi
if [[ $built32 -eq 1 && -x "$linux_build/netlist-report" ]]; then
    if cause="$(can_run_32bit)"; then
        run_suite build-win32
    else
        echo "SKIP the 32-bit build under wine: this machine cannot run 32-bit programs: $cause"
    fi
fi
finish
