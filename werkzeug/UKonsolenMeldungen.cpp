#include "werkzeug/UKonsolenMeldungen.h"

void TKonsolenMeldungen::Zeige(TBoxTyp typ, const std::string& text) {
    if (typ == TBoxTyp::Fehler) ++fehleranzahl_;
    fehler_ << text << '\n';
}

bool TKonsolenMeldungen::FrageJaNein(TBoxTyp typ, const std::string& text) {
    return FrageJaNeinAbbrechen(typ, text) == TAntwort::Ja;
}

TAntwort TKonsolenMeldungen::FrageJaNeinAbbrechen(TBoxTyp, const std::string& text) {
    fehler_ << text << " Nein\n";
    return TAntwort::Nein;
}
