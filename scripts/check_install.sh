#!/usr/bin/env bash
# Installs a build (default build/) into a temporary folder and checks what a desktop expects:
# the menu entry and the AppStream metainfo pass their validators, the icon is there at every
# size, the licence text and the copyright file are there, and both manual pages render
# without a warning. Exit code 0 when all of it holds.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${1:-$root/build}"
stage="$(mktemp -d)"
trap 'rm -rf "$stage"' EXIT
cmake --install "$build" --prefix "$stage/usr" >/dev/null
share="$stage/usr/share"

failures=0
# Runs a check; its output is shown whatever the result, so warnings are seen too.
check() {
  local name="$1"
  shift
  local output status=0
  output="$("$@" 2>&1)" || status=$?
  if [ "$status" -eq 0 ]; then
    echo "ok      $name"
  else
    echo "FAILED  $name"
    failures=$((failures + 1))
  fi
  if [ -n "$output" ]; then
    sed 's/^/        /' <<<"$output"
  fi
}

# Width and height from a PNG's header.
png_size() {
  od -An -tu1 -j16 -N8 "$1" |
    awk '{ printf "%dx%d", $1 * 16777216 + $2 * 65536 + $3 * 256 + $4, $5 * 16777216 + $6 * 65536 + $7 * 256 + $8 }'
}

icons_complete() {
  local id="$1" size png
  for size in 16 22 24 32 48 64 128 256; do
    png="$share/icons/hicolor/${size}x${size}/apps/$id.png"
    if [ ! -f "$png" ] || [ "$(png_size "$png")" != "${size}x${size}" ]; then
      echo "missing or of the wrong size: ${png#"$stage"}"
      return 1
    fi
  done
  [ -f "$share/icons/hicolor/scalable/apps/$id.svg" ] || { echo "no scalable icon"; return 1; }
  grep -qx "Icon=$id" "$share/applications/$id.desktop" || { echo "the entry names another icon"; return 1; }
}

man_renders() {
  local text
  text="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$1" 2>&1 >/dev/null)"
  [ -z "$text" ] || { echo "$text"; return 1; }
  LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$1" | grep -q "^NAME"
}

# The copyright file's format line, and the licence it gives the whole program.
copyright_readable() {
  [ "$(head -1 "$1")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] &&
    grep -qx "License: GPL-3+" "$1"
}

desktop_entry="$(echo "$share"/applications/*.desktop)"
id="$(basename "$desktop_entry" .desktop)"
check "programs installed" test -x "$stage/usr/bin/taravin" -a -x "$stage/usr/bin/taravin-cli"
check "desktop-file-validate $id.desktop" desktop-file-validate "$desktop_entry"
check "appstreamcli validate $id.metainfo.xml" \
  appstreamcli validate --no-net --no-color "$share/metainfo/$id.metainfo.xml"
check "icons 16 to 256 and scalable" icons_complete "$id"
check "help page" test -s "$share/doc/taravin/help.html"
check "licence text COPYING" cmp -s "$root/COPYING" "$share/doc/taravin/COPYING"
check "machine-readable copyright file" copyright_readable "$share/doc/taravin/copyright"
for page in taravin taravin-cli; do
  check "man -l $page.6" man_renders "$share/man/man6/$page.6.gz"
done
exit $((failures > 0))
