#!/usr/bin/env bash
# Usage: scripts/bildschirmfotos.sh BUILD_DIR OUT_DIR
# Takes five screenshots of the game in BUILD_DIR under Xvfb: hauptmenue.png, einstellungen.png,
# editor.png, spiel.png and wiederholung.png. Two runs on the same binary give the same pixels,
# so the pictures of two builds can be compared with
#   compare -metric AE a.png b.png null:   (prints 0 when nothing a player sees has changed)
# Needs xvfb, xdotool and imagemagick; no window manager, so every window stands where the game
# puts it.
set -euo pipefail

if (($# != 2)); then
    echo "usage: $0 BUILD_DIR OUT_DIR" >&2
    exit 2
fi
bau=$1
for datei in knallfeld knallfeld-werkzeug; do
    if [[ ! -x $bau/$datei ]]; then
        echo "bildschirmfotos: $bau/$datei is missing or not executable" >&2
        exit 2
    fi
done
for werkzeug in Xvfb xdotool import convert; do
    if ! command -v "$werkzeug" >/dev/null; then
        echo "bildschirmfotos: $werkzeug is not installed (xvfb, xdotool, imagemagick)" >&2
        exit 2
    fi
done
mkdir -p "$2"
aus=$(cd "$2" && pwd)

# The pictures reach OUT_DIR together at the end: a run that fails leaves no mix of old and new.
arbeit=$(mktemp -d)
fertig=$arbeit/fertig
mkdir "$fertig"
xvfb_pid=
spiel_pid=
aufraeumen() {
    set +e
    if [[ -n $spiel_pid ]]; then
        kill "$spiel_pid" 2>/dev/null
        # A stopped game only ends once it runs again.
        kill -CONT "$spiel_pid" 2>/dev/null
    fi
    [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null
    wait
    rm -rf "$arbeit"
}
trap aufraeumen EXIT
trap 'exit 130' INT TERM

fehler() {
    echo "bildschirmfotos: $*" >&2
    if [[ -s $arbeit/spiel.log ]]; then
        echo "--- the game's output:" >&2
        tail -n 20 "$arbeit/spiel.log" >&2
    fi
    exit 1
}

# The game reads its data next to its binary and writes the highscore there: a copy keeps the
# build untouched.
spiel=$arbeit/spiel
mkdir -p "$spiel"
cp "$bau/knallfeld" "$bau/knallfeld-werkzeug" "$spiel/"
for daten in Bilder Spielfelder Klaenge Highscore.hsk; do
    [[ -e $bau/$daten ]] || fehler "$bau/$daten is missing"
    cp -r "$bau/$daten" "$spiel/"
done

exec 3>"$arbeit/anzeige"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -dpi 96 -nolisten tcp -noreset \
    >"$arbeit/xvfb.log" 2>&1 &
xvfb_pid=$!
exec 3>&-
for _ in $(seq 100); do
    [[ -s $arbeit/anzeige ]] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
done
[[ -s $arbeit/anzeige ]] || fehler "Xvfb did not start: $(tail -n 3 "$arbeit/xvfb.log")"
DISPLAY=:$(head -n1 "$arbeit/anzeige")
export DISPLAY
# The pointer away from every window: no button is drawn hovered.
xdotool mousemove 1279 1023

# Nothing of the caller's desktop reaches the game (env -i): no preferences, no recordings, no
# Qt theme, scaling or input method, no sound device.
heim=$arbeit/heim
mkdir -p "$heim/.config" "$heim/.local/share/Knallfeld/Wiederholungen" "$heim/.cache"
mkdir -m 700 "$arbeit/laufzeit"
umgebung=(env -i PATH="$PATH" DISPLAY="$DISPLAY" HOME="$heim" LANG=C.UTF-8 LC_ALL=C.UTF-8
          XDG_CONFIG_HOME="$heim/.config" XDG_DATA_HOME="$heim/.local/share"
          XDG_CACHE_HOME="$heim/.cache" XDG_RUNTIME_DIR="$arbeit/laufzeit"
          SDL_AUDIODRIVER=dummy)

starten() {
    "${umgebung[@]}" "$spiel/knallfeld" "$@" >>"$arbeit/spiel.log" 2>&1 &
    spiel_pid=$!
}

beenden() {
    kill "$spiel_pid" 2>/dev/null || true
    wait "$spiel_pid" 2>/dev/null || true
    spiel_pid=
}

# Waits for a shown window whose title matches the pattern; its id lands in $fenster.
warten() {
    local muster=$1 ende=$((SECONDS + 15))
    while ((SECONDS < ende)); do
        kill -0 "$spiel_pid" 2>/dev/null || fehler "the game ended while waiting for '$muster'"
        fenster=$(xdotool search --onlyvisible --name "$muster" 2>/dev/null | head -n1 || true)
        [[ -n $fenster ]] && return 0
        sleep 0.1
    done
    fehler "no window '$muster' appeared"
}

fokus() {
    timeout 10 xdotool windowfocus --sync "$1" || fehler "window $1 did not take the keyboard"
}

tasten() {
    fokus "$fenster"
    xdotool key "$@"
}

offen() {
    xdotool search --onlyvisible --name "$1" 2>/dev/null | grep -qx "$2"
}

# Types a full path into the file dialog in $fenster (title pattern $2) and waits for the dialog
# to go. Its completer may take a Return for itself: then it gets another one.
datei_waehlen() {
    local pfad=$1 muster=$2 dialog=$fenster i
    fokus "$dialog"
    xdotool type --delay 5 "$pfad"
    for _ in 1 2 3; do
        xdotool windowfocus "$dialog" 2>/dev/null || true
        offen "$muster" "$dialog" || return 0
        xdotool key Return
        for i in $(seq 30); do
            offen "$muster" "$dialog" || return 0
            sleep 0.05
        done
    done
    fehler "the file dialog did not take $pfad"
}

# Shoots the screen until nine shots in a row agree, then keeps that picture. Between two shots
# the game runs for 150 ms and stands still (SIGSTOP) while the screen is read, so a slow
# machine only makes the shots slower. A blinking text cursor (500 ms on, 500 ms off) turns at
# most once in each run and at least twice in eight of them: two pictures taking turns are the
# cursor, and the one with it (the darker) is kept.
foto() {
    local name=$1 ordner=$arbeit/bilder ende=$((SECONDS + 20)) wert
    local -a werte=()
    rm -rf "$ordner"
    mkdir -p "$ordner"
    while ((SECONDS < ende)); do
        kill -CONT "$spiel_pid" 2>/dev/null || fehler "the game ended before $name.png"
        sleep 0.15
        kill -STOP "$spiel_pid" 2>/dev/null || fehler "the game ended before $name.png"
        import -silent -window root "$ordner/neu.ppm"
        wert=$(md5sum <"$ordner/neu.ppm" | cut -c1-32)
        mv -f "$ordner/neu.ppm" "$ordner/$wert.ppm"
        werte+=("$wert")
        ((${#werte[@]} >= 9)) || continue
        local -a letzte=("${werte[@]: -9}")
        local i wechsel=0 gewaehlt=
        for ((i = 1; i < 9; ++i)); do
            [[ ${letzte[i]} != "${letzte[i - 1]}" ]] && ((++wechsel))
        done
        local -a bilder
        mapfile -t bilder < <(printf '%s\n' "${letzte[@]}" | sort -u)
        if ((${#bilder[@]} == 1)); then
            gewaehlt=${bilder[0]}
        elif ((${#bilder[@]} == 2 && wechsel >= 2)); then
            local a b
            a=$(convert "$ordner/${bilder[0]}.ppm" -precision 16 -format '%[fx:mean]' info:)
            b=$(convert "$ordner/${bilder[1]}.ppm" -precision 16 -format '%[fx:mean]' info:)
            gewaehlt=${bilder[0]}
            awk -v a="$a" -v b="$b" 'BEGIN { exit !(b < a) }' && gewaehlt=${bilder[1]}
        fi
        if [[ -n $gewaehlt ]]; then
            kill -CONT "$spiel_pid"
            # Without time stamps the files of equal pictures are equal too.
            convert "$ordner/$gewaehlt.ppm" -strip -define png:exclude-chunks=date,time \
                "$fertig/$name.png"
            return 0
        fi
    done
    kill -CONT "$spiel_pid" 2>/dev/null || true
    fehler "the screen did not settle for $name.png"
}

# The main menu and the game settings (Alt+N, "Einstellungen" of the match group).
starten
warten 'Hauptmen'
foto hauptmenue
tasten alt+n
warten 'Spieleinstellungen'
foto einstellungen
beenden

# The editor (Alt+E) with a level opened through its file dialog.
starten
warten 'Hauptmen'
tasten alt+e
warten 'Spielfeldeditor'
tasten ctrl+o
warten '^Öffnen$'
datei_waehlen "$spiel/Spielfelder/Festung.dat" '^Öffnen$'
foto editor
beenden

# A match right after its start: without input nothing moves.
starten --spiel "$spiel/Spielfelder/Arena.dat"
warten '^Knallfeld - Spiel$'
foto spiel
beenden

# A replay at the end of its first round. The recording comes from the simulator, which gives
# the same match for the same seed; "Nächste Runde" plays the rest of the round at once and
# its message stops the replay there, however long the replay ran before.
wiederholung=$heim/.local/share/Knallfeld/Wiederholungen/fotos.kfw
"${umgebung[@]}" "$spiel/knallfeld-werkzeug" simulieren --seed 6 --runden 3 \
    --aufnahme "$wiederholung" "$spiel/Spielfelder/Insel.dat" >>"$arbeit/spiel.log" 2>&1 ||
    fehler "the simulator wrote no recording"
starten
warten 'Hauptmen'
# "Programm", then its third entry, "Wiederholung öffnen..." (it has no key of its own). The
# pause gives the menu time to open.
tasten alt+p
sleep 0.3
tasten Down Down Return
warten '^Wiederholung '
datei_waehlen "$wiederholung" '^Wiederholung '
warten '^Knallfeld - Wiederholung$'
# The button has no key: it stands at the left of the panel, 238 px from the window's right
# edge and 450 px down. A click that misses costs time only: the round ends by itself 9 s into
# the replay, at the same picture.
breite=$(xdotool getwindowgeometry --shell "$fenster" | sed -n 's/^WIDTH=//p')
xdotool mousemove --window "$fenster" $((breite - 238 + 48)) 462 click 1
warten '^Information$'
xdotool mousemove 1279 1023
foto wiederholung
beenden

mv -f "$fertig"/*.png "$aus/"
echo "bildschirmfotos: five pictures in $aus"
