#!/usr/bin/env bash
# Measures the strong computer with the simulator on every shipped level:
#   1. strong against classic at speeds 1, 3 and 5, in both seats: rounds the strong one won;
#   2. strong against strong at speed 3: rounds broken off after 600 s, and the seats' wins;
#   3. deaths of a strong computer by its own bomb (and by the storm flood), per speed.
# Usage: scripts/computer-messen.sh [ROUNDS] [FLOOD]
#   ROUNDS per level, speed and seat (default 20, at most 255); FLOOD the storm flood's minutes
#   (1 to 10, default none). With the flood a round is broken off once it lasts longer than the
#   flood and the 13 rings of the largest shipped level, and draws are counted as well.
# Needs a build in build/ (or $KNALLFELD_BUILD). Every match has a fixed seed, so the figures
# are the same on every run.
set -euo pipefail
cd "$(dirname "$0")/.."
bau=${KNALLFELD_BUILD:-build}
runden=${1:-20}
flut=${2:-}
optionen=()
if [[ -n $flut ]]; then
    optionen=(--sturmflut "$flut" --max-sekunden "$((flut * 60 + 13))")
fi
werkzeug=$bau/knallfeld-werkzeug
[[ -x $werkzeug ]] || { echo "no $werkzeug: build first (scripts/bauen.sh)" >&2; exit 1; }
export QT_QPA_PLATFORM=offscreen
roh=$(mktemp)
trap 'rm -f "$roh"' EXIT

# One match: prints "LEVEL SPEED STARK won1 won2 draws aborted own1 own2 flood1 flood2".
messen() {
    local level=$1 speed=$2 stark=$3
    "$werkzeug" simulieren --stark "$stark" --schwierigkeit "$speed" --runden "$runden" \
        --seed "$((speed * 1000 + ${#level}))" --ursachen "${optionen[@]}" "$level" |
        awk -v l="$(basename "$level" .dat)" -v s="$speed" -v k="$stark" '
            /^Runde .*Spieler 1 hat die letzte Runde gewonnen/ { w1++ }
            /^Runde .*Spieler 2 hat die letzte Runde gewonnen/ { w2++ }
            /^Runde .*unendschieden/ { u++ }
            /^Runde .*: abgebrochen$/ { a++ }
            /^  Spieler 1: eigene Bombe/ { e1++ }
            /^  Spieler 2: eigene Bombe/ { e2++ }
            /^  Spieler 1: Sturmflut/ { f1++ }
            /^  Spieler 2: Sturmflut/ { f2++ }
            END { printf "%s %s %s %d %d %d %d %d %d %d %d\n", l, s, k, w1, w2, u, a, e1, e2, f1, f2 }'
}

for level in Spielfelder/*.dat; do
    for speed in 1 3 5; do
        messen "$level" "$speed" 1
        messen "$level" "$speed" 2
    done
    messen "$level" 3 beide
done >"$roh"

echo "Strong against classic: rounds won by the strong computer ($runden rounds each)"
printf '%-22s %13s %13s %13s\n' level "speed 1 (1/2)" "speed 3 (1/2)" "speed 5 (1/2)"
awk -v n="$runden" '
    $3 != "beide" {
        gew = ($3 == 1) ? $4 : $5
        z[$1, $2, $3] = gew; if (!($1 in gesehen)) { gesehen[$1] = 1; namen[++nl] = $1 }
        summe += gew; alle += n
        if (gew / n < minimum || minimum == "") { minimum = gew / n; wo = $1 " speed " $2 " seat " $3 }
    }
    END {
        for (i = 1; i <= nl; i++) {
            l = namen[i]; printf "%-22s", l
            for (s = 1; s <= 5; s += 2) printf " %6d/%-6d", z[l, s, 1], z[l, s, 2]
            printf "\n"
        }
        printf "all: %d of %d rounds (%.1f %%); lowest: %.0f %% (%s)\n\n", summe, alle,
               100 * summe / alle, 100 * minimum, wo
    }' "$roh"

echo "Strong against strong at speed 3 ($runden rounds each${flut:+, storm flood after $flut min})"
printf '%-22s %8s %8s %8s %10s\n' level "seat 1" "seat 2" draws abgebrochen
awk -v n="$runden" '
    $3 == "beide" {
        printf "%-22s %8d %8d %8d %10d\n", $1, $4, $5, $6, $7
        s1 += $4; s2 += $5; un += $6; ab += $7; if ($7 / n > schlimm) schlimm = $7 / n
        if ($6 / n > unsch) unsch = $6 / n; alle += n
    }
    END {
        d = s1 + s2
        printf "seat 1 won %d, seat 2 won %d of %d decided rounds (seat 1: %.1f %%); ", s1, s2, d,
               d ? 100 * s1 / d : 0
        printf "abgebrochen at most %.0f %% on a level\n", 100 * schlimm
        printf "draws %d of %d rounds (%.1f %%), at most %.0f %% on a level\n\n", un, alle,
               100 * un / alle, 100 * unsch
    }' "$roh"

echo "Deaths of the strong computer: by its own bomb, by the storm flood"
awk -v n="$runden" '
    $3 == 1 { e[$2] += $8; f[$2] += $10; r[$2] += n }
    $3 == 2 { e[$2] += $9; f[$2] += $11; r[$2] += n }
    $3 == "beide" { s = "3 (strong/strong)"; e[s] += $8 + $9; f[s] += $10 + $11; r[s] += 2 * n }
    END {
        for (s in r)
            printf "speed %-18s %4d (%.1f %%), %4d (%.1f %%) of %5d rounds\n", s, e[s],
                   100 * e[s] / r[s], f[s], 100 * f[s] / r[s], r[s]
    }' "$roh" | sort
