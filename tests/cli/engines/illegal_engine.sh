#!/bin/sh
# A UCI engine for the match tests: it answers every "go" with a move that no position allows.
while read -r line; do
    case "$line" in
        uci) echo "id name Illegal"; echo "uciok" ;;
        isready) echo "readyok" ;;
        go*) echo "bestmove a1a1,a1a1" ;;
        quit) exit 0 ;;
    esac
done
