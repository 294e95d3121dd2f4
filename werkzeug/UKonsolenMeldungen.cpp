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

bool ZahlLesen(const std::string& text, unsigned long long min, unsigned long long max,
               unsigned long long& wert) {
    if (text.empty() || text.size() > 20) return false;
    for (char c : text)
        if (c < '0' || c > '9') return false;
    try {
        wert = std::stoull(text);
    } catch (...) {
        return false;
    }
    return wert >= min && wert <= max;
}

bool TOptionsWert::Wert(std::string& ziel) {
    if (I + 1 >= Args.size()) return false;
    ziel = Args[++I];
    return true;
}

bool TOptionsWert::Zahl(unsigned long long min, unsigned long long max,
                        std::optional<unsigned long long>& ziel) {
    std::string t;
    unsigned long long w = 0;
    if (!Wert(t) || !ZahlLesen(t, min, max, w)) return false;
    ziel = w;
    return true;
}
