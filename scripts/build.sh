#!/usr/bin/env bash
# Configures and builds Taravin (Release, Ninja) into build/; binaries land in build/bin/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release "$@"
cmake --build "$root/build"
