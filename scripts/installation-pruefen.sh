#!/usr/bin/env bash
# Installs into a temporary prefix and checks the result: the program folder with its files, the
# links in bin/, the icons, and the desktop entry and AppStream data with their validators.
# Builds into build/ (or $KNALLFELD_BUILD) first.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/abhaengigkeiten.sh desktop-file-utils appstream
bash scripts/bauen.sh
ordner=${KNALLFELD_BUILD:-build}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$ordner" --prefix "$prefix" >/dev/null

fehler=0
pruefe() {
    if "$@"; then echo "ok      ${*: -1}"; else echo "FEHLER  ${*: -1}"; fehler=1; fi
}
programm="$prefix/lib/knallfeld"
pruefe test -x "$programm/knallfeld"
pruefe test -x "$programm/knallfeld-werkzeug"
pruefe test -d "$programm/Bilder/UnZerstoer"
pruefe test -d "$programm/Bilder/Wasser"
pruefe test -f "$programm/Spielfelder/Arena.dat"
pruefe test -f "$programm/Klaenge/explosion.wav"
pruefe test -f "$programm/Highscore.hsk"
for p in knallfeld knallfeld-werkzeug; do
    pruefe test "$(readlink "$prefix/bin/$p")" = "../lib/knallfeld/$p"
    pruefe test -x "$prefix/bin/$p"
done
for n in 48x48 256x256; do
    pruefe test -f "$prefix/share/icons/hicolor/$n/apps/org.example.Knallfeld.png"
done
pruefe test -f "$prefix/share/icons/hicolor/scalable/apps/org.example.Knallfeld.svg"
pruefe desktop-file-validate "$prefix/share/applications/org.example.Knallfeld.desktop"
pruefe appstreamcli validate --no-net --no-color "$prefix/share/metainfo/org.example.Knallfeld.metainfo.xml"
# The tool, started through its link, finds the highscore file in the program folder behind it.
liest_highscore() { "$1" highscore >/dev/null; }
pruefe liest_highscore "$prefix/bin/knallfeld-werkzeug"
exit $fehler
