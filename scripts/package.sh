#!/usr/bin/env bash
# Builds the Debian package: installs what is missing, builds the programs (Release, no tests)
# into build-package/ and lets CPack make build-package/taravin_<version>_<arch>.deb, whose
# dependencies dpkg-shlibdeps takes from the libraries the programs link.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-package"
"$root/scripts/setup.sh"
# Debian keeps the programs of a game package in /usr/games, and builds them with its hardening
# flags (fortified functions, stack protector, relocations read-only and bound at start).
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DTARAVIN_BUILD_TESTS=OFF -DTARAVIN_BUILD_BENCH=OFF -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_CXX_FLAGS="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake --build "$build"
(cd "$build" && cpack -G DEB)
ls -1 "$build"/taravin_*.deb
