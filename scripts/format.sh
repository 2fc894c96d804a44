#!/usr/bin/env bash
# Formats every tracked C++ source with the repository's .clang-format; with --check it changes
# nothing and fails, naming the files, when one differs. The version is pinned: another
# clang-format release may lay out the same code differently.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
formatter=clang-format-14
if ! command -v "$formatter" >/dev/null; then
  echo "format.sh: $formatter is missing (scripts/setup.sh installs it)" >&2
  exit 2
fi
mapfile -t sources < <(git ls-files -- '*.cpp' '*.h')
if [ "${1:-}" = --check ]; then
  if ! "$formatter" --dry-run --Werror "${sources[@]}" 2>/dev/null; then
    echo "format.sh: these files differ from .clang-format; run scripts/format.sh:" >&2
    for source in "${sources[@]}"; do
      "$formatter" --dry-run --Werror "$source" 2>/dev/null || echo "  $source" >&2
    done
    exit 1
  fi
else
  "$formatter" -i "${sources[@]}"
fi
