#!/usr/bin/env bash
# Builds the Debian package into build-paket/ (or $KNALLFELD_BUILD) and prints its path.
# Install it with: apt-get install ./build-paket/knallfeld_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-shlibdeps (dpkg-dev) and file find the libraries the package depends on.
bash scripts/abhaengigkeiten.sh dpkg-dev file
ordner=${KNALLFELD_BUILD:-build-paket}
cmake -S . -B "$ordner" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKNALLFELD_TESTS=OFF >/dev/null
cmake --build "$ordner" -j"$(nproc)"
(cd "$ordner" && rm -f knallfeld_*.deb && cpack -G DEB >/dev/null)
ls "$PWD/$ordner"/knallfeld_*.deb
