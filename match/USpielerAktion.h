// One step of a player, and laying a bomb under the player's figure.
#pragma once

#include "model/USpielDaten.h"

struct TSchritt {
    bool Bewegt = false;  // for Betreten: the neighbour was entered
    TGetroffen Getroffen = 0;
    TAufgesammelt Aufgesammelt;
};

// The kind a player leaves behind when stepping away from a cell of kind art.
TZellenArt Zurueckgelassen(TZellenArt art);

// An explosion cell becomes the cell of an invulnerable player standing in it.
void SpielerInExplosion(TKnoten zelle, int spieler);

// The effect of the player on 'zelle' entering its neighbour in direction r.
TSchritt Betreten(TSpielDaten& d, TKnoten zelle, int spieler, TRichtung r);

// One step of the player in direction r.
TSchritt Bewegen(TSpielDaten& d, int spieler, TRichtung r);

// art is 4 or 8; false when the player stands nowhere as a plain cell of its own.
bool BombeLegen(TSpielDaten& d, TZellenArt art);
