#!/usr/bin/env bash
# The layer check: every include in a program folder names a header of its own folder or of a
# layer below it, as the build's layers say (one line per folder: the folder, then every folder it
# may use; CMakeLists.txt writes them to schichten.txt). The rules and the model stay free of Qt.
#   scripts/schichten-pruefen.sh BUILD/schichten.txt   (run from the repository root)
set -euo pipefail
cd "$(dirname "$0")/.."
tafel=${1:?usage: schichten-pruefen.sh BUILD/schichten.txt}
einbinden='^[[:space:]]*#[[:space:]]*include[[:space:]]*'
fehler=0
while read -r ordner erlaubt; do
    [[ -n $ordner ]] || continue
    for datei in "$ordner"/*.h "$ordner"/*.cpp; do
        [[ -f $datei ]] || continue
        while IFS=: read -r zeile ziel; do
            [[ $ziel == */* ]] || continue
            if [[ " $ordner $erlaubt " != *" ${ziel%/*} "* ]]; then
                echo "$datei:$zeile: \"$ziel\" lies above or beside $ordner (it may use: ${erlaubt:-its own folder only})"
                fehler=1
            fi
        done < <(grep -n "$einbinden\"" "$datei" | sed 's/^\([0-9]*\):[^"]*"\([^"]*\)".*/\1:\2/')
    done
done <"$tafel"
for ordner in model match computer; do
    if treffer=$(grep -Hn "$einbinden<Q" "$ordner"/*.h "$ordner"/*.cpp); then
        echo "$treffer: Qt in the toolkit-free core"
        fehler=1
    fi
done
((fehler == 0)) && echo "layers: every include goes down"
exit $fehler
