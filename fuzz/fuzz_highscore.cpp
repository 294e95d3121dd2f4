// The highscore file, loaded as at program start.
#include "files/UHighscore.h"
#include "fuzz/FuzzHilfen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    TZaehlMeldungen m;
    TDateiFehler df(m);
    THighscore h;
    h.EintragEinfuegen({"alt", 5});
    const std::string pfad = Arbeitsordner() + "Highscore.hsk";
    DateiSchreiben(pfad, daten, groesse);
    HighscoreLaden(h, df, pfad);
    if (groesse % 24 != 0) {
        INVARIANTE(m.Anzahl == 1);
        INVARIANTE(h.Liste().size() == 1);
    } else {
        INVARIANTE(m.Anzahl == 0);
        INVARIANTE(h.Liste().size() == groesse / 24);
    }
    unsigned vorige = 65536;
    for (const auto& e : h.Liste()) {
        INVARIANTE(e.Punkte <= vorige);  // sorted, highest first
        vorige = e.Punkte;
    }
    return 0;
}
