// The level water: one spreading step floods every free neighbour of the water that stood before
// the step and drowns players on plain cells next to it.
#pragma once

#include <vector>

#include "model/UPointer.h"

// Keeps the water cells that can still change a neighbour, in board order, so that a step costs
// the length of the water's edge instead of the whole board. Walls and water never change during
// a round, so a water cell enclosed by them drops out for good.
class TWasserausbreitung {
  public:
    // Forget what is known about the board; the next call looks at the whole board again.
    void Zuruecksetzen() { bekannt_ = false; }

    TGetroffen WasserAusbreiten(TSpielfeld& feld, bool& geaendert);
    bool WasserKannFliessen(TSpielfeld& feld);

  private:
    void Aufbauen(TSpielfeld& feld);
    bool Eingeschlossen(TSpielfeld& feld, TIndex i);

    bool bekannt_ = false;
    std::vector<TIndex> rand_;      // water cells with a neighbour that is no wall, ascending
    std::vector<TIndex> markiert_;  // water cells carrying the mark of the last step
    std::vector<TIndex> neu_;       // scratch: cells flooded in this step
    std::vector<TIndex> zusammen_;  // scratch for merging
    bool mitNachbar_ = false;       // some water cell has a neighbour at all
};
