// A recording file, opened as "Wiederholung öffnen..." does: read, then played through without
// a window (the level bytes inside go through the level readers, the inputs through the match).
#include "fuzz/FuzzHilfen.h"
#include "wiederholung/UAbspielen.h"
#include "wiederholung/UAufnahmeDatei.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string pfad = Arbeitsordner() + "w.kfw";
    DateiSchreiben(pfad, daten, groesse);
    TAufnahme a;
    const std::string fehler = AufnahmeLesen(pfad, a);
    const std::string roh(reinterpret_cast<const char*>(daten), groesse);
    // The format has one spelling: whatever is accepted in the current version is written back
    // byte for byte; an accepted older one comes back as the same recording in the current one.
    const bool alt =
        fehler.empty() && groesse >= 10 && daten[8] + 256 * daten[9] < kAufnahmeVersion;
    if (alt) {
        TAufnahme b;
        INVARIANTE(AufnahmeDekodieren(AufnahmeKodieren(a), b).empty() && b == a);
    } else {
        INVARIANTE(fehler.empty() == (AufnahmeKodieren(a) == roh));
    }
    if (!fehler.empty()) return 0;
    std::vector<std::string> protokoll;
    // A small budget keeps each run short; the budget itself is what a hostile file meets.
    AufnahmePruefen(a, "", protokoll, 20000);
    return 0;
}
