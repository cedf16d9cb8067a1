#!/usr/bin/env bash
# Installs what is missing, builds Vendelair with its tests and runs every test headless.
# Fails when any test fails. VENDELAIR_SANITIZE=ON builds with ASan and UBSan.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/setup.sh"
sanitize="${VENDELAIR_SANITIZE:-OFF}"
build="$racine/build-tests"
[ "$sanitize" = "ON" ] && build="$racine/build-asan"
cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DVENDELAIR_SANITIZE="$sanitize" >/dev/null
cmake --build "$build" -j2
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j2
