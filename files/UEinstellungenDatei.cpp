#include "files/UEinstellungenDatei.h"

#include "files/UTypDatei.h"

void EinstellungenSpeichern(TEinstellungen& e, TDateiFehler& fehler, const std::string& pfad) {
    // Two independent halves: a refused settings file does not keep the level list from being
    // written, and the other way round.
    if (!fehler.DateiPruefen(pfad, kKonfigDatei, TPruefModus::Schreiben)) {
        TTypDatei d(fehler, kGroesseEinstellungen);
        if (!d.Anlegen(pfad, kKonfigDatei)) {
            d.Schreiben(PackeEinstellungen(e.EinstellungenHolen()), kKonfigDatei);
            d.Schliessen(kKonfigDatei);
        }
    }

    const std::string lev = pfad + ".lev";
    if (!fehler.DateiPruefen(lev, kLevelDatei, TPruefModus::Schreiben)) {
        TTypDatei d(fehler, kGroesseLevelPfad);
        if (!d.Anlegen(lev, kLevelDatei)) {
            for (const std::string& level : e.Levelliste())
                // A failed write abandons the file (the old one stays); the records after it
                // could not reach the disk, so they are not reported once more each.
                if (d.Schreiben(PackeLevelPfad(level), kLevelDatei)) break;
            d.Schliessen(kLevelDatei);
        }
    }
}

bool EinstellungenLaden(TEinstellungen& e, TDateiFehler& fehler, const std::string& pfad) {
    if (fehler.DateiPruefen(pfad, kKonfigDatei, TPruefModus::Lesen)) return true;
    const std::string lev = pfad + ".lev";
    const bool levFehler = fehler.DateiPruefen(lev, kLevelDatei, TPruefModus::Lesen);
    if (!DateiExistiert(lev)) return fehler.FehltFehler(kLevelDatei);
    // The list goes even when the level list file turns out to be unusable.
    e.LevellisteLoeschen();
    if (levFehler) return true;

    {
        TTypDatei d(fehler, kGroesseEinstellungen);
        if (d.OeffnenLesen(pfad, kKonfigDatei)) return true;
        TBytes satz;
        if (d.Lesen(satz, kKonfigDatei)) return true;
        e.EinstellungenSetzen(EntpackeEinstellungen(satz.data()));
        if (d.Schliessen(kKonfigDatei)) return true;
    }

    TTypDatei d(fehler, kGroesseLevelPfad);
    if (d.OeffnenLesen(lev, kLevelDatei)) return true;
    bool ergebnis = false;
    TBytes satz;
    while (!d.AmEnde()) {
        if (d.Lesen(satz, kLevelDatei)) {
            ergebnis = true;
            break;
        }
        const std::string level = EntpackeLevelPfad(satz.data());
        if (DateiExistiert(level))
            e.LevelAnhaengen(level);
        else
            fehler.PfadFehltMeldung(level);
    }
    return d.Schliessen(kLevelDatei) || ergebnis;
}
