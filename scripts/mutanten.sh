#!/usr/bin/env bash
# Plants each fault of tests/mutanten/*.txt, one at a time, into a copy of the tree, rebuilds it
# incrementally, runs the suites and says whether a test caught it:
#   KILLED    a test failed
#   SURVIVED  every test passed: no test pins the rule the fault breaks
#   INVALID   the fault does not build
#   STALE     its text is not in the file exactly once (the code has moved on)
# and last "mutants: K killed of N". Usage: scripts/mutanten.sh [--wer] [ID ...] (default: every
# fault). With --wer every suite runs to its end and a killed fault is followed by the tests that
# caught it: a test that is the only one to catch some fault earns its lines.
#
# With --erzeugt [--seed S] [--anzahl N] [ID ...] the faults are made mechanically over the rule code
# by scripts/mutanten_erzeugen.py instead (a sample of N, default 150, drawn with seed S, printed;
# or only the generated IDs named). A fault whose object file comes out the same is EQUIVALENT; the
# known equivalents of tests/mutanten/aequivalent.txt are not drawn. Neither counts, nor INVALID.
#
# A fault is a block of lines, blocks separated by an empty line:
#   ID: a-short-name
#   Datei: path/in/the/repo.cpp
#   Suche: the exact text, one line, that must occur once
#   Ersetze: what it becomes
#   Regel: the rule it breaks, in one line
set -uo pipefail
cd "$(dirname "$0")/.."
wurzel=$PWD
kopie=${KNALLFELD_MUTANTEN:-$wurzel/build-mutanten}
quelle=$kopie/quelle
bau=$kopie/bau

bash scripts/abhaengigkeiten.sh python3 >/dev/null  # python3: the generated mode
mkdir -p "$quelle"
# The tree as it is now, without build folders; only files that differ are copied (and so
# rebuilt).
declare -A im_baum=()
while IFS= read -r -d '' f; do
    [[ -f $f ]] || continue
    im_baum[$f]=1
    cmp -s "$f" "$quelle/$f" || { mkdir -p "$quelle/$(dirname "$f")" && cp "$f" "$quelle/$f"; }
done < <(git ls-files -z --cached --others --exclude-standard)
# A file moved or deleted since the last run goes from the copy too: the build collects sources
# by folder, and an old copy would be built beside the new one.
while IFS= read -r -d '' f; do
    [[ -n ${im_baum[${f#./}]:-} ]] || rm -f "$quelle/$f"
done < <(cd "$quelle" && find . -type f -print0)
# Each fault relinks the programs and the suites: lld does that in a fraction of the time.
linker=()
command -v ld.lld >/dev/null && linker=(-DCMAKE_EXE_LINKER_FLAGS=-fuse-ld=lld)
# libstdc++'s own checks: a fault that reads one element past a vector's or a string's end fails
# instead of reading the terminating NUL or a freed slot unnoticed (as the sanitizer suite would).
pruefen=-D_GLIBCXX_ASSERTIONS
if [[ ! -f $bau/build.ninja ]] || ! grep -q -- "$pruefen" "$bau/CMakeCache.txt"; then
    cmake -S "$quelle" -B "$bau" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS="$pruefen" \
        "${linker[@]}" >/dev/null || exit 1
fi
echo "building the unchanged copy once..." >&2
cmake --build "$bau" -j"$(nproc)" >/dev/null 2>&1 || { echo "the unchanged tree does not build" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen

if [[ ${1:-} == --erzeugt ]]; then
    shift
    source scripts/mutanten_erzeugt.sh
    exit
fi

# All faults as ID<TAB>file<TAB>search<TAB>replacement, in list order.
liste=$(awk '
    /^ID: /      { id = substr($0, 5) }
    /^Datei: /   { datei = substr($0, 8) }
    /^Suche: /   { suche = substr($0, 8) }
    /^Ersetze: / { ersetze = substr($0, 10) }
    /^Regel: /   { printf "%s\t%s\t%s\t%s\n", id, datei, suche, ersetze }
' tests/mutanten/*.txt)

wer=0
if [[ ${1:-} == --wer ]]; then
    wer=1
    shift
fi
gewuenscht=" $* "
gesamt=0
getoetet=0
while IFS=$'\t' read -r id datei suche ersetze; do
    [[ $# -gt 0 && $gewuenscht != *" $id "* ]] && continue
    ziel=$quelle/$datei
    anzahl=$(grep -o -F -- "$suche" "$ziel" 2>/dev/null | wc -l)
    if [[ $anzahl -ne 1 ]]; then
        printf 'STALE     %s (%s: found %d times)\n' "$id" "$datei" "$anzahl"
        continue
    fi
    gesamt=$((gesamt + 1))
    cp -p "$ziel" "$ziel.original"
    inhalt=$(<"$ziel")
    printf '%s\n' "${inhalt/"$suche"/"$ersetze"}" >"$ziel"
    halt=(--stop-on-failure)
    ((wer)) && halt=()
    if ! cmake --build "$bau" -j"$(nproc)" >/dev/null 2>&1; then
        ergebnis=INVALID
    elif ctest --test-dir "$bau" -j"$(nproc)" "${halt[@]}" --timeout 120 >"$kopie/ctest.log" 2>&1; then
        ergebnis=SURVIVED
    else
        ergebnis=KILLED
        getoetet=$((getoetet + 1))
    fi
    mv "$ziel.original" "$ziel"
    touch "$ziel"
    printf '%-9s %s\n' "$ergebnis" "$id"
    if ((wer)) && [[ $ergebnis == KILLED ]]; then
        sed -n '/tests FAILED:/,$p' "$kopie/ctest.log" | grep -oE '[0-9]+ - [^ ]+' |
            sed 's/^[0-9]* - /          by /'
    fi
done <<<"$liste"
# Back to the unchanged build, so that the next run starts from it.
cmake --build "$bau" -j"$(nproc)" >/dev/null 2>&1
echo "mutants: $getoetet killed of $gesamt"
