// A settings file (the first two bytes give its length) with its level list file.
#include "files/UEinstellungenDatei.h"
#include "fuzz/FuzzHilfen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 2) return 0;
    const std::size_t laenge = std::min<std::size_t>(daten[0] | daten[1] << 8, groesse - 2);
    TZaehlMeldungen m;
    TDateiFehler df(m);
    TEinstellungen e;
    e.LevelAnhaengen("vorher.dat");
    const std::string pfad = Arbeitsordner() + "e.sps";
    DateiSchreiben(pfad, daten + 2, laenge);
    DateiSchreiben(pfad + ".lev", daten + 2 + laenge, groesse - 2 - laenge);
    const auto vorher = e.EinstellungenHolen();
    const bool fehler = EinstellungenLaden(e, df, pfad);
    if (laenge == 0 || laenge % 1634 != 0) {
        INVARIANTE(fehler);
        INVARIANTE(e.EinstellungenHolen() == vorher);
        INVARIANTE(e.Levelliste().size() == 1);
    }
    if (!fehler) {
        INVARIANTE(laenge % 1634 == 0 && (groesse - 2 - laenge) % 256 == 0);
        for (const auto& level : e.Levelliste()) INVARIANTE(DateiExistiert(level));
    }
    return 0;
}
