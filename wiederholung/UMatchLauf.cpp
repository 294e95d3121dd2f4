#include "wiederholung/UMatchLauf.h"

#include <cstdint>

std::string RundenZeile(TSpiel& spiel, const std::string& text) {
    return "Runde " + std::to_string(spiel.Runde()) + " (" + spiel.Daten().Feld.FeldDaten().Name +
           "): " + text;
}

void TMatchLauf::Beginnen() {
    basis_ = uhr_.Jetzt();
    Eingaben.clear();
    Protokoll.clear();
    rundeNotiert_ = matchNotiert_ = false;
}

void TMatchLauf::Bis(std::uint64_t t) {
    if (MaxTicks == UINT64_MAX) {
        uhr_.LaufeBis(t);
    } else if (!ueberlang_) {
        ueberlang_ = uhr_.LaufeBisBedingung([this] { return uhr_.AnzahlTicks() >= MaxTicks; }, t);
    }
    Notieren();
}

void TMatchLauf::Eingabe(const TEingabe& e) {
    Bis(basis_ + e.Zeit);
    Anwenden(e.Art, e.Wert);
}

void TMatchLauf::Anwenden(TEingabeArt art, std::uint16_t wert) {
    if (ueberlang_) return;
    Notieren();  // what ended before this input ("Nächste Runde" starts the next round)
    Eingaben.push_back({Zeit(), art, wert});
    switch (art) {
        case TEingabeArt::Taste:
            spiel_.SpielerTasteDrucken(wert);
            break;
        case TEingabeArt::Aktion: {
            const TPadAktion a = PadAktionVon(wert);
            spiel_.SpielerAktion(a.Spieler, a.Slot);
            break;
        }
        case TEingabeArt::NaechsteRunde:
            spiel_.NextRound();
            break;
        case TEingabeArt::Neustart:
            spiel_.Neustart();
            break;
        case TEingabeArt::Abbrechen:
            // A round that would not end: it counts for nobody, the match goes on or ends.
            if (!spiel_.FeldAktiv()) break;
            Protokoll.push_back(RundenZeile(spiel_, "abgebrochen"));
            spiel_.RundeAnhalten();
            if (spiel_.Runde() >= spiel_.Daten().Einstellungen.EinstellungenHolen().Rundenanzahl)
                spiel_.MatchEnde();
            break;
        case TEingabeArt::Ende:
            break;
    }
    Notieren();
}

void TMatchLauf::Notieren() {
    if (spiel_.FeldAktiv()) rundeNotiert_ = false;
    if (!spiel_.MatchVorbei()) matchNotiert_ = false;
    const TSpielRecEinstellungen e = spiel_.Daten().Einstellungen.EinstellungenHolen();
    if (!spiel_.FeldAktiv() && spiel_.LetztesErgebnis() != 0 && !rundeNotiert_) {
        rundeNotiert_ = true;
        Protokoll.push_back(RundenZeile(spiel_, RundenText(spiel_.LetztesErgebnis(), e)));
    }
    if (spiel_.MatchVorbei() && !matchNotiert_) {
        matchNotiert_ = true;
        Protokoll.push_back(MatchText(e));
        Protokoll.push_back("Punkte: " + std::to_string(e.Spieler1.Punkte) + " : " +
                            std::to_string(e.Spieler2.Punkte));
    }
}
