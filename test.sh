#!/usr/bin/env bash
# Installs what is missing, checks the formatting, builds, runs clang-tidy and the whole
# test suite: once on the release build (with the Debian package's test), once
# under AddressSanitizer + UndefinedBehaviorSanitizer, then the Windows
# cross-builds under wine and the Windows zip, where mingw-w64 is installed.
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-packages.sh --wine32 run test

echo "== formatting"
scripts/check-format.sh

echo "== release build"
scripts/build.sh build -DCMAKE_BUILD_TYPE=Release -DNETLIST_BUILD_TESTS=ON -DNETLIST_BUILD_BENCH=ON
ctest --test-dir build --output-on-failure -j2

echo "== clang-tidy"
scripts/clang-tidy.sh build

echo "== Debian package"
package="$(scripts/package-deb.sh)"
tests/package/deb_package_test.sh "$package" build/netlist-report

echo "== AddressSanitizer + UndefinedBehaviorSanitizer build"
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DNETLIST_SANITIZE=ON -DNETLIST_BUILD_BENCH=OFF
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
    ctest --test-dir build-asan --output-on-failure -j2

if [[ -x scripts/test-windows.sh ]]; then
    echo "== Windows cross-builds under wine"
    scripts/test-windows.sh
fi
if command -v i686-w64-mingw32-g++ >/dev/null; then
    # Builds the zip from the 32-bit build and checks what it holds.
    echo "== Windows zip"
    scripts/package-windows.sh
fi
