#include "files/URecords.h"

#include <algorithm>

#include "model/UAnsi.h"

void TByteSchreiber::Wort(std::size_t ofs, std::uint16_t v) {
    daten_[ofs] = v & 0xFF;
    daten_[ofs + 1] = v >> 8;
}

void TByteSchreiber::Langwort(std::size_t ofs, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) daten_[ofs + i] = (v >> (8 * i)) & 0xFF;
}

void TByteSchreiber::KurzString(std::size_t ofs, std::size_t kapazitaet, const std::string& utf8) {
    const std::string ansi = Utf8NachAnsi(utf8);
    const std::size_t n = std::min(ansi.size(), kapazitaet);
    daten_[ofs] = static_cast<std::uint8_t>(n);
    std::copy_n(ansi.begin(), n, daten_.begin() + ofs + 1);
}

std::uint16_t TByteLeser::Wort(std::size_t ofs) const {
    return static_cast<std::uint16_t>(Byte(ofs) | Byte(ofs + 1) << 8);
}

std::uint32_t TByteLeser::Langwort(std::size_t ofs) const {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = v << 8 | Byte(ofs + i);
    return v;
}

std::string TByteLeser::KurzString(std::size_t ofs, std::size_t kapazitaet) const {
    const std::size_t n = std::min<std::size_t>(Byte(ofs), kapazitaet);
    std::string ansi;
    for (std::size_t i = 0; i < n; ++i) ansi += static_cast<char>(Byte(ofs + 1 + i));
    return AnsiNachUtf8(ansi);
}

TBytes PackeZelle(const TZelle& z) {
    TByteSchreiber s(kGroesseZelle);
    s.Byte(0, z.Art);
    s.Wort(2, z.Bild);
    s.Byte(4, z.Neu ? 1 : 0);
    return s.Fertig();
}

TZelle EntpackeZelle(const std::uint8_t* b) {
    TByteLeser l(b, kGroesseZelle);
    return {l.Byte(0), l.Wort(2), l.Byte(4) != 0};
}

TBytes PackeFeldDaten(const TFeldDaten& d) {
    TByteSchreiber s(kGroesseFeldDaten);
    s.KurzString(0, 20, d.Name);
    s.Wort(22, d.SpielBreite);
    s.Wort(24, d.SpielHoehe);
    s.Wort(26, d.EinzelBreite);
    s.Wort(28, d.EinzelHoehe);
    s.Langwort(32, d.Farbe);
    return s.Fertig();
}

TFeldDaten EntpackeFeldDaten(const std::uint8_t* b) {
    TByteLeser l(b, kGroesseFeldDaten);
    return {l.KurzString(0, 20), l.Wort(22), l.Wort(24), l.Wort(26), l.Wort(28), l.Langwort(32)};
}

TBytes PackeBildEintrag(const TBildEintrag& e) {
    TByteSchreiber s(kGroesseBildEintrag);
    s.Byte(0, e.BildArt);
    s.Wort(2, e.Nummer);
    s.KurzString(4, 255, e.Pfad);
    return s.Fertig();
}

TBildEintrag EntpackeBildEintrag(const std::uint8_t* b) {
    TByteLeser l(b, kGroesseBildEintrag);
    return {l.Byte(0), l.Wort(2), l.KurzString(4, 255)};
}

namespace {

void PackeSpieler(TByteSchreiber& s, std::size_t o, const TSpielerEinstellungen& p) {
    for (int k = 1; k <= 6; ++k) s.Wort(o + 2 * (k - 1), p.Taste(k));
    s.KurzString(o + 12, 20, p.Name);
    s.KurzString(o + 33, 255, p.Bild);
    s.Byte(o + 289, p.Computer);
    s.Byte(o + 290, p.Reserviert);
    s.Byte(o + 291, p.Werfen);
    s.Byte(o + 292, p.MehrBomben);
    s.Byte(o + 293, p.Unverwundbar);
    s.Byte(o + 294, p.Krank);
    s.Wort(o + 296, p.Punkte);
}

TSpielerEinstellungen EntpackeSpieler(const TByteLeser& l, std::size_t o) {
    TSpielerEinstellungen p;
    for (int k = 1; k <= 6; ++k) p.Taste(k) = l.Wort(o + 2 * (k - 1));
    p.Name = l.KurzString(o + 12, 20);
    p.Bild = l.KurzString(o + 33, 255);
    p.Computer = l.Byte(o + 289) != 0;
    p.Reserviert = l.Byte(o + 290);
    p.Werfen = l.Byte(o + 291) != 0;
    p.MehrBomben = l.Byte(o + 292) != 0;
    p.Unverwundbar = l.Byte(o + 293) != 0;
    p.Krank = l.Byte(o + 294) != 0;
    p.Punkte = l.Wort(o + 296);
    return p;
}

}  // namespace

TBytes PackeEinstellungen(const TSpielRecEinstellungen& r) {
    TByteSchreiber s(kGroesseEinstellungen);
    PackeSpieler(s, 0, r.Spieler1);
    PackeSpieler(s, 298, r.Spieler2);
    s.Byte(596, r.Rundenanzahl);
    s.Byte(597, r.LevelZufall);
    s.Wort(598, r.WasserGeschwindigkeit);
    s.Wort(600, r.SpielerVerzoegerung);
    s.Wort(602, r.PlatzExplo);
    s.Wort(604, r.ExploDauer);
    s.Byte(606, r.Unverwundbarkeit);
    s.Byte(607, r.ExtraProzent);
    s.Byte(608, r.Schwierigkeit);
    s.KurzString(609, 255, r.BildWerfen);
    s.KurzString(865, 255, r.BildMehrBomben);
    s.KurzString(1121, 255, r.BildUnverwundbar);
    s.KurzString(1377, 255, r.BildKrankheit);
    return s.Fertig();
}

TSpielRecEinstellungen EntpackeEinstellungen(const std::uint8_t* b) {
    TByteLeser l(b, kGroesseEinstellungen);
    TSpielRecEinstellungen r;
    r.Spieler1 = EntpackeSpieler(l, 0);
    r.Spieler2 = EntpackeSpieler(l, 298);
    r.Rundenanzahl = l.Byte(596);
    r.LevelZufall = l.Byte(597) != 0;
    r.WasserGeschwindigkeit = l.Wort(598);
    r.SpielerVerzoegerung = l.Wort(600);
    r.PlatzExplo = l.Wort(602);
    r.ExploDauer = l.Wort(604);
    r.Unverwundbarkeit = l.Byte(606);
    r.ExtraProzent = l.Byte(607);
    r.Schwierigkeit = l.Byte(608);
    r.BildWerfen = l.KurzString(609, 255);
    r.BildMehrBomben = l.KurzString(865, 255);
    r.BildUnverwundbar = l.KurzString(1121, 255);
    r.BildKrankheit = l.KurzString(1377, 255);
    return r;
}

TBytes PackeLevelPfad(const std::string& pfad) {
    TByteSchreiber s(kGroesseLevelPfad);
    s.KurzString(0, 255, pfad);
    return s.Fertig();
}

std::string EntpackeLevelPfad(const std::uint8_t* b) {
    return TByteLeser(b, kGroesseLevelPfad).KurzString(0, 255);
}

TBytes PackeHighscore(const THighscoreEintrag& e) {
    TByteSchreiber s(kGroesseHighscore);
    s.KurzString(0, 20, e.Name);
    s.Wort(22, e.Punkte);
    return s.Fertig();
}

THighscoreEintrag EntpackeHighscore(const std::uint8_t* b) {
    TByteLeser l(b, kGroesseHighscore);
    return {l.KurzString(0, 20), l.Wort(22)};
}
