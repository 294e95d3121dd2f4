// A whole match on levels held in memory, a simulated clock and a view that keeps what it was told.
#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <ostream>
#include <string>
#include <utility>

#include "hilfen/TestHilfen.h"
#include "match/UKlang.h"
#include "match/USimUhr.h"
#include "match/USpiel.h"
#include "model/UVirtuelleTasten.h"
#include "tests/match/MatchHilfen.h"

using TEinstellen = std::function<void(TSpielRecEinstellungen&)>;
using TPunkte = std::array<std::uint16_t, 2>;

struct TAnsichtProtokoll : ISpielAnsicht {
    void FensterEinrichten(const TFeldDaten&) override {}
    void StatusAnzeigen(const std::string&, const TSpielRecEinstellungen&) override {}
    void RundeAnzeigen(std::uint8_t) override {}
    void PunkteAnzeigen(std::uint16_t a, std::uint16_t b) override { Punkte = {a, b}; }
    void ExtraAnzeigen(int p, TExtra x, bool an) override { Extras[p - 1].at(ExtraIndex(x)) = an; }
    void RestsekundenAnzeigen(int p, std::uint16_t s) override { Sekunden[p - 1] = s; }
    void NaechsteRundeAktivieren(bool an) override { Naechste = an; }
    void FeldAktivieren(bool an) override { FeldAn = an; }
    void FeldNeuZeichnen() override {}
    void FensterZentrieren() override {}
    void Klang(TKlang k) override { Klaenge.push_back({Uhr ? Uhr->Jetzt() : 0, k}); }
    void SturmflutAnzeigen(int s) override { Sturmflut.push_back(s); }

    // The sounds of these kinds (all without any) with their simulated times: "0 Explosion, ...".
    std::string Gehoert(std::initializer_list<TKlang> arten = {}) const {
        std::string s;
        for (const auto& [zeit, k] : Klaenge)
            if (arten.size() == 0 || std::find(arten.begin(), arten.end(), k) != arten.end())
                s += (s.empty() ? "" : ", ") + std::to_string(zeit) + " " + KlangName(k);
        return s;
    }

    const TSimUhr* Uhr = nullptr;
    std::vector<std::pair<std::uint64_t, TKlang>> Klaenge;
    std::vector<int> Sturmflut;
    TPunkte Punkte{}, Sekunden{};
    std::array<std::array<bool, 4>, 2> Extras{};
    bool Naechste = false, FeldAn = false;
};

// A computer's action by name in a failing expectation.
inline void PrintTo(TAktion a, std::ostream* os) {
    static constexpr const char* kNamen[] = {"Keine",  "Oben",  "Unten", "Links",
                                             "Rechts", "Bombe", "Werfen"};
    *os << kNamen[std::size_t(a)];
}

// Default keys.
namespace taste {
inline constexpr std::uint16_t W = 'W', S = 'S', A = 'A', D = 'D', E = 'E', R = 'R';
inline constexpr std::uint16_t Hoch = vkUp, Runter = vkDown, Links = vkLeft, Rechts = vkRight,
                               Leer = vkSpace;
}  // namespace taste

struct TSpielTest {
    explicit TSpielTest(std::uint64_t saat = 7) : z(saat) {
        z.einst.Arbeitskopie = z.E();
        ansicht.Uhr = &uhr;
    }

    TSpielZustand z;
    TSpeicherLevel level{z.feld};
    THighscore highscore;
    TMeldungsProtokoll meldungen;
    TAnsichtProtokoll ansicht;
    TSimUhr uhr;
    TSpiel spiel{{z.d, level, highscore, "", meldungen, ansicht, uhr}};

    // Changes the settings the way the settings dialog does: the record and its working copy.
    void Einstellen(const TEinstellen& f) {
        z.Aendern(f);
        f(z.einst.Arbeitskopie);
    }
    void Level(const std::string& pfad, const std::string& brett) {
        TSpielfeld f;
        BrettSetzen(f, Z(brett));
        TFeldDaten g = f.HoleFeldDaten();
        g.Name = pfad;
        level.Hinzufuegen(pfad, g, f.Zellen());
        z.einst.LevelAnhaengen(pfad);
        z.einst.LevelAnzahl = static_cast<std::uint16_t>(z.einst.Levelliste().size());
    }
    bool Starten() { return spiel.MatchStarten(); }
    // A match on the single level "a".
    bool Starten(const std::string& brett, const TEinstellen& f = nullptr) {
        if (f) Einstellen(f);
        Level("a", brett);
        return Starten();
    }
    void Taste(std::uint16_t k) { spiel.SpielerTasteDrucken(k); }
    // Runs the clock to each time (ms from its start) and presses the key there.
    void Tasten(std::initializer_list<std::pair<std::uint64_t, std::uint16_t>> folge) {
        for (auto [zeit, k] : folge) {
            Bis(zeit);
            Taste(k);
        }
    }
    void Bis(std::uint64_t t) { uhr.LaufeBis(t); }
    // No timer is on (with an interval that ticks).
    bool AllesSteht() const { return !uhr.NaechsteFaelligkeit(); }
    Zeilen Brett() const { return z.Brett(); }
    char Zelle(int zeile0, int spalte0) const { return z.Brett()[zeile0][spalte0]; }
};
