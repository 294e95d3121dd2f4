#include "wiederholung/UAufgenommenesMatch.h"

#include "wiederholung/UAbspielen.h"

TAufgenommenesMatch::TAufgenommenesMatch(TSpielDaten daten, ILevelQuelle& level,
                                         THighscore& highscore, std::string highscorepfad,
                                         IMeldungen& meldungen, ISpielAnsicht& ansicht)
    : einstellungen_(daten.Einstellungen),
      zufall_(daten.Zufall),
      aufnehmend_(level),
      spiel_({daten, aufnehmend_, highscore, std::move(highscorepfad), meldungen, ansicht, uhr_}),
      lauf_(spiel_, uhr_) {}

bool TAufgenommenesMatch::Starten(std::uint64_t saat) {
    aufnahme_ = {};
    aufnahme_.Saat = saat;
    zufall_.Saeen(saat);
    AufnahmeEinstellungen(aufnahme_, einstellungen_);
    aufnehmend_.Vergessen();
    aufnehmend_.Ziel = &aufnahme_.Level;
    lauf_.Beginnen();
    const bool ok = spiel_.MatchStarten();
    lauf_.Bis(uhr_.Jetzt());
    return ok;
}

const TAufnahme& TAufgenommenesMatch::Abschliessen() {
    lauf_.Anwenden(TEingabeArt::Ende);
    aufnahme_.Eingaben = lauf_.Eingaben;
    aufnahme_.Protokoll = lauf_.Protokoll;
    aufnehmend_.Ziel = nullptr;
    return aufnahme_;
}
