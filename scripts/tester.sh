#!/usr/bin/env bash
# Installs what is missing, builds Vendelair with its tests and runs every test headless.
# Fails when any test fails. The build type is the first argument (Debug when none is
# given, or Release). VENDELAIR_SANITIZE=ON builds with ASan and UBSan.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/setup.sh"
type="${1:-Debug}"
sanitize="${VENDELAIR_SANITIZE:-OFF}"
build="$racine/build-tests"
[ "$type" != "Debug" ] && build="$racine/build-tests-$(echo "$type" | tr '[:upper:]' '[:lower:]')"
[ "$sanitize" = "ON" ] && build="$racine/build-asan"
cmake -S "$racine" -B "$build" -DCMAKE_BUILD_TYPE="$type" -DVENDELAIR_SANITIZE="$sanitize" >/dev/null
cmake --build "$build" -j2
export QT_QPA_PLATFORM=offscreen
cd "$build"
ctest --output-on-failure -j2
