#!/usr/bin/env bash
# Checks a built Debian package of Tarveo: its file name, the files it holds,
# its dependencies, lintian, the AppStream and desktop metadata, and that the
# programs it installs start from where it puts them.
# Usage: scripts/check-package.sh tarveo_VERSION_ARCH.deb
set -uo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 tarveo_VERSION_ARCH.deb (exactly one package)" >&2
    exit 2
fi
deb=$1
data=$(cd "$(dirname "$0")/../tests/data" && pwd)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

passed=0
failed=0
check() { # check NAME COMMAND...: runs the command, counts and reports it
    local name=$1
    shift
    if "$@"; then
        echo "ok: $name"
        passed=$((passed + 1))
    else
        echo "FAILED: $name" >&2
        failed=$((failed + 1))
    fi
}

version=$(dpkg-deb -f "$deb" Version)
arch=$(dpkg-deb -f "$deb" Architecture)

named() {
    [ "$(basename "$deb")" = "tarveo_${version}_${arch}.deb" ] &&
        [ "$arch" = "$(dpkg --print-architecture)" ]
}

# Every file the package holds, and nothing else; directories aside.
holds_its_files() {
    local expected actual
    expected=$(sort <<'EOF'
./usr/bin/tarveo
./usr/bin/tarveo-check
./usr/bin/tarveo-sheet
./usr/share/applications/org.tarveo.Tarveo.desktop
./usr/share/doc/tarveo/changelog.gz
./usr/share/doc/tarveo/copyright
./usr/share/icons/hicolor/128x128/apps/tarveo.png
./usr/share/icons/hicolor/256x256/apps/tarveo.png
./usr/share/icons/hicolor/48x48/apps/tarveo.png
./usr/share/icons/hicolor/64x64/apps/tarveo.png
./usr/share/icons/hicolor/scalable/apps/tarveo.svg
./usr/share/man/man1/tarveo-check.1.gz
./usr/share/man/man1/tarveo-sheet.1.gz
./usr/share/man/man1/tarveo.1.gz
./usr/share/metainfo/org.tarveo.Tarveo.metainfo.xml
EOF
    )
    actual=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $6 }' | sort)
    diff -u <(echo "$expected") <(echo "$actual")
}

# dpkg-shlibdeps gives each library with the lowest version whose symbols
# the programs use; a hand-written list would not carry them.
depends_from_shlibdeps() {
    local depends library
    depends=$(dpkg-deb -f "$deb" Depends)
    echo "Depends: $depends"
    for library in libc6 libstdc++6 libqt5core5a libqt5gui5 libqt5widgets5; do
        grep -qF "$library (>= " <<<"$depends" || return 1
    done
}

# Errors and warnings fail; informational tags are shown. Nothing is
# overridden.
lintian_clean() {
    lintian --fail-on error,warning --info --tag-display-limit 0 "$deb"
}

# Pedantic hints are shown but pass: the one expected is the upper-case
# letter of the id org.tarveo.Tarveo. The tree check also finds the desktop
# entry the metadata names as its launchable.
appstream_valid() {
    appstreamcli validate-tree --no-net --strict --pedantic --explain "$root"
}

desktop_entry_valid() {
    desktop-file-validate "$root/usr/share/applications/org.tarveo.Tarveo.desktop"
}

# Programs run from the unpacked tree, without a display where none is
# needed.
without_display() {
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"
}

editor_answers_version() {
    [ "$(without_display "$root/usr/bin/tarveo" --version)" = "Tarveo $version" ]
}

# The window itself: built with a file open, still running when stopped.
editor_starts() {
    local log status
    # The start line is a debug line: only --log lets it through.
    log=$(QT_QPA_PLATFORM=offscreen timeout 5 "$root/usr/bin/tarveo" --log \
        "$data/editing/fleet.conf" 2>&1)
    status=$?
    echo "$log"
    [ $status -eq 124 ] && grep -Eq "(^|: )Starting Tarveo v$version\$" <<<"$log"
}

checker_runs() {
    [ "$(without_display "$root/usr/bin/tarveo-check" --version)" = "tarveo-check $version" ] &&
        [ "$(without_display "$root/usr/bin/tarveo-check" "$data/editing/fleet.conf")" = \
            "$data/editing/fleet.conf: ok" ]
}

sheet_runs() {
    [ "$(without_display "$root/usr/bin/tarveo-sheet" --version)" = "tarveo-sheet $version" ] &&
        without_display "$root/usr/bin/tarveo-sheet" "$data/editing/fleet.conf" \
            "$root/fleet.png" &&
        [ "$(head -c 8 "$root/fleet.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] &&
        without_display "$root/usr/bin/tarveo-sheet" "$data/editing/fleet.conf" \
            "$root/fleet.pdf" &&
        [ "$(head -c 5 "$root/fleet.pdf")" = %PDF- ] && tail -c 7 "$root/fleet.pdf" | grep -q '%%EOF'
}

check "file name tarveo_${version}_${arch}.deb" named
check "files held" holds_its_files
check "dependencies from dpkg-shlibdeps" depends_from_shlibdeps
check "lintian" lintian_clean
dpkg-deb -x "$deb" "$root"
check "AppStream metadata" appstream_valid
check "desktop entry" desktop_entry_valid
check "tarveo --version" editor_answers_version
check "tarveo FILE starts the editor" editor_starts
check "tarveo-check" checker_runs
check "tarveo-sheet" sheet_runs

echo "package: $passed passed, $failed failed"
[ $failed -eq 0 ]
