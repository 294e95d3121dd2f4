// Drives a match on the simulated clock: each input at its time, and the lines that tell how the
// match went (the same for the game, the simulator and a replay).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "match/USimUhr.h"
#include "match/USpiel.h"
#include "wiederholung/UAufnahme.h"

class TMatchLauf {
  public:
    TMatchLauf(TSpiel& spiel, TSimUhr& uhr) : spiel_(spiel), uhr_(uhr) {}

    // A new recording from now on: input times count from here.
    void Beginnen();
    // Runs the clock to t (never back) and notes what ended.
    void Bis(std::uint64_t t);
    // Applies an input now and records it.
    void Anwenden(TEingabeArt art, std::uint16_t wert = 0);
    // Runs the clock to the input's time (counted from Beginnen), then applies it.
    void Eingabe(const TEingabe& e);
    std::uint64_t Zeit() const { return uhr_.Jetzt() - basis_; }
    std::uint64_t Basis() const { return basis_; }

    // A replay of a hand-made file must not run for ever: past this many ticks the clock stops.
    std::uint64_t MaxTicks = UINT64_MAX;
    bool Ueberlang() const { return ueberlang_; }

    std::vector<TEingabe> Eingaben;
    // "Runde N (LEVEL): MELDUNG" per round, then the match message and "Punkte: a : b".
    std::vector<std::string> Protokoll;

  private:
    void Notieren();

    TSpiel& spiel_;
    TSimUhr& uhr_;
    std::uint64_t basis_ = 0;
    bool rundeNotiert_ = false;
    bool matchNotiert_ = false;
    bool ueberlang_ = false;
};

// The line for a round of this match that ended with 'text'.
std::string RundenZeile(TSpiel& spiel, const std::string& text);
