// A whole match on levels held in memory, a simulated clock and a view that keeps what it was told.
#pragma once

#include <array>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "hilfen/TestHilfen.h"
#include "match/USimUhr.h"
#include "match/USpiel.h"
#include "tests/match/MatchHilfen.h"

struct TAnsichtProtokoll : ISpielAnsicht {
    void FensterEinrichten(const TFeldDaten& g) override { Geometrie = g; }
    void StatusAnzeigen(const std::string& name, const TSpielRecEinstellungen& e) override {
        Levelname = name;
        Namen = {e.Spieler1.Name, e.Spieler2.Name};
        Punkte = {e.Spieler1.Punkte, e.Spieler2.Punkte};
    }
    void RundeAnzeigen(std::uint8_t r) override { Runde = r; }
    void PunkteAnzeigen(std::uint16_t a, std::uint16_t b) override { Punkte = {a, b}; }
    void ExtraAnzeigen(int p, int x, bool an) override { Extras[p - 1][x] = an; }
    void RestsekundenAnzeigen(int p, std::uint16_t s) override { Sekunden[p - 1] = s; }
    void NaechsteRundeAktivieren(bool an) override { Naechste = an; }
    void FeldAktivieren(bool an) override { FeldAn = an; }
    void FeldNeuZeichnen() override { ++Neuzeichnen; }
    void FensterZentrieren() override {}

    TFeldDaten Geometrie;
    std::string Levelname;
    std::array<std::string, 2> Namen;
    std::array<std::uint16_t, 2> Punkte{};
    int Runde = 0;
    std::array<std::array<bool, 4>, 2> Extras{};
    std::array<std::uint16_t, 2> Sekunden{};
    bool Naechste = false;
    bool FeldAn = false;
    int Neuzeichnen = 0;
};

// Default keys.
namespace taste {
inline constexpr std::uint16_t W = 0x57, S = 0x53, A = 0x41, D = 0x44, E = 0x45, R = 0x52;
inline constexpr std::uint16_t Hoch = 0x26, Runter = 0x28, Links = 0x25, Rechts = 0x27, Leer = 0x20,
                               Strg = 0x11;
}  // namespace taste

struct TSpielTest {
    explicit TSpielTest(std::uint64_t saat = 7) : z(saat) { z.einst.Arbeitskopie = z.E(); }

    TSpielZustand z;
    TSpeicherLevel level{z.feld};
    THighscore highscore;
    TMeldungsProtokoll meldungen;
    TAnsichtProtokoll ansicht;
    TSimUhr uhr;
    TSpiel spiel{{z.d, level, highscore, "", meldungen, ansicht, uhr}};

    // Changes the settings the way the settings dialog does: the record and its working copy.
    void Einstellen(const std::function<void(TSpielRecEinstellungen&)>& f) {
        z.Aendern(f);
        f(z.einst.Arbeitskopie);
    }
    void Level(const std::string& pfad, const std::vector<std::string>& zeilen,
               const std::string& name = "") {
        TSpielfeld f;
        BrettSetzen(f, zeilen);
        TFeldDaten g = f.HoleFeldDaten();
        g.Name = name.empty() ? pfad : name;
        level.Hinzufuegen(pfad, g, f.Zellen());
        z.einst.LevelAnhaengen(pfad);
        z.einst.LevelAnzahl = static_cast<std::uint16_t>(z.einst.Levelliste().size());
    }
    bool Starten() { return spiel.MatchStarten(); }
    void Taste(std::uint16_t k) { spiel.SpielerTasteDrucken(k); }
    // Runs the clock to time t (ms from its start).
    void Bis(std::uint64_t t) { uhr.LaufeBis(t); }
    std::vector<std::string> Brett() const { return z.Brett(); }
    char Zelle(int zeile0, int spalte0) const { return z.Brett()[zeile0][spalte0]; }
    std::uint16_t Punkte(int p) const { return z.E().Spieler(p).Punkte; }
};
