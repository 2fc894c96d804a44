#!/usr/bin/env bash
# Takes pictures of the game window at size classes 2 and 5, turned and not, in the middle of
# a game with the last move marked while the computer thinks; a small and a maximised window
# (1600 x 1000 screen) with legal moves and territory shown, once more at QT_SCALE_FACTOR=2
# (files "hidpi-..."); the analysis board in a middle game, reviewed, and in an endgame; the
# Information Window; and the printed summary of a 30-move game (PDF,
# and PNG pages through pdftoppm).
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

# The virtual screen, in device pixels: 1600 x 1000 logical pixels at either scale.
screen_config() {
  cat >"$out/screen-$1.json" <<JSON
{ "screens": [ { "name": "screen", "x": 0, "y": 0, "width": $2, "height": $3,
                 "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1 } ] }
JSON
  echo "$out/screen-$1.json"
}

QT_QPA_PLATFORM="offscreen:configfile=$(screen_config normal 1600 1000)" \
  TARAVIN_SCREENSHOT_DIR="$out" "$build/bin/taravin_tests_ui_screenshots_test"
QT_QPA_PLATFORM="offscreen:configfile=$(screen_config hidpi 3200 2000)" QT_SCALE_FACTOR=2 \
  TARAVIN_SCREENSHOT_DIR="$out" TARAVIN_SCREENSHOT_TAG="hidpi-" \
  "$build/bin/taravin_tests_ui_screenshots_test" overlaysSmallAndMaximised analysisBoard
rm -f "$out"/screen-*.json
if command -v pdftoppm >/dev/null; then
  pdftoppm -png -r 100 "$out/summary.pdf" "$out/summary"
else
  echo "pdftoppm (poppler-utils) is missing: the summary stays a PDF" >&2
fi
ls -1 "$out"
