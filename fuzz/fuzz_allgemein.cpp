// The general file of a level, read as a round start reads it.
#include "files/UDatei.h"
#include "fuzz/FuzzHilfen.h"
#include "model/UAnsi.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    TZaehlMeldungen m;
    TDateiFehler df(m);
    TSpielfeld feld;
    TBilderSets bilder(df);
    TLevelDateien dateien(feld, bilder, df);
    const std::string pfad = Arbeitsordner() + "a.dat.all";
    DateiSchreiben(pfad, daten, groesse);
    const TFeldDaten vorher = feld.HoleFeldDaten();
    const bool fehler = dateien.AllgemeinLesen(pfad);
    if (fehler) {
        INVARIANTE(feld.HoleFeldDaten() == vorher);  // a refused file changes nothing
        INVARIANTE(m.Anzahl == 1);
    } else {
        INVARIANTE(m.Anzahl == 0);
        INVARIANTE(feld.Zellenzahl() >= 1 && feld.Zellenzahl() <= 65535);
        INVARIANTE(Utf8Laenge(feld.FeldDaten().Name) <= 20);
    }
    return 0;
}
