#!/usr/bin/env bash
# Installs what is missing, builds Vendelair in Release and makes its Debian package.
# The package's path is printed last. The build folder may be given (build-paquet by default).
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/setup.sh"
build="${1:-$racine/build-paquet}"
if [ -f "$build/CMakeCache.txt" ]; then
  cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
else
  cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=Release -DVENDELAIR_TESTS=OFF >/dev/null
fi
cmake --build "$build" -j2
(cd "$build" && cpack -G DEB >/dev/null)
ls "$build"/vendelair_*.deb
