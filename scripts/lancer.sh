#!/usr/bin/env bash
# Installs what is missing, builds Vendelair and starts it.
set -euo pipefail
racine="$(cd "$(dirname "$0")/.." && pwd)"
"$racine/scripts/setup.sh"
cmake -S "$racine" -B "$racine/build" -DCMAKE_BUILD_TYPE=Release -DVENDELAIR_TESTS=OFF >/dev/null
cmake --build "$racine/build" -j2 --target vendelair
exec "$racine/build/vendelair"
