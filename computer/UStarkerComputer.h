// The strong computer: it plans with the times at which every cell will burn or flood. It never
// takes a step or lays a bomb after which it could not reach a cell that stays quiet, hunts the
// opponent over the whole board (bombing through blocks), picks up extras on the way, lays the
// bomb that leaves the opponent no way out, narrows the opponent's ground while it holds more
// bombs, and throws a bomb away when nothing else saves it.
// Ties fall by the match's random source; besides its buffers it keeps between beats only the
// blocks it found it cannot open safely.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "computer/UGefahrenKarte.h"
#include "model/UAktion.h"

struct TStarkLage {
    TTakte Takte;
    std::uint32_t Schritt = 450;        // ms from one of its actions to its next
    std::uint32_t GegnerSchritt = 450;  // the same for the opponent, as fast as it may be
    std::uint32_t Schutz = 0;           // ms of invulnerability left
};

// What a search from one cell found for each first action (0 wait or bomb, 1..4 a step in
// direction 0..3): the earliest beat at which it stands in a quiet cell (-1: none), and how many
// quiet cells it can reach (the search stops at five).
struct TAuswege {
    std::array<int, 5> Frueh{-1, -1, -1, -1, -1};
    std::array<int, 5> Weit{-1, -1, -1, -1, -1};
    int Ruhige = 0;
    bool Irgendein() const {
        for (int f : Frueh)
            if (f >= 0) return true;
        return false;
    }
};

class TStarkerComputer {
  public:
    TAktion Entscheide(TSpielDaten& d, int spieler, const TStarkLage& lage);

    // The ways out of 'start' for a player acting every 'schritt' ms; 'gesperrt' is a cell it
    // cannot enter (the other player), -1 none.
    TAuswege Suchen(const TGefahrenKarte& karte, int start, std::int64_t schritt,
                    std::int64_t schutzBis, int gesperrt);
    TGefahrenKarte& Karte() { return karte_; }

  private:
    // Steps toward the nearest goal cell, a block costing a bomb's wait.
    void Entfernungen(const std::vector<int>& ziele);
    bool Nahe(int a, int b) const;
    int Schritte(int a, int b) const;
    // The action toward the nearest cell from which a bomb reaches 'block' and 'sicher' holds:
    // 5 when that is the start, a step 1..4, or 0.
    int Sprengplatz(int start, int block, int gesperrt, const std::function<bool(int)>& sicher);
    // The ways out of 'start' that keep off every cell the opponent at 'gegner', acting every
    // 'gegnerSchritt' ms, may reach before it does.
    TAuswege VorDemGegner(int start, std::int64_t schritt, std::int64_t schutzBis, int gegner,
                          std::int64_t gegnerSchritt);

    // Whether the opponent at 'gegner' can walk up to 'tiefe' steps and lay a bomb there that
    // leaves no way out of 'start'.
    bool GegnerSperrt(int start, std::int64_t schritt, std::int64_t schutzBis, int gegner,
                      std::int64_t gegnerSchritt, int tiefe);

    TGefahrenKarte karte_;
    std::vector<std::pair<int, int>> gegnerWeg_;
    std::vector<std::uint8_t> maske_[2];
    std::vector<int> liste_[2];
    std::vector<std::uint32_t> ruhigMarke_;
    std::uint32_t marke_ = 0;
    std::vector<int> abstand_, erster_;
    // While not empty, when the opponent may stand in each cell at the earliest: Suchen keeps
    // out of it from then on.
    std::vector<std::int64_t> gegnerDa_;
    // Buckets of Entfernungen, more than the dearest step.
    std::array<std::vector<int>, 16> eimer_;
    // Blocks taken for walls, and the blocks of the board then (their cells summed).
    std::vector<std::uint8_t> sperre_;
    std::uint64_t bloecke_ = 0;
    // Water closer in time than this is kept away from.
    std::int64_t flutSicht_ = 0;
};
