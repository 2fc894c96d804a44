#!/usr/bin/env bash
# Builds and runs the tests under the sanitizers: the whole suite with AddressSanitizer and
# UndefinedBehaviorSanitizer, and the search and game-flow tests with ThreadSanitizer.
# Any report fails the run. Build folders: build-asan and build-tsan.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export TSAN_OPTIONS="halt_on_error=1:second_deadlock_stack=1"

configure() {
  local folder="$1"
  shift
  cmake -S "$root" -B "$root/$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTARAVIN_BUILD_BENCH=OFF "$@"
}

echo "== AddressSanitizer + UndefinedBehaviorSanitizer: every test"
configure build-asan -DTARAVIN_SANITIZE=ON
cmake --build "$root/build-asan"
(cd "$root/build-asan" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --timeout 1200)

echo "== ThreadSanitizer: search and game-flow tests"
configure build-tsan -DTARAVIN_TSAN=ON -DTARAVIN_BUILD_GUI=OFF
cmake --build "$root/build-tsan" --target taravin_tests_search taravin_tests_app taravin_tests_match
"$root/build-tsan/bin/taravin_tests_search"
"$root/build-tsan/bin/taravin_tests_app"
"$root/build-tsan/bin/taravin_tests_match"
