#!/usr/bin/env bash
# The game's sound for real: a sound server whose only output is a null sink, a match of two
# computer players in the game under Xvfb, and a recording of the sink checked against the
# game's own list of the sounds it played ("--klang-protokoll", wall-clock milliseconds):
# silent up to the first sound, the first sound heard and the first explosion loud within 150 ms
# of their events.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/abhaengigkeiten.sh pulseaudio pulseaudio-utils sox xvfb
[[ -x build/knallfeld ]] || bash scripts/bauen.sh

arbeit=$(mktemp -d)
export XDG_RUNTIME_DIR=$arbeit/laufzeit HOME=$arbeit
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM
pids=()
aufraeumen() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    pulseaudio -k 2>/dev/null || true
    rm -rf "$arbeit"
}
trap aufraeumen EXIT

# As root the server warns that it is meant for users; it works all the same.
pulseaudio --daemonize=yes --exit-idle-time=-1 -n --log-target=stderr \
    --load="module-null-sink sink_name=aufnahme" --load="module-native-protocol-unix" \
    2>"$arbeit/pulse.log"
for _ in $(seq 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
pactl set-default-sink aufnahme

exec 3>"$arbeit/anzeige"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 2>/dev/null &
pids+=($!)
for _ in $(seq 50); do [[ -s $arbeit/anzeige ]] && break; sleep 0.1; done
export DISPLAY=:$(head -n1 "$arbeit/anzeige")

rate=22050
parec -d aufnahme.monitor --format=s16le --rate=$rate --channels=1 --latency-msec=5 \
    >"$arbeit/aufnahme.raw" &
pids+=($!)
parec_pid=$!
sleep 1
# The first sound of a run is late when the audio libraries still have to come from the disk:
# as root, the check starts from a cold cache (where the system allows it).
if [[ $(id -u) -eq 0 ]]; then sync; echo 3 >/proc/sys/vm/drop_caches 2>/dev/null || true; fi
build/knallfeld --spiel build/Spielfelder/Arena.dat --computer --klang-protokoll \
    2>"$arbeit/spiel.log" &
pids+=($!)
spiel_pid=$!
for _ in $(seq 200); do grep -aq ' Explosion$' "$arbeit/spiel.log" && break; sleep 0.1; done
sleep 1
kill "$spiel_pid" 2>/dev/null || true
sleep 0.5
# The sink runs on without a pause, so the last sample is now and the first one is the
# recording's length before.
ende=$(date +%s%3N)
kill "$parec_pid"
wait "$parec_pid" 2>/dev/null || true
proben=$(($(stat -c %s "$arbeit/aufnahme.raw") / 2))
anfang=$((ende - proben * 1000 / rate))

erster=$(grep -a -m1 '^Klang ' "$arbeit/spiel.log" | cut -d' ' -f2)
knall=$(grep -a -m1 ' Explosion$' "$arbeit/spiel.log" | cut -d' ' -f2)
if [[ -z $erster || -z $knall ]]; then
    echo "ton-pruefen: the game played no explosion" >&2
    cat "$arbeit/spiel.log" >&2
    exit 1
fi

# The loudest sample (0..1) between two times in ms after the recording's start.
lautester() {
    sox -t raw -r $rate -e signed -b 16 -c 1 "$arbeit/aufnahme.raw" -t dat - 2>/dev/null |
        awk -v von="$1" -v bis="$2" 'NR > 2 && $1 * 1000 >= von && $1 * 1000 < bis {
            v = $2 < 0 ? -$2 : $2; if (v > m) m = v } END { printf "%.3f\n", m + 0 }'
}
# Where the explosion starts in the recording: the event's delay to the sound server.
beginn() {
    sox -t raw -r $rate -e signed -b 16 -c 1 "$arbeit/aufnahme.raw" -t dat - 2>/dev/null |
        awk -v von="$1" 'NR > 2 && $1 * 1000 >= von && ($2 > 0.02 || $2 < -0.02) {
            printf "%d\n", $1 * 1000; exit }'
}
still=$(lautester 0 $((erster - anfang - 20)))
laut=$(lautester $((knall - anfang)) $((knall - anfang + 150)))
echo "recording: $((proben * 1000 / rate)) ms; first sound at $((erster - anfang)) ms," \
     "first explosion at $((knall - anfang)) ms"
echo "loudest before the first sound: $still; loudest within 150 ms of the explosion: $laut"
echo "the explosion is heard $(( $(beginn $((knall - anfang - 20))) - (knall - anfang) )) ms after its event"
# The first sound of the program run: the audio got ready when the match window opened.
erst_beginn=$(beginn $((erster - anfang - 20)) || true)
erst_spaet=$(( ${erst_beginn:-999999} - (erster - anfang) ))
echo "the first sound is heard $erst_spaet ms after its event"
if awk -v s="$still" -v l="$laut" -v e="$erst_spaet" \
    'BEGIN { exit !(s < 0.02 && l > 0.1 && e >= 0 && e <= 150) }'; then
    echo "ton-pruefen: ok"
else
    echo "ton-pruefen: FAILED" >&2
    exit 1
fi
