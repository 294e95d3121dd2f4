# The generated mode of scripts/mutanten.sh, sourced by it once the copy is built: $kopie, $quelle,
# $bau and $wurzel are set, the arguments are those after --erzeugt.
faelle=$kopie/erzeugt.json
python3 scripts/mutanten_erzeugen.py liste "$wurzel" "$faelle" "$@" >"$kopie/erzeugt.tsv" || exit 1
objekte=$kopie/objekte
mkdir -p "$objekte"

# The object files built from a source file (none for a header), and their code without the
# debug sections, whose line and column numbers move with any edit.
objekte_von() {
    ninja -C "$bau" -t query "$quelle/$1" 2>/dev/null |
        awk '/^  outputs:/ { o = 1; next } /^  [a-z]+:/ { o = 0 } o && /\.o$/ { print $1 }'
}
code_von() {
    local o
    for o in "$@"; do
        objcopy --strip-debug "$bau/$o" "$objekte/tmp.o" && sha1sum <"$objekte/tmp.o"
    done
}

# The suites of the mutated file's own folder first, then all others; each run stops at its
# first failure.
testen() {
    local ordner=${1%%/*} suiten=
    [[ -d tests/$ordner ]] && suiten=$(grep -ohE '^TEST(_F|_P)?\([A-Za-z0-9_]+,' tests/"$ordner"/*.cpp |
        sed -E 's/.*\(([A-Za-z0-9_]+),/\1/' | sort -u | paste -sd'|')
    local lauf=(ctest --test-dir "$bau" -j"$(nproc)" --stop-on-failure --timeout 60)
    if [[ -n $suiten ]]; then
        "${lauf[@]}" -R "^($suiten)\\." || return 1
        "${lauf[@]}" -E "^($suiten)\\."
    else
        "${lauf[@]}"
    fi
}

# A fault counts as killed only if the unchanged tree passes.
if ! ctest --test-dir "$bau" -j"$(nproc)" --timeout 120 >"$kopie/test.log" 2>&1; then
    echo "the unchanged tree fails its tests (see $kopie/test.log)" >&2
    exit 1
fi
# What the tests run; benchmarks and generators are left alone.
ziele=(kern_tests ui_tests netz_relais)
# The unchanged build is kept aside and put back after each fault (with the source's own time),
# instead of rebuilding what the fault touched: for a header included everywhere, that is the
# difference between seconds and minutes.
sicherung=$kopie/bau-sicherung
rm -rf "$sicherung"
cp -a "$bau" "$sicherung"
touch "$kopie/gesichert"
zurueck() {
    local f rel
    while IFS= read -r -d '' f; do
        rel=${f#"$bau"/}
        if [[ -e $sicherung/$rel ]]; then cp -a "$sicherung/$rel" "$f"; else rm -f "$f"; fi
    done < <(find "$bau" -newer "$kopie/gesichert" \( -type f -o -type l \) -print0)
}
declare -A zahl=()
: >"$kopie/ueberlebt.tsv"
anfang=$SECONDS
while IFS=$'\t' read -r id datei zeile was; do
    ziel=$quelle/$datei
    start=$SECONDS
    cp -p "$ziel" "$ziel.original"
    mapfile -t objs < <([[ $datei == *.cpp ]] && objekte_von "$datei")
    basis=$objekte/${datei//\//_}.sha
    [[ ${#objs[@]} -gt 0 && ! -f $basis ]] && code_von "${objs[@]}" >"$basis"
    if ! python3 scripts/mutanten_erzeugen.py pflanzen "$quelle" "$faelle" "$id"; then
        ergebnis=STALE
    elif [[ ${#objs[@]} -gt 0 ]] && ! ninja -C "$bau" "${objs[@]}" >/dev/null 2>&1; then
        ergebnis=INVALID
    elif [[ ${#objs[@]} -gt 0 ]] && [[ $(code_von "${objs[@]}") == "$(<"$basis")" ]]; then
        ergebnis=EQUIVALENT
    elif ! cmake --build "$bau" -j"$(nproc)" --target "${ziele[@]}" >/dev/null 2>&1; then
        ergebnis=INVALID
    elif testen "$datei" >"$kopie/test.log" 2>&1; then
        ergebnis=SURVIVED
        printf '%s\t%s\t%s\t%s\n' "$id" "$datei" "$zeile" "$was" >>"$kopie/ueberlebt.tsv"
    else
        ergebnis=KILLED
    fi
    mv "$ziel.original" "$ziel"
    zurueck
    zahl[$ergebnis]=$((${zahl[$ergebnis]:-0} + 1))
    printf '%-10s %s %s:%s %s (%d s)\n' "$ergebnis" "$id" "$datei" "$zeile" "$was" $((SECONDS - start))
done <"$kopie/erzeugt.tsv"
cmake --build "$bau" -j"$(nproc)" >/dev/null 2>&1
k=${zahl[KILLED]:-0}
n=$((k + ${zahl[SURVIVED]:-0}))
echo "generated mutants: $k killed of $n ($(awk -v k=$k -v n=$n 'BEGIN { printf "%.1f", n ? 100 * k / n : 0 }') %)," \
    "${zahl[EQUIVALENT]:-0} equivalent, ${zahl[INVALID]:-0} invalid, ${zahl[STALE]:-0} stale;" \
    "$(((SECONDS - anfang) / 60)) min"
