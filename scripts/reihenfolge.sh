#!/usr/bin/env bash
# Writes app/reihenfolge.txt: the game's functions that run from its start to the first picture
# of a match (what bench/run measures), for the linker to place together. A function added since
# the list was written is only placed elsewhere; run this again after larger changes to the start.
# Needs valgrind and the Release build of bench/run in build-bench.
set -euo pipefail
cd "$(dirname "$0")/.."
bau=build-bench
[[ -x $bau/knallfeld ]] || { echo "no $bau/knallfeld: run bench/run first" >&2; exit 1; }
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$tmp
valgrind --tool=callgrind --demangle=no --callgrind-out-file="$tmp/aufrufe" \
    "$bau/knallfeld" --spiel "$bau/Spielfelder/Arena.dat" --nach-erstem-bild-beenden \
    >/dev/null 2>&1
# Lines such as "  12,345 ( 0.01%)  ???:_ZN8TFrm_Main... [/path/build-bench/knallfeld]".
callgrind_annotate --threshold=100 "$tmp/aufrufe" |
    sed -n 's|^.*:\([^: ]*\) \[.*/knallfeld\]$|\1|p' >"$tmp/liste"
[[ -s $tmp/liste ]] || { echo "no functions found" >&2; exit 1; }
mv "$tmp/liste" app/reihenfolge.txt
wc -l app/reihenfolge.txt
