#!/bin/sh
# A UCI engine for the match tests: it ends as soon as it is asked for a move.
while read -r line; do
    case "$line" in
        uci) echo "id name Crashing"; echo "uciok" ;;
        isready) echo "readyok" ;;
        go*) exit 3 ;;
    esac
done
