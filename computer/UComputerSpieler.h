// What the computer would do for one player: nothing, a step or a bomb (it never throws). It
// keeps no memory; every decision starts from the board as it is.
#pragma once

#include "model/UAktion.h"
#include "model/USpielDaten.h"

struct TEntscheidung {
    bool Gilt = false;  // the rule applies
    TAktion Aktion = TAktion::Keine;
};

TEntscheidung Gefahr(TSpielDaten& d, int spieler);
TEntscheidung WasserFlucht(TSpielDaten& d, int spieler);
bool GegnerInLinie(TSpielDaten& d, int spieler);
// Keine when the rule finds nothing.
TAktion Annaehern(TSpielDaten& d, int spieler);
TAktion Umherlaufen(TSpielDaten& d, int spieler);

TAktion Entscheide(TSpielDaten& d, int spieler);
