#!/usr/bin/env bash
# The sample generator: the shipped maps give the committed levels byte for byte; a broken map is
# refused with a German message naming file and line, and nothing is written.
#   beispiel_karten.sh GENERATOR REPOSITORY
set -uo pipefail
generator=$1 repo=$2
arbeit=$(mktemp -d)
trap 'rm -rf "$arbeit"' EXIT
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$arbeit
fehler=0

if ! "$generator" "$arbeit/neu" 2>"$arbeit/meldung" || ! diff -r "$repo/Spielfelder" "$arbeit/neu/Spielfelder"; then
    echo "FEHLER: die Karten ergeben nicht die Level in Spielfelder/" >&2
    cat "$arbeit/meldung" >&2
    fehler=1
fi

kopf=$'Name: K\nZelle: 40 x 40\nFarbe: 008000\n'
# A ragged row, a character that is no cell, and a maze with no dead end for a crate (a division
# by zero once).
faelle=(
    $'Karte:\n1....\n...\n....2'   'K.txt, Zeile 6: Die Zeile ist 3 Zeichen breit'
    $'Karte:\n1....\n..x..\n....2' 'K.txt, Zeile 6: Spalte 3: Das Zeichen "x" steht für kein Feld'
    $'Labyrinth: 9 x 9\nSaat: 1\nSackgassen je Kiste: 0' 'K.txt, Zeile 6: "Sackgassen je Kiste:"'
)
for ((i = 0; i < ${#faelle[@]}; i += 2)); do
    rm -rf "$arbeit/karten" "$arbeit/aus" && mkdir -p "$arbeit/karten" "$arbeit/aus"
    printf '%s\n' "$kopf${faelle[i]}" >"$arbeit/karten/K.txt"
    "$generator" "$arbeit/aus" "$arbeit/karten" 2>"$arbeit/meldung"
    rc=$?
    if ((rc != 1)) || ! grep -qF "${faelle[i + 1]}" "$arbeit/meldung" ||
        [[ -n $(ls -A "$arbeit/aus") ]]; then
        echo "FEHLER: Fall $((i / 2 + 1)) (Ende $rc):" >&2
        cat "$arbeit/meldung" >&2
        fehler=1
    fi
done
exit $fehler
