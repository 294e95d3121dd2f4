#!/usr/bin/env bash
# Configures and builds into build/ (or $KNALLFELD_BUILD).
set -euo pipefail
cd "$(dirname "$0")/.."
ordner=${KNALLFELD_BUILD:-build}
cmake -S . -B "$ordner" -G Ninja -DCMAKE_BUILD_TYPE=${KNALLFELD_TYP:-RelWithDebInfo} "$@" >/dev/null
cmake --build "$ordner" -j"$(nproc)"
