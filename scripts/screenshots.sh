#!/usr/bin/env bash
# Takes pictures of the game window at size classes 2 and 5, turned and not, in the middle of
# a game with the last move marked while the computer thinks; the Information Window; and the
# printed summary of a 30-move game (PDF, and PNG pages through pdftoppm).
# Usage: scripts/screenshots.sh [output folder]   (default: build/screenshots)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TARAVIN_BUILD_DIR:-$root/build}"
out="$(realpath -m "${1:-$build/screenshots}")"

if [ ! -d "$build" ]; then
  cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release
fi
cmake --build "$build" --target taravin_tests_ui_screenshots_test
mkdir -p "$out"
QT_QPA_PLATFORM=offscreen TARAVIN_SCREENSHOT_DIR="$out" \
  "$build/bin/taravin_tests_ui_screenshots_test"
if command -v pdftoppm >/dev/null; then
  pdftoppm -png -r 100 "$out/summary.pdf" "$out/summary"
else
  echo "pdftoppm (poppler-utils) is missing: the summary stays a PDF" >&2
fi
ls -1 "$out"
