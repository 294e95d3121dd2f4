// What the computer would press for one player: a key number 0 (nothing), 1 up, 2 down, 3 left,
// 4 right or 5 bomb. It keeps no memory; every decision starts from the board as it is.
#pragma once

#include "model/USpielDaten.h"

struct TEntscheidung {
    bool Gilt = false;  // the rule applies
    int Taste = 0;      // key number
};

TEntscheidung Gefahr(TSpielDaten& d, int spieler);
TEntscheidung WasserFlucht(TSpielDaten& d, int spieler);
bool GegnerInLinie(TSpielDaten& d, int spieler);
// Key numbers; 0 when the rule finds nothing.
int Annaehern(TSpielDaten& d, int spieler);
int Umherlaufen(TSpielDaten& d, int spieler);

int Entscheide(TSpielDaten& d, int spieler);

// The direction of key number 1 to 4.
TRichtung RichtungVonTaste(int taste);
