#include "wiederholung/UAufnahme.h"

#include "files/UBytes.h"
#include "files/URecords.h"
#include "model/USturmRinge.h"

namespace {

constexpr std::string_view kKennung = "KNALLWDH";
const char* const kBeschaedigt = "Die Wiederholung ist unvollständig oder beschädigt.";

}  // namespace

std::string AufnahmeKodieren(const TAufnahme& a) {
    TSchreiber s;
    s.aus_.append(kKennung);
    s.Zahl(kAufnahmeVersion, 2);
    s.Zahl(a.Saat, 8);
    s.Block(a.Einstellungen);
    s.Block(a.Arbeitskopie);
    for (TComputerArt k : a.Computer) s.Zahl(static_cast<std::uint8_t>(k), 1);
    s.Zahl(a.Sturmflut, 1);
    s.Zahl(a.LevelAnzahl, 2);
    s.Zahl(a.Levelliste.size(), 4);
    for (const auto& l : a.Levelliste) s.Block(l);
    s.Zahl(a.Level.size(), 4);
    for (const auto& l : a.Level) {
        s.Block(l.Pfad);
        s.Zahl((l.Allgemein ? 1 : 0) | (l.Zellen ? 2 : 0) | (l.Bilder ? 4 : 0), 1);
        for (const auto* teil : {&l.Allgemein, &l.Zellen, &l.Bilder})
            if (*teil) s.Block(**teil);
    }
    s.Zahl(a.Eingaben.size(), 4);
    for (const auto& e : a.Eingaben) {
        s.Zahl(e.Zeit, 8);
        s.Zahl(static_cast<std::uint8_t>(e.Art), 1);
        s.Zahl(e.Wert, 2);
    }
    s.Zahl(a.Protokoll.size(), 4);
    for (const auto& z : a.Protokoll) s.Block(z);
    return std::move(s.aus_);
}

std::string AufnahmeDekodieren(std::string_view daten, TAufnahme& a) {
    if (daten.substr(0, kKennung.size()) != kKennung)
        return "Die Datei ist keine Knallfeld-Wiederholung.";
    TLeser l(daten.substr(kKennung.size()));
    std::uint64_t v = 0, n = 0;
    if (!l.Zahl(v, 2)) return kBeschaedigt;
    if (v < 1 || v > kAufnahmeVersion)
        return "Die Wiederholung hat die Version " + std::to_string(v) +
               "; dieses Programm spielt nur die Versionen 1 bis " +
               std::to_string(kAufnahmeVersion) + " ab.";
    const std::uint64_t version = v;
    TAufnahme r;
    if (!l.Zahl(r.Saat, 8) || !l.Block(r.Einstellungen) || !l.Block(r.Arbeitskopie) ||
        r.Einstellungen.size() != kGroesseEinstellungen ||
        r.Arbeitskopie.size() != kGroesseEinstellungen)
        return kBeschaedigt;
    if (version >= 2)
        for (TComputerArt& k : r.Computer) {
            if (!l.Zahl(v, 1) || v > static_cast<std::uint8_t>(TComputerArt::Stark))
                return kBeschaedigt;
            k = static_cast<TComputerArt>(v);
        }
    if (version >= 3) {
        if (!l.Zahl(v, 1) || v > kSturmflutMaxMinuten) return kBeschaedigt;
        r.Sturmflut = static_cast<std::uint8_t>(v);
    }
    if (!l.Zahl(v, 2)) return kBeschaedigt;
    r.LevelAnzahl = static_cast<std::uint16_t>(v);
    // A level list holds at most as many levels as a match can count.
    if (!l.Anzahl(n, 4) || n > 65535) return kBeschaedigt;
    r.Levelliste.resize(n);
    for (auto& pfad : r.Levelliste)
        if (!l.Block(pfad)) return kBeschaedigt;
    if (!l.Anzahl(n, 5) || n > 65535) return kBeschaedigt;
    r.Level.resize(n);
    for (auto& lv : r.Level) {
        std::uint64_t maske = 0;
        if (!l.Block(lv.Pfad) || !l.Zahl(maske, 1) || maske > 7) return kBeschaedigt;
        int bit = 1;
        for (auto* teil : {&lv.Allgemein, &lv.Zellen, &lv.Bilder}) {
            if (maske & bit) {
                std::string s;
                if (!l.Block(s)) return kBeschaedigt;
                *teil = std::move(s);
            }
            bit <<= 1;
        }
    }
    if (!l.Anzahl(n, 11)) return kBeschaedigt;
    r.Eingaben.resize(n);
    std::uint64_t vorher = 0;
    for (auto& e : r.Eingaben) {
        std::uint64_t art = 0, wert = 0;
        if (!l.Zahl(e.Zeit, 8) || !l.Zahl(art, 1) || !l.Zahl(wert, 2)) return kBeschaedigt;
        // Inputs come in the order of time; anything else cannot have been recorded.
        if (art < 1 || art > 6 || e.Zeit < vorher) return kBeschaedigt;
        vorher = e.Zeit;
        e.Art = static_cast<TEingabeArt>(art);
        e.Wert = static_cast<std::uint16_t>(wert);
    }
    if (!l.Anzahl(n, 4)) return kBeschaedigt;
    r.Protokoll.resize(n);
    for (auto& z : r.Protokoll)
        if (!l.Block(z)) return kBeschaedigt;
    if (!l.AmEnde()) return kBeschaedigt;
    a = std::move(r);
    return {};
}
