#include "netz/UNetzProtokoll.h"

#include <set>

#include "files/UBytes.h"
#include "files/URecords.h"
#include "model/UAnsi.h"

namespace {

constexpr std::string_view kKennung = "KNALLNTZ";

TSchreiber Anfang(TNachricht art) {
    TSchreiber s;
    s.Zahl(static_cast<std::uint8_t>(art), 1);
    return s;
}

// The reader behind the type byte, when the type is the expected one.
bool Oeffnen(std::string_view d, TNachricht art, TLeser& l) {
    std::uint64_t t = 0;
    return l.Zahl(t, 1) && t == static_cast<std::uint8_t>(art) && d.size() > 0;
}

}  // namespace

bool TextGueltig(const std::string& t, std::size_t zeichen) {
    if (t.size() > 4 * zeichen || Utf8Kuerzen(t, zeichen) != t) return false;
    for (unsigned char c : t)
        if (c < 0x20 || c == 0x7F) return false;
    return true;
}

std::optional<TNachricht> NachrichtArt(std::string_view d) {
    if (d.empty()) return std::nullopt;
    return static_cast<TNachricht>(static_cast<std::uint8_t>(d[0]));
}

std::string Kodieren(const THallo& h) {
    TSchreiber s = Anfang(TNachricht::Hallo);
    s.aus_.append(kKennung);
    s.Zahl(h.Protokoll, 2);
    s.Zahl(h.Regeln, 4);
    s.Block(h.Name);
    s.Zahl(h.Computer ? 1 : 0, 1);
    return std::move(s.aus_);
}

bool Dekodieren(std::string_view d, THallo& h) {
    TLeser l(d);
    if (!Oeffnen(d, TNachricht::Hallo, l) || d.substr(1, kKennung.size()) != kKennung) return false;
    TLeser r(d.substr(1 + kKennung.size()));
    std::uint64_t p = 0, v = 0, c = 0;
    std::string name;
    if (!r.Zahl(p, 2) || !r.Zahl(v, 4) || !r.Block(name) || !r.Zahl(c, 1) || c > 1 || !r.AmEnde() ||
        !TextGueltig(name, 20))
        return false;
    h = {std::uint16_t(p), std::uint32_t(v), name, c == 1};
    return true;
}

std::string Kodieren(const TWillkommen& w) {
    TSchreiber s = Anfang(TNachricht::Willkommen);
    s.Zahl(w.Spieler, 1);
    s.Zahl(w.Verzoegerung, 4);
    s.Zahl(w.Tempo, 1);
    s.Zahl(w.Countdown, 2);
    return std::move(s.aus_);
}

bool Dekodieren(std::string_view d, TWillkommen& w) {
    TLeser l(d);
    std::uint64_t s = 0, v = 0, t = 0, c = 0;
    if (!Oeffnen(d, TNachricht::Willkommen, l) || !l.Zahl(s, 1) || !l.Zahl(v, 4) || !l.Zahl(t, 1) ||
        !l.Zahl(c, 2) || !l.AmEnde() || (s != 1 && s != 2) || v < 1 || v > 60'000 || t < 1 ||
        t > 50 || c > kCountdownMax)
        return false;
    w = {std::uint8_t(s), std::uint32_t(v), std::uint8_t(t), std::uint32_t(c)};
    return true;
}

std::string Kodieren(const TAbgelehnt& a) {
    TSchreiber s = Anfang(TNachricht::Abgelehnt);
    s.Zahl(static_cast<std::uint8_t>(a.Grund), 1);
    s.Zahl(a.Protokoll, 2);
    s.Zahl(a.Regeln, 4);
    return std::move(s.aus_);
}

bool Dekodieren(std::string_view d, TAbgelehnt& a) {
    TLeser l(d);
    std::uint64_t g = 0, p = 0, v = 0;
    if (!Oeffnen(d, TNachricht::Abgelehnt, l) || !l.Zahl(g, 1) || !l.Zahl(p, 2) || !l.Zahl(v, 4) ||
        !l.AmEnde() || g < 1 || g > 2)
        return false;
    a = {static_cast<TAblehnung>(g), std::uint16_t(p), std::uint32_t(v)};
    return true;
}

std::string KodierenSpieldaten(const TAufnahme& a) {
    std::string d = AufnahmeKodieren(a);
    d.insert(d.begin(), char(TNachricht::Spieldaten));
    return d;
}

std::string DekodierenSpieldaten(std::string_view d, TAufnahme& a) {
    if (d.empty() || d[0] != char(TNachricht::Spieldaten)) return "keine Spieldaten";
    if (d.size() > kSpieldatenMax + 1) return "Spieldaten zu groß";
    TAufnahme neu;
    if (std::string f = AufnahmeDekodieren(d.substr(1), neu); !f.empty()) return f;
    if (!neu.Eingaben.empty() || !neu.Protokoll.empty()) return "Spieldaten mit Eingaben";
    if (neu.Einstellungen.size() != kGroesseEinstellungen ||
        neu.Arbeitskopie.size() != kGroesseEinstellungen)
        return "Einstellungen falsch";
    if (neu.Levelliste.empty() || neu.Levelliste.size() > 255 ||
        neu.LevelAnzahl != neu.Levelliste.size() || neu.Level.size() > neu.Levelliste.size())
        return "Levelliste falsch";
    std::set<std::string> pfade;
    for (const TAufnahmeLevel& l : neu.Level)
        if (!pfade.insert(l.Pfad).second) return "Level doppelt";
    // A key both players share would give one player's action to the other.
    for (const std::string* rec : {&neu.Einstellungen, &neu.Arbeitskopie}) {
        const TSpielRecEinstellungen e =
            EntpackeEinstellungen(reinterpret_cast<const std::uint8_t*>(rec->data()));
        std::set<std::uint16_t> tasten;
        for (int s = 1; s <= 2; ++s)
            for (int n = 1; n <= 6; ++n)
                if (e.Spieler(s).Taste(n) == 0 || !tasten.insert(e.Spieler(s).Taste(n)).second)
                    return "Tasten doppelt";
    }
    a = std::move(neu);
    return {};
}

std::string KodierenZahlen(TNachricht art, std::uint64_t a, std::uint64_t b) {
    TSchreiber s = Anfang(art);
    switch (art) {
        case TNachricht::Geladen:
            s.Zahl(a, 8);
            break;
        case TNachricht::Pruefsumme:
            s.Zahl(a, 8);
            s.Zahl(b, 8);
            break;
        case TNachricht::Tschuess:
            s.Zahl(a, 1);
            s.Zahl(b, 8);
            break;
        case TNachricht::NeustartAntwort:
            s.Zahl(a, 1);
            break;
        case TNachricht::NeuesMatch:
            s.Zahl(a, 8);
            break;
        default:  // Start, NeustartFrage, Revanche: the type alone
            break;
    }
    return std::move(s.aus_);
}

bool DekodierenZahlen(std::string_view d, TNachricht art, TZahlen& z) {
    TLeser l(d);
    if (!Oeffnen(d, art, l)) return false;
    TZahlen neu;
    bool ok = true;
    switch (art) {
        case TNachricht::Geladen:
            ok = l.Zahl(neu.A, 8);
            break;
        case TNachricht::Pruefsumme:
            ok = l.Zahl(neu.A, 8) && l.Zahl(neu.B, 8);
            break;
        case TNachricht::Tschuess:
            ok = l.Zahl(neu.A, 1) && neu.A >= 1 && neu.A <= 4 && l.Zahl(neu.B, 8);
            break;
        case TNachricht::NeustartAntwort:
            ok = l.Zahl(neu.A, 1) && neu.A <= 1;
            break;
        case TNachricht::NeuesMatch:
            ok = l.Zahl(neu.A, 8);
            break;
        case TNachricht::Start:
        case TNachricht::NeustartFrage:
        case TNachricht::Revanche:
            break;
        default:
            return false;
    }
    if (!ok || !l.AmEnde()) return false;
    z = neu;
    return true;
}

std::string KodierenChat(const std::string& zeile) {
    TSchreiber s = Anfang(TNachricht::Chat);
    s.Block(zeile);
    return std::move(s.aus_);
}

bool DekodierenChat(std::string_view d, std::string& zeile) {
    TLeser l(d);
    std::string z;
    if (!Oeffnen(d, TNachricht::Chat, l) || !l.Block(z) || !l.AmEnde() || z.empty() ||
        !TextGueltig(z, kChatMaxZeichen))
        return false;
    zeile = std::move(z);
    return true;
}
