#!/usr/bin/env bash
# Installs what is missing, builds Release and starts the game.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/setup.sh"
"$root/scripts/build.sh"
bin="$root/build/bin"

if [ ! -x "$bin/taravin" ]; then
  echo "The game window is not built yet. Meanwhile the command line shows the engine:"
  "$bin/taravin-cli" help
  exit 0
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  cat <<TEXT
No display found. To see the window without a desktop, run it under a virtual display:
  sudo apt-get install -y xvfb xauth && xvfb-run -a "$bin/taravin"
Or play from the command line, for example:
  "$bin/taravin-cli" help
TEXT
  exit 1
fi
exec "$bin/taravin" "$@"
