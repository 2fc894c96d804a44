#!/usr/bin/env bash
# Plays computer-against-computer games through the document in an AddressSanitizer and
# UndefinedBehaviorSanitizer build (build-asan): random boards from 5 x 5 to 12 x 12 with 2 to 4
# amazons a side and random arrows, any of the thirty built-in players, depth 1 or 2. Each game
# must end with a winner after legal moves only and read back the same from its native and its
# SGF text. Run by hand; not part of the test command.
# Usage: scripts/soak.sh [GAMES (1000)] [JOBS (the number of cores)]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
games="${1:-1000}"
jobs="${2:-$(nproc)}"

export ASAN_OPTIONS="abort_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cmake -S "$root" -B "$root/build-asan" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DTARAVIN_BUILD_BENCH=OFF -DTARAVIN_SANITIZE=ON >/dev/null
cmake --build "$root/build-asan" --target taravin_soak

logs="$(mktemp -d)"
pids=()
for ((job = 1; job <= jobs; ++job)); do
  share=$((games / jobs + (job <= games % jobs ? 1 : 0)))
  "$root/build-asan/bin/taravin_soak" "$share" "$job" >"$logs/$job.log" 2>&1 &
  pids+=($!)
done
status=0
for pid in "${pids[@]}"; do
  wait "$pid" || status=1
done
for ((job = 1; job <= jobs; ++job)); do
  grep -v " reports: 0$" "$logs/$job.log" | grep -v "^games:" || true
done
awk -F'[:,] *' '/^games:/ { games += $2; moves += $4; if ($6 > minutes) minutes = $6; reports += $8 }
  END { printf "games: %d, moves: %d, minutes: %.1f, reports: %d\n", games, moves, minutes, reports }' \
  "$logs"/*.log
rm -r "$logs"
exit "$status"
