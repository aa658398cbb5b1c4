#!/usr/bin/env bash
# Installs the Debian package into a scratch root with dpkg, checks what it
# installed, runs the installed program on the built-in sample board against
# the build tree's program, renders the man page, and removes the package
# again, checking that nothing is left behind.
#   tests/package/deb_package_test.sh PACKAGE.deb BUILD_TREE_PROGRAM
set -euo pipefail
package="$(realpath "$1")"
reference="$(realpath "$2")"
root="$(mktemp -d)"
trap 'rm -rf "$root"' EXIT
passes=0
failures=0
check() {  # check DESCRIPTION COMMAND...: runs the command, prints PASS or FAIL
    local description="$1"
    shift
    if "$@"; then
        echo "PASS $description"
        passes=$((passes + 1))
    else
        echo "FAIL $description"
        failures=$((failures + 1))
    fi
}

# A dpkg database of its own: the system's packages, and their dependencies,
# are not there, so dependencies are checked separately below.
mkdir -p "$root/var/lib/dpkg/info" "$root/var/lib/dpkg/updates"
touch "$root/var/lib/dpkg/status" "$root/var/lib/dpkg/available"
dpkg_root() { dpkg --root="$root" --force-not-root --force-depends --log=/dev/null "$@"; }
if ! log="$(dpkg_root --install "$package" 2>&1)"; then
    echo "$log"
    echo "FAIL dpkg --install $package"
    exit 1
fi

# Dependencies: the derived Depends line can be met by this system's packages.
depends_met() {
    local depends
    depends="$(dpkg-deb --field "$package" Depends)"
    [[ -n "$depends" ]] && dpkg-checkbuilddeps -d "$depends" /dev/null 2>/dev/null
}
check "the package's Depends ($(dpkg-deb --field "$package" Depends)) are met here" depends_met
# "Screen" opens the report with xdg-open.
check "the package recommends xdg-utils" \
    grep -qw xdg-utils <<<"$(dpkg-deb --field "$package" Recommends)"

expected=(
    usr/bin/netlist-report
    "usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/netlist-report/netlist-report-window.so"
    usr/share/applications/netlist-report.desktop
    usr/share/mime/packages/netlist-report.xml
    usr/share/icons/hicolor/scalable/apps/netlist-report.svg
    usr/share/man/man1/netlist-report.1.gz
    usr/share/doc/netlist-report/README.md
    usr/share/doc/netlist-report/copyright
    usr/share/doc/netlist-report/docs/examples/sample-board.json
)
for size in 16 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x${size}/apps/netlist-report.png")
done
all_installed() {
    local file
    for file in "${expected[@]}"; do
        [[ -f "$root/$file" ]] || { echo "  missing: /$file"; return 1; }
    done
}
check "dpkg installs the program, its window module, menu entry, MIME types, icons, man page and README" all_installed

doc="$root/usr/share/doc/netlist-report"
# Named documents only: no report that a run left in docs/, every file that
# the README links to.
docs_as_listed() {
    local link extra
    extra="$(cd "$doc" && find . -type f ! -name README.md ! -name copyright ! -name '*.png' \
        ! -path ./docs/examples/sample-board.json ! -path ./docs/DEVELOPING.md \
        ! -path ./docs/windows/README.txt)"
    [[ -z "$extra" ]] || { echo "  not a document: $extra"; return 1; }
    for link in $(grep -oE '\]\([^)#:]+' "$doc/README.md" | cut -c3- | sort -u); do
        [[ -f "$doc/$link" ]] || { echo "  the README links to $link, which is not installed"; return 1; }
    done
}
check "the documentation holds the documents, each the README links to" docs_as_listed

program="$root/usr/bin/netlist-report"
check "--version names the build's version" \
    test "$("$program" --version)" = "$("$reference" --version)"

same_report() {  # same_report OPTIONS...: the sample's report of both programs
    mkdir -p "$root/run/installed" "$root/run/built"
    (cd "$root/run/installed" && "$program" --batch "$@" >/dev/null) &&
        (cd "$root/run/built" && "$reference" --batch "$@" >/dev/null) &&
        cmp "$root/run/installed/sample-board.wrf" "$root/run/built/sample-board.wrf"
}
export NETLIST_REPORT_FIXED_DATE="1/2/26 3:04:05 AM"
check "--batch --lengths mm --designer on the sample gives the build tree's report" \
    same_report --lengths mm --designer "Pat Designer"

# Without --batch the installed program finds its window module: the window
# comes up (offscreen) and stays until closed, with no word of batch mode.
window_shown() {
    local status=0
    mkdir -p "$root/run/window"
    (cd "$root/run/window" && QT_QPA_PLATFORM=offscreen timeout 5 "$program" \
        >/dev/null 2>"$root/run/window/stderr") || status=$?
    [[ $status -eq 124 ]] || { echo "  exit code $status: $(cat "$root/run/window/stderr")"; return 1; }
    ! grep -q "batch mode" "$root/run/window/stderr" && [[ ! -e "$root/run/window/sample-board.wrf" ]]
}
check "without --batch the installed program shows its window" window_shown

# `man netlist-report` finds and renders the page, and the page lists every
# option --help lists.
man_renders() {
    local page option
    page="$(MANPATH="$root/usr/share/man" MANWIDTH=100 man -P cat netlist-report 2>/dev/null)"
    grep -q "netlist-report - write a netlist report" <<<"$page" || return 1
    for option in $("$program" --help | grep -oE -- '--[a-z]+' | sort -u); do
        grep -q -- "$option" <<<"$page" || { echo "  man page lacks $option"; return 1; }
    done
}
check "man netlist-report renders the page with every option of --help" man_renders

check "the menu entry is valid" desktop-file-validate "$root/usr/share/applications/netlist-report.desktop"

# Boards and netlists in "Open With", KiCad their default application. A
# scratch desktop holds a stand-in for KiCad's menu entry and MIME types (named
# to sort after netlist-report's, as KiCad's own does) and the package's files
# either in the system folder too or in the user's (an install under ~/.local),
# with the caches made as dpkg's triggers make them. Both ways of asking the
# desktop are checked: xdg-mime, which reads the caches, and GIO, which file
# managers use.
xdg="$root/xdg"
make_desktop() {  # make_desktop FOLDER_FOR_THE_PACKAGE: system or user
    rm -rf "$xdg"
    mkdir -p "$xdg"/{system,user}/{applications,mime/packages} "$xdg/config" "$xdg/bin"
    cat >"$xdg/system/mime/packages/pcb-editor.xml" <<'XML'
<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-kicad-pcb"><glob pattern="*.kicad_pcb"/></mime-type>
  <mime-type type="application/x-kicad-netlist"><glob pattern="*.net"/></mime-type>
</mime-info>
XML
    printf '%s\n' "[Desktop Entry]" "Type=Application" "Name=PCB editor" "Exec=pcb-editor %f" \
        "MimeType=application/x-kicad-pcb;application/x-kicad-netlist;" \
        >"$xdg/system/applications/pcb-editor.desktop"
    cp "$root/usr/share/applications/netlist-report.desktop" "$xdg/$1/applications/"
    cp "$root/usr/share/mime/packages/netlist-report.xml" "$xdg/$1/mime/packages/"
    # GIO offers only programs it finds on PATH.
    ln -s "$program" "$xdg/bin/netlist-report"
    ln -s /bin/true "$xdg/bin/pcb-editor"
    local folder
    for folder in system user; do
        update-mime-database "$xdg/$folder/mime" >/dev/null 2>&1 || return 1
        update-desktop-database "$xdg/$folder/applications" >/dev/null 2>&1 || return 1
    done
}
in_desktop() {
    env HOME="$xdg" XDG_CONFIG_HOME="$xdg/config" XDG_CONFIG_DIRS="$xdg/config" \
        XDG_DATA_HOME="$xdg/user" XDG_DATA_DIRS="$xdg/system" PATH="$xdg/bin:$PATH" \
        XDG_CURRENT_DESKTOP= DESKTOP_SESSION= KDE_FULL_SESSION= DISPLAY= GIO_USE_VFS=local \
        "$@" 2>/dev/null
}
offered_not_default() {
    local place type gio_answer
    for place in system user; do
        make_desktop "$place" || { echo "  the caches could not be made"; return 1; }
        for type in application/x-kicad-pcb application/x-kicad-netlist; do
            [[ "$(in_desktop xdg-mime query default "$type")" == pcb-editor.desktop ]] ||
                { echo "  xdg-mime: $type opens with $(in_desktop xdg-mime query default "$type") (package in $place)"; return 1; }
            gio_answer="$(in_desktop gio mime "$type")"
            grep -q "^Default application for .*: pcb-editor.desktop" <<<"$gio_answer" &&
                grep -qx $'\tnetlist-report.desktop' <<<"$gio_answer" ||
                { echo "  GIO for $type (package in $place): $gio_answer"; return 1; }
        done
        ! in_desktop gio mime application/json | grep -q netlist-report ||
            { echo "  netlist-report claims application/json"; return 1; }
        [[ "$(in_desktop xdg-mime query default application/x-ipc-d-356)" == netlist-report.desktop ]] ||
            { echo "  an IPC-D-356 netlist does not open with netlist-report (package in $place)"; return 1; }
    done
}
check "boards and netlists offer netlist-report but open with the PCB editor; IPC-D-356 netlists open with it" offered_not_default

removed_cleanly() {
    local listed leftover
    listed="$(dpkg_root --listfiles netlist-report)"
    dpkg_root --remove netlist-report >/dev/null
    leftover="$(while read -r path; do
        [[ -f "$root$path" || -L "$root$path" ]] && echo "$path"
    done <<<"$listed")"
    [[ -z "$leftover" ]] || { echo "  left behind: $leftover"; return 1; }
    [[ -z "$(find "$root/usr" -mindepth 1 2>/dev/null)" ]] || {
        echo "  left behind under /usr: $(find "$root/usr" -mindepth 1 | head -5)"
        return 1
    }
    ! dpkg_root --status netlist-report 2>/dev/null | grep -q "^Status: install ok"
}
check "dpkg --remove removes every file it installed" removed_cleanly

echo "package: $passes passed, $failures failed"
[[ $failures -eq 0 ]]
