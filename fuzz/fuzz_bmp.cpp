// A .bmp picture added to an image set.
#include "files/UBilderPointer.h"
#include "fuzz/FuzzHilfen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    TZaehlMeldungen m;
    TDateiFehler df(m);
    TBilderSets bilder(df);
    const std::string pfad = Arbeitsordner() + "x.bmp";
    DateiSchreiben(pfad, daten, groesse);
    const bool angehaengt = bilder.BildAnhaengen(pfad, kBlockbilder);
    INVARIANTE(angehaengt == (bilder.AnzahlBilder(kBlockbilder) == 1));
    INVARIANTE(angehaengt != (m.Anzahl == 1));
    if (angehaengt) INVARIANTE(!bilder.BildHolen(1, kBlockbilder)->isNull());
    return 0;
}
