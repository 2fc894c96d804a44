#!/bin/sh
# A UCI engine for the match tests: it starts properly and then never answers a "go".
while read -r line; do
    case "$line" in
        uci) echo "id name Silent"; echo "uciok" ;;
        isready) echo "readyok" ;;
        quit) exit 0 ;;
    esac
done
