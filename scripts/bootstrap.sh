#!/usr/bin/env bash
# Installs the Debian packages the build needs that are not there yet, and
# nothing else. Quick when everything is installed already.
# Usage: scripts/bootstrap.sh [--qt6] [--package] [extra-package...]
#   --qt6      Qt 6 instead of Qt 5 (its development files bring its tools)
#   --package  also what building and checking the Debian package needs
set -euo pipefail

# poppler-utils: the report tests read the PDFs back with pdfinfo and pdftotext.
qt=(qtbase5-dev qtbase5-dev-tools)
if [ "${1:-}" = --qt6 ]; then
    shift
    qt=(qt6-base-dev)
fi
packages=(build-essential cmake "${qt[@]}" poppler-utils)
if [ "${1:-}" = --package ]; then
    shift
    # dpkg-shlibdeps and file find the package's dependencies; the rest
    # checks the package and its desktop metadata.
    packages+=(dpkg-dev file lintian appstream desktop-file-utils)
fi
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
