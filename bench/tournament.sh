#!/bin/sh
# The round robin of the thirty built-in players (five algorithms times six evaluations) at a
# fixed depth, two games a pairing with the colours swapped. A manual benchmark, not a test:
#   bench/tournament.sh [DEPTH [CONCURRENCY [more match options]]]
# TARAVIN_CLI names the program; by default the one in build/bin.
set -eu
cli="${TARAVIN_CLI:-$(dirname "$0")/../build/bin/taravin-cli}"
depth="${1:-1}"
concurrency="${2:-2}"
[ $# -gt 0 ] && shift
[ $# -gt 0 ] && shift
players=""
for algorithm in 0 1 2 3 4; do
    for evaluation in 0 1 2 3 4 5; do
        players="$players $algorithm:$evaluation"
    done
done
# shellcheck disable=SC2086
exec "$cli" match $players --games 2 --depth "$depth" --concurrency "$concurrency" "$@"
