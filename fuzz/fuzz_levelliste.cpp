// The level list file of a valid settings file; the paths may name files that exist.
#include "files/UEinstellungenDatei.h"
#include "files/URecords.h"
#include "fuzz/FuzzHilfen.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    static const std::string pfad = Arbeitsordner() + "l.sps";
    static const bool angelegt = [] {
        const TBytes rec = PackeEinstellungen(StandardRecord());
        DateiSchreiben(pfad, rec.data(), rec.size());
        DateiSchreiben(Arbeitsordner() + "da.dat", rec.data(), 6);
        return true;
    }();
    (void)angelegt;
    TZaehlMeldungen m;
    TDateiFehler df(m);
    TEinstellungen e;
    DateiSchreiben(pfad + ".lev", daten, groesse);
    const bool fehler = EinstellungenLaden(e, df, pfad);
    if (groesse == 0 || groesse % 256 != 0) {
        INVARIANTE(fehler);
        INVARIANTE(e.Levelliste().empty());
    } else {
        INVARIANTE(!fehler);
        INVARIANTE(e.Levelliste().size() + m.Anzahl == groesse / 256);
    }
    return 0;
}
