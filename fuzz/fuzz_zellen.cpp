// The cell file of a level, read into a board of the geometry that the first bytes choose.
#include "files/UDatei.h"
#include "fuzz/FuzzHilfen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 2) return 0;
    TZaehlMeldungen m;
    TDateiFehler df(m);
    TSpielfeld feld;
    TBilderSets bilder(df);
    TLevelDateien dateien(feld, bilder, df);
    feld.SetzeFeldGroesse(40, 40, daten[0] % 40 + 1, daten[1] % 40 + 1, clGruen);
    feld.ErzeugeFeld(feld.Zellenzahl());
    const std::string pfad = Arbeitsordner() + "z.dat";
    DateiSchreiben(pfad, daten + 2, groesse - 2);
    const bool fehler = dateien.ZellenLesen(pfad, feld.Zellenzahl());
    INVARIANTE(feld.AnzahlKnoten() == feld.Zellenzahl());  // never grows or shrinks the board
    INVARIANTE(fehler == (m.Anzahl > 0));
    const std::size_t noetig = 6u * feld.Zellenzahl();
    if (groesse - 2 >= noetig && (groesse - 2) % 6 == 0) INVARIANTE(!fehler);
    return 0;
}
