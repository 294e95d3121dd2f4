// What the match tells its window. The window draws the board from the board itself; these calls
// only say what changed.
#pragma once

#include <cstdint>
#include <string>

#include "match/UKlang.h"
#include "model/USpielRecEinstellungen.h"
#include "model/UTyp.h"

class ISpielAnsicht {
  public:
    virtual ~ISpielAnsicht() = default;
    // Grid colour, cell size, columns and rows, and the window laid out around them.
    virtual void FensterEinrichten(const TFeldDaten& geometrie) = 0;
    // The status panel at a round start: number of rounds, level name, names, points, and the
    // player and extras pictures named in the settings.
    virtual void StatusAnzeigen(const std::string& levelname, const TSpielRecEinstellungen& e) = 0;
    virtual void RundeAnzeigen(std::uint8_t runde) = 0;
    virtual void PunkteAnzeigen(std::uint16_t punkte1, std::uint16_t punkte2) = 0;
    virtual void ExtraAnzeigen(int spieler, TExtra extra, bool sichtbar) = 0;
    virtual void RestsekundenAnzeigen(int spieler, std::uint16_t sekunden) = 0;
    virtual void NaechsteRundeAktivieren(bool an) = 0;
    virtual void FeldAktivieren(bool an) = 0;
    virtual void FeldNeuZeichnen() = 0;
    // Centre the window and give the keyboard to the board.
    virtual void FensterZentrieren() = 0;
    // Something to hear happened now.
    virtual void Klang(TKlang) {}
    // The storm flood: seconds until it comes (counting down), 0 once it runs, -1 nothing.
    virtual void SturmflutAnzeigen(int) {}
};

// For a match nobody watches.
class TKeineAnsicht : public ISpielAnsicht {
  public:
    void FensterEinrichten(const TFeldDaten&) override {}
    void StatusAnzeigen(const std::string&, const TSpielRecEinstellungen&) override {}
    void RundeAnzeigen(std::uint8_t) override {}
    void PunkteAnzeigen(std::uint16_t, std::uint16_t) override {}
    void ExtraAnzeigen(int, TExtra, bool) override {}
    void RestsekundenAnzeigen(int, std::uint16_t) override {}
    void NaechsteRundeAktivieren(bool) override {}
    void FeldAktivieren(bool) override {}
    void FeldNeuZeichnen() override {}
    void FensterZentrieren() override {}
};
