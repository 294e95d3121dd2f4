#!/usr/bin/env bash
# Soak: N computer-against-computer matches (default 2000) on all sample levels, some with the
# strong computer, with the sanitizer build, each recorded and played again from its recording,
# which must give the same lines; stops at the first sanitizer report, failed match or replay
# that differs.
set -euo pipefail
cd "$(dirname "$0")/.."
anzahl=${1:-2000}
bash scripts/abhaengigkeiten.sh
KNALLFELD_BUILD=build-san KNALLFELD_TYP=Debug bash scripts/bauen.sh -DKNALLFELD_SANITIZE=ON \
    >/dev/null
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
werkzeug=build-san/knallfeld-werkzeug
levels=(build-san/Spielfelder/*.dat)
[[ -e ${levels[0]} ]] || levels=(Spielfelder/*.dat)
protokoll=$(mktemp)
abgespielt=$(mktemp)
aufnahme=$(mktemp --suffix=.kfw)
trap 'rm -f "$protokoll" "$abgespielt" "$aufnahme"' EXIT
wiederholt=0
for ((i = 1; i <= anzahl; i++)); do
    optionen=(--seed "$i" --runden 5 --schwierigkeit $((i % 5 + 1)) --max-sekunden 300)
    ((i % 3 == 0)) && optionen+=(--zufall)
    # Every fourth match with one strong computer, every eighth with two.
    ((i % 4 == 1)) && optionen+=(--stark $((i / 4 % 2 + 1)))
    ((i % 8 == 3)) && optionen+=(--stark beide)
    if ! "$werkzeug" simulieren "${optionen[@]}" --aufnahme "$aufnahme" "${levels[@]}" \
        >"$protokoll" 2>&1; then
        cat "$protokoll"
        echo "Dauerlauf: Match $i gescheitert"
        exit 1
    fi
    if grep -qE 'runtime error|Sanitizer' "$protokoll"; then
        cat "$protokoll"
        echo "Dauerlauf: Befund in Match $i"
        exit 1
    fi
    # Everything but the last line (the wall-clock time) must come again from the recording.
    if ! "$werkzeug" abspielen "$aufnahme" >"$abgespielt" 2>&1 ||
        ! diff <(head -n -1 "$protokoll") "$abgespielt" >/dev/null ||
        grep -qE 'runtime error|Sanitizer' "$abgespielt"; then
        diff <(head -n -1 "$protokoll") "$abgespielt" || true
        echo "Dauerlauf: Wiederholung von Match $i weicht ab"
        exit 1
    fi
    wiederholt=$((wiederholt + 1))
    ((i % 100 == 0)) && echo "Dauerlauf: $i Matches ohne Befund"
done
echo "Dauerlauf: $anzahl Matches ohne Befund, $wiederholt von $anzahl gleich wiederholt"
