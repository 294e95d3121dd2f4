// Where the inputs of the match in the window go: the players at this machine, a recording
// being watched, or a network match. The window passes on what it gets; each source decides
// what it means.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>

#include "model/USpielRecEinstellungen.h"

class TFrm_Spiel;
class TNetzSitzung;

class IEingabeQuelle {
  public:
    virtual ~IEingabeQuelle() = default;
    // A key reached the board.
    virtual void Taste(std::uint16_t taste) = 0;
    // A pad's action (slot 0..5) for the player the pad is bound to.
    virtual void PadAktion(int spieler, int slot) = 0;
    virtual void NaechsteRunde() = 0;
    virtual void Neustart() = 0;
};

// Both players at this machine: every input goes into the match and its recording.
std::unique_ptr<IEingabeQuelle> SpielerEingaben(TFrm_Spiel& f);
// A recording plays: nothing reaches the players, "Nächste Runde" jumps ahead.
std::unique_ptr<IEingabeQuelle> AbspielEingaben(TFrm_Spiel& f);
// A network match: both local key sets and every pad steer the own player, as its actions
// (never as key codes); "Nächste Runde" says this side is ready. tasten: the local key sets.
std::unique_ptr<IEingabeQuelle> NetzEingaben(TNetzSitzung& s,
                                             std::function<TSpielRecEinstellungen()> tasten);

// The action slot (0..5) of a key in either player's key set, player 1's first; -1 for none.
int SlotVonTaste(const TSpielRecEinstellungen& e, std::uint16_t taste);
