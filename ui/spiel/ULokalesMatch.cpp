#include "ui/spiel/ULokalesMatch.h"

#include "ui/programm/UProgrammDaten.h"
#include "ui/programm/UWiederholungen.h"
#include "ui/spiel/USpielFenster.h"

TLokalesMatch::TLokalesMatch(TFrm_Spiel& f)
    : f_(f),
      quelle_(f.Daten().Level),
      match_({f.Daten().Feld, f.Daten().Einstellungen, f.Daten().Bomben, f.Daten().Zufall}, quelle_,
             f.Daten().Highscore, f.Daten().HighscoreDatei(), f.AnhaltendeMeldungen(), f) {}

bool TLokalesMatch::Starten() {
    // A fresh seed per match, kept in the recording: the match can then be played again.
    gestartet_ = nimmtAuf_ = match_.Starten(SaatAusUhr());
    if (nimmtAuf_)
        f_.Takt().Starten({[this] { return match_.Uhr().Jetzt(); },
                           [this](std::uint64_t t) { match_.Lauf().Bis(t); },
                           [this] { return match_.Uhr().NaechsteFaelligkeit(); }});
    return nimmtAuf_;
}

void TLokalesMatch::PadAktion(int spieler, int slot) {
    Eingabe(TEingabeArt::Aktion, PadAktionWert(spieler, slot));
}

void TLokalesMatch::Eingabe(TEingabeArt art, std::uint16_t wert) {
    // While a box is open the match stands still and takes nothing.
    TTaktgeber& takt = f_.Takt();
    if (!nimmtAuf_ || takt.Angehalten()) return;
    takt.Einholen();
    match_.Lauf().Anwenden(art, wert);
    takt.Planen();
}

void TLokalesMatch::Beenden() {
    if (nimmtAuf_) {
        nimmtAuf_ = false;
        // Where the match stands: closing must not let a due tick end a round (and show its box).
        WiederholungAblegen(match_.Abschliessen());
    }
    if (gestartet_) match_.Spiel().FormClose();
}
