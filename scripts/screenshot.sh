#!/bin/sh
# Draws the window with the overview into doc/overview.png, the picture in
# the README, from a file of the tests. Run from the top of the source tree:
#   scripts/screenshot.sh [BUILD_DIR]
set -eu
build=${1:-build}
[ -f "$build/CMakeCache.txt" ] || cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$build" --target tarveo-screenshot
QT_QPA_PLATFORM=offscreen "$build/tarveo-screenshot" tests/data/editing/overview.conf 4 \
    doc/overview.png
echo "wrote doc/overview.png"
