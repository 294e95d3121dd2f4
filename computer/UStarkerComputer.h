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
#include <optional>
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

  private:
    // What every step of a decision reads, worked out once per beat.
    struct TBlick;
    // What a bomb at one cell would mean.
    struct TBombenWert;

    // Fills the beat's view; false when there is nobody or no board to decide on.
    bool Blicken(TBlick& b);
    // The steps of a decision, in the order Entscheide tries them; each gives the action when
    // it applies.
    std::optional<TAktion> Endkampf(TBlick& b);
    std::optional<TAktion> Notfall(TBlick& b);
    std::optional<TAktion> Falle(TBlick& b);
    std::optional<TAktion> Fliehen(TBlick& b);
    std::optional<TAktion> Angreifen(TBlick& b);
    std::optional<TAktion> Einengen(TBlick& b);
    std::optional<TAktion> Sprengen(TBlick& b);
    std::optional<TAktion> Wegwerfen(TBlick& b);
    std::optional<TAktion> Naehern(TBlick& b);
    std::optional<TAktion> WasserMeiden(TBlick& b);
    std::optional<TAktion> Wandern(TBlick& b);

    // The ways out of 'start' that survive a bomb the opponent may lay now, where it stands or
    // one step on.
    TAuswege TrotzGegner(const TBlick& b, int start, const TAuswege& ohne);
    // The same for the first action "wait" alone, stopping at the first bomb that cuts it off.
    bool WartetTrotzGegner(const TBlick& b, int start, const TAuswege& ohne);
    // 'gegnerRuhige': also count the quiet cells the opponent keeps (only a trap needs them).
    TBombenWert Bewerten(const TBlick& b, int z, bool gegnerRuhige = true);
    // A bomb laid at z now, itself in z, ends the opponent's life before its own, or costs it
    // nothing while the opponent has to run.
    bool Entscheidet(const TBlick& b, int z);
    // Suchen with no cell quiet: how long each first action keeps a player alive at all.
    TAuswege Leben(int start, std::int64_t schritt, std::int64_t schutzBis, int gesperrt);
    // How long a player at 'start' stays alive at all, quiet cells or not, in ms.
    std::int64_t Lebensdauer(int start, std::int64_t schritt, std::int64_t schutzBis, int gesperrt);
    // The extras close by, else the opponent: the goals of the way on, their distances in
    // abstand_.
    void ZieleSuchen(TBlick& b);
    // The storm flood comes soon enough that the way inward is due: its goals are the innermost
    // rings, and true.
    bool Einwaerts(TBlick& b);
    // The first actions that keep it alive longest at all, of them those nearest the opponent.
    std::vector<int> Laengste(const TBlick& b);
    // The flood's last ring is near: careful play on both sides ends in a draw from here.
    bool Endspiel() const;
    // The cell the best way to the goals leads through from z, -1 none.
    int WeiterVon(int z) const;
    // A step among 'wege' that comes closer to the goals, the closest winning.
    std::optional<TAktion> NaeherAuf(TBlick& b, const TAuswege& wege);

    // Steps toward the nearest goal cell of b, a block costing a bomb's wait.
    void Entfernungen(const TBlick& b);
    bool Nahe(int a, int b) const;
    int Schritte(int a, int b) const;
    // The first action (as in TAuswege) toward the nearest cell from which a bomb reaches
    // 'block' and 'sicher' holds: 0 when that is the start; none when there is no such cell.
    std::optional<int> Sprengplatz(int start, int block, int gesperrt,
                                   const std::function<bool(int)>& sicher);
    // The ways out of 'start' that keep off every cell the opponent at 'gegner', acting every
    // 'gegnerSchritt' ms, may reach before it does.
    TAuswege VorDemGegner(int start, std::int64_t schritt, std::int64_t schutzBis, int gegner,
                          std::int64_t gegnerSchritt);

    // Whether the opponent at 'gegner' can walk up to 'tiefe' steps and lay a bomb there that
    // leaves no way out of 'start'.
    bool GegnerSperrt(int start, std::int64_t schritt, std::int64_t schutzBis, int gegner,
                      std::int64_t gegnerSchritt, int tiefe);

    // Suchen without quiet cells, from the layer at which nothing burns any more: how long each
    // first action can stay alive, from the cells of liste_[jetzt] alive at 'schicht'.
    void Nachlauf(const TGefahrenKarte& k, TAuswege& a, int schicht, int schichten, std::int64_t p,
                  int gesperrt, int jetzt);

    TGefahrenKarte karte_;
    std::vector<std::pair<int, int>> gegnerWeg_;
    std::vector<std::uint8_t> maske_[2];
    std::vector<int> liste_[2];
    std::array<std::vector<std::pair<int, std::uint8_t>>, 2> nachlauf_;
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
    // Suchen counts no cell as quiet: how long a player stays alive at all.
    bool ohneRuhe_ = false;
};
