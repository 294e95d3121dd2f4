// How a match window the player has resized, maximised or put into full screen is filled: the
// board grows or shrinks in whole pixels per cell, the status panel grows where there is room.
#pragma once

#include <QSize>

#include "model/UTyp.h"

// Smaller cells would be unplayable; such boards keep their own cells and scroll instead.
inline constexpr int kKleinsteZelle = 8;

struct TFeldMassstab {
    QSize Zelle;  // the cell in pixels, of the level's aspect as near as whole pixels allow
    bool Rollen;  // the level's own cells, scrolled: scaled cells would be below the minimum
};

// The largest cells whose grid fits `flaeche`.
TFeldMassstab FeldMassstab(QSize flaeche, const TFeldDaten& g);

// The status panel's factor in a window of this size: 1 at its design size, growing with the
// window's height while it takes at most a third of the width, at most 4.
double PanelFaktor(QSize fenster);
