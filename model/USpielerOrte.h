// Where the players stand, without searching the whole board for every question. During a round
// each player keeps at most one cell: only a step moves it, and the step reports the new place.
// A board that holds two cells of one player is searched as before.
#pragma once

#include <array>

#include "model/UPointer.h"

class TSpielerOrte {
  public:
    // The board was built or changed from outside.
    void Vergessen() { stand_ = {TStand::Unbekannt, TStand::Unbekannt}; }
    // The same answer as TSpielfeld::FindeSpieler.
    TGefunden Finden(TSpielfeld& feld, int spieler);
    // A step has taken the player to this index.
    void Gezogen(int spieler, TIndex index);
    // FindeArt for a player kind, when the player's cell is known.
    bool Eindeutig(int spieler) const { return stand_[Nr(spieler)] == TStand::Eindeutig; }

  private:
    enum class TStand { Unbekannt, Eindeutig, Fehlt, Mehrdeutig };
    static std::size_t Nr(int spieler) { return spieler == 1 ? 0 : 1; }

    std::array<TStand, 2> stand_{TStand::Unbekannt, TStand::Unbekannt};
    std::array<TIndex, 2> index_{};
};
