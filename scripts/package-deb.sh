#!/usr/bin/env bash
# Builds the Debian package dist/netlist-report_VERSION_amd64.deb: a release
# build of the program alone (build-deb/, installed under /usr), packed by
# CPack; its dependencies come from dpkg-shlibdeps. Prints the package's path.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/ensure-packages.sh run
if ! command -v dpkg-shlibdeps >/dev/null; then
    echo "package-deb: dpkg-shlibdeps is missing; install the Debian package dpkg-dev" >&2
    exit 1
fi
dir=build-deb
scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DNETLIST_BUILD_TESTS=OFF -DNETLIST_BUILD_BENCH=OFF >/dev/null
rm -f "$dir"/*.deb
(cd "$dir" && cpack -G DEB >/dev/null)
mkdir -p dist
package="$(cd "$dir" && ls -- *.deb)"
mv "$dir/$package" "dist/$package"
echo "dist/$package"
