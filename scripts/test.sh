#!/usr/bin/env bash
# Checks that folder dependencies point down, installs what is missing, checks the formatting,
# builds everything, runs every test, checks the install tree, builds the fuzz targets and runs
# each briefly, then runs the tests under the sanitizers; the exit code is the result.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/check_includes.sh"
"$root/scripts/setup.sh"
"$root/scripts/format.sh" --check
"$root/scripts/build.sh"
cd "$root/build"
QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 600
"$root/scripts/check_install.sh" "$root/build"
if [ "${TARAVIN_FUZZ:-1}" != 0 ]; then
  "$root/scripts/fuzz.sh" --smoke
fi
if [ "${TARAVIN_SANITIZERS:-1}" != 0 ]; then
  "$root/scripts/sanitizer_tests.sh"
fi
