#!/usr/bin/env bash
# Soak: N computer-against-computer matches (default 2000) on all sample levels, some with the
# strong computer, with the sanitizer build, each recorded and played again from its recording,
# which must give the same lines; then N/40 network matches of two processes through a lossy
# relay, whose two sides must print the same lines and whose recordings must replay. Stops at
# the first sanitizer report, failed match or replay that differs.
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

relais=build-san/tests/netz_relais
netz=$(mktemp -d)
trap 'rm -rf "$protokoll" "$abgespielt" "$aufnahme" "$netz"; kill $(jobs -p) 2>/dev/null || true' EXIT
for ((i = 1; i <= anzahl / 40; i++)); do
    "$werkzeug" netz-eroeffnen --port 0 --seed "$i" --runden 3 --tempo 20 --computer \
        --aufnahme "$netz/a.kfw" "${levels[@]}" >"$netz/a" 2>"$netz/a.err" &
    host=$!
    port=
    for _ in $(seq 400); do
        port=$(sed -n 's/^Warte auf einen Mitspieler an Port \([0-9]*\) .*/\1/p' "$netz/a.err")
        [[ -n $port ]] && break
        sleep 0.05
    done
    "$relais" "$port" 30 10 5 2 "$i" >"$netz/relais" &
    relais_pid=$!
    for _ in $(seq 400); do [[ -s $netz/relais ]] && break; sleep 0.05; done
    ok=1
    timeout 600 "$werkzeug" netz-beitreten "127.0.0.1:$(head -n1 "$netz/relais")" \
        --zufallsspieler "$i" --aufnahme "$netz/b.kfw" >"$netz/b" 2>"$netz/b.err" || ok=0
    wait "$host" || ok=0
    kill "$relais_pid" 2>/dev/null || true
    cmp -s "$netz/a" "$netz/b" || ok=0
    for seite in a b; do
        "$werkzeug" abspielen "$netz/$seite.kfw" >"$netz/$seite.abgespielt" 2>&1 || ok=0
        cmp -s "$netz/$seite.abgespielt" "$netz/a" || ok=0
    done
    if ((ok == 0)) || grep -qE 'runtime error|Sanitizer' "$netz"/*.err; then
        cat "$netz"/a.err "$netz"/b.err
        diff "$netz/a" "$netz/b" || true
        echo "Dauerlauf: Netzwerkspiel $i gescheitert"
        exit 1
    fi
done
echo "Dauerlauf: $((anzahl / 40)) Netzwerkspiele ohne Befund, beide Seiten gleich"
