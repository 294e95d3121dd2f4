#!/usr/bin/env bash
# Network play between two processes over loopback, through a relay that delays, scatters, loses
# and doubles datagrams: equal lines and recordings that replay; garbage for the host; a second
# guest turned away; a guest that is killed.
#   zwei_prozesse.sh WERKZEUG RELAIS SPIELFELDER
set -uo pipefail
werkzeug=$1 relais=$2 spielfelder=$3
arbeit=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill -9 "$p" 2>/dev/null; done; rm -rf "$arbeit"' EXIT
fehler=0
pruefe() {  # message, condition...
    local text=$1
    shift
    if ! "$@"; then
        echo "FEHLER: $text" >&2
        fehler=1
    fi
}

# The host's port, from its first line on standard error.
host_port() {
    for _ in $(seq 400); do
        local p
        p=$(sed -n 's/^Warte auf einen Mitspieler an Port \([0-9]*\) .*/\1/p' "$1")
        [[ -n $p ]] && { echo "$p"; return; }
        sleep 0.05
    done
}

# 1. A match of three rounds through 40 ± 10 ms, 10 % loss and 3 % doubles each way.
"$werkzeug" netz-eroeffnen --port 0 --seed 9 --runden 3 --tempo 5 --zufallsspieler 1 \
    --aufnahme "$arbeit/a.kfw" "$spielfelder/KleinesDuell.dat" "$spielfelder/Arena.dat" \
    >"$arbeit/a.out" 2>"$arbeit/a.err" &
host=$!
pids+=($host)
port=$(host_port "$arbeit/a.err")
"$relais" "$port" 40 10 10 3 7 >"$arbeit/relais" &
pids+=($!)
for _ in $(seq 400); do [[ -s $arbeit/relais ]] && break; sleep 0.05; done
rport=$(head -n1 "$arbeit/relais")
timeout 300 "$werkzeug" netz-beitreten "127.0.0.1:$rport" --zufallsspieler 2 --name Berta \
    --aufnahme "$arbeit/b.kfw" >"$arbeit/b.out" 2>"$arbeit/b.err"
status=$?
pruefe "guest exit $status: $(cat "$arbeit/b.err")" test $status -eq 0
wait $host
status=$?
pruefe "host exit $status: $(cat "$arbeit/a.err")" test $status -eq 0
pruefe "both print the same lines" cmp -s "$arbeit/a.out" "$arbeit/b.out"
pruefe "a full match" test "$(grep -c '^Runde ' "$arbeit/a.out")" -eq 3
for seite in a b; do
    "$werkzeug" abspielen "$arbeit/$seite.kfw" >"$arbeit/$seite.abgespielt"
    status=$?
    pruefe "recording $seite replays" test $status -eq 0
    pruefe "recording $seite has the match's lines" cmp -s "$arbeit/$seite.abgespielt" "$arbeit/a.out"
done

# 2. Garbage, large and small, at the host's port: it goes on and still takes a real guest.
"$werkzeug" netz-eroeffnen --port 0 --seed 3 --runden 1 --tempo 20 --computer \
    "$spielfelder/KleinesDuell.dat" >"$arbeit/c.out" 2>"$arbeit/c.err" &
host=$!
pids+=($host)
port=$(host_port "$arbeit/c.err")
for n in 1 7 48 1400 60000; do
    head -c "$n" /dev/urandom >"/dev/udp/127.0.0.1/$port" 2>/dev/null
done
timeout 120 "$werkzeug" netz-beitreten "127.0.0.1:$port" --computer >"$arbeit/d.out" 2>"$arbeit/d.err"
status=$?
pruefe "guest after garbage $status: $(cat "$arbeit/d.err")" test $status -eq 0
wait $host
status=$?
pruefe "host after garbage $status: $(cat "$arbeit/c.err")" test $status -eq 0

# 3. A second guest is turned away; the guest is killed: the host says so, in German, and
# keeps its recording.
"$werkzeug" netz-eroeffnen --port 0 --seed 4 --runden 50 --zufallsspieler 5 \
    --aufnahme "$arbeit/e.kfw" "$spielfelder/Arena.dat" >"$arbeit/e.out" 2>"$arbeit/e.err" &
host=$!
pids+=($host)
port=$(host_port "$arbeit/e.err")
"$werkzeug" netz-beitreten "127.0.0.1:$port" --zufallsspieler 6 >/dev/null 2>&1 &
gast=$!
pids+=($gast)
sleep 1.5
# A second guest while the match runs hears at once that the host is taken.
start=$(date +%s%N)
timeout 20 "$werkzeug" netz-beitreten "127.0.0.1:$port" >/dev/null 2>"$arbeit/zweiter.err"
status=$?
pruefe "second guest's exit $status" test $status -eq 3
pruefe "second guest's message: $(cat "$arbeit/zweiter.err")" \
    grep -qx "Der Gastgeber spielt schon mit jemand anderem." "$arbeit/zweiter.err"
pruefe "second guest within 2 s" test $((($(date +%s%N) - start) / 1000000)) -le 2000
kill -9 $gast
start=$(date +%s)
wait $host
status=$?
pruefe "host after the guest was killed: $status" test $status -eq 3
pruefe "host's message: $(cat "$arbeit/e.err")" grep -q "Die Verbindung zum Mitspieler ist abgebrochen." "$arbeit/e.err"
pruefe "within 20 s" test $(($(date +%s) - start)) -le 20
"$werkzeug" abspielen "$arbeit/e.kfw" >/dev/null
status=$?
pruefe "the host's recording replays" test $status -eq 0

exit $fehler
