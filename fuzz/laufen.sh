#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for the given seconds (default 20).
# Usage: fuzz/laufen.sh [SEKUNDEN] [ZIEL...]
set -euo pipefail
cd "$(dirname "$0")/.."
sekunden=${1:-20}
shift || true
ordner=build-fuzz
bash scripts/abhaengigkeiten.sh clang libclang-rt-14-dev
CC=clang CXX=clang++ cmake -S . -B "$ordner" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DKNALLFELD_FUZZ=ON -DKNALLFELD_TESTS=OFF >/dev/null
cmake --build "$ordner" -j"$(nproc)" --target fuzz_ziele | grep -vE '^\[[0-9]+/[0-9]+\]' || true
[[ ${PIPESTATUS[0]} -eq 0 ]] || exit 1

korpus=$ordner/korpus
saat() {  # saat ZIEL DATEI...: copies seed files into a target's corpus
    local ziel=$1
    shift
    mkdir -p "$korpus/$ziel"
    for f in "$@"; do [[ -f $f ]] && cp "$f" "$korpus/$ziel/$(basename "$f")"; done
    return 0
}
shopt -s nullglob
saat allgemein Spielfelder/*.all fuzz/saat/allgemein/*
saat bilder Spielfelder/*.bild fuzz/saat/bilder/*
saat bmp Bilder/*/*.bmp fuzz/saat/bmp/*
saat highscore Highscore.hsk fuzz/saat/highscore/*
saat einstellungen fuzz/saat/einstellungen/*
saat levelliste fuzz/saat/levelliste/*
saat wiederholung fuzz/saat/wiederholung/*
mkdir -p "$korpus/zellen"
for f in Spielfelder/*.dat; do  # geometry bytes in front of the cells
    { printf '\x0f\x13'; cat "$f"; } >"$korpus/zellen/$(basename "$f")"
done

ziele=("$@")
((${#ziele[@]})) || ziele=(allgemein zellen bilder einstellungen levelliste highscore bmp wiederholung netz)
export QT_QPA_PLATFORM=offscreen
# Every input is written to a scratch file; in memory that is several times faster than on disk.
[[ -d /dev/shm && -w /dev/shm ]] && export TMPDIR=/dev/shm
for ziel in "${ziele[@]}"; do
    mkdir -p "$korpus/$ziel"
    echo "== fuzz_$ziel ($sekunden s)"
    protokoll=$ordner/fuzz_$ziel.log
    status=0
    "$ordner/fuzz/fuzz_$ziel" -max_total_time="$sekunden" -rss_limit_mb=2048 -timeout=10 \
        -print_final_stats=1 -artifact_prefix="$ordner/fund_${ziel}_" "$korpus/$ziel" \
        >"$protokoll" 2>&1 || status=$?
    grep -E 'stat::number_of_executed_units|ERROR|Invariante|SUMMARY' "$protokoll" || true
    if ((status != 0)); then
        tail -40 "$protokoll"
        echo "fuzz_$ziel: Fund (Status $status)"
        exit 1
    fi
done
