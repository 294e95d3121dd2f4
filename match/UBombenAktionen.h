// Throwing bombs, detonating them and letting explosions recede.
#pragma once

#include "model/USpielDaten.h"

// A plain bomb (kind 13) next to the player of kind art; with several, the last in the order
// up, left, right, down.
bool NachbarBombe(TSpielDaten& d, TZellenArt art, TRichtung& richtung);

// Throws a bomb lying next to the player to a random free cell; it keeps owner and count.
// True when there was one to throw.
bool BombeWerfen(TSpielDaten& d, TZellenArt art);

// A plain player or a player on a bomb is hit unless invulnerable; adds 1 or 2 to g.
bool Treffer(TZellenArt art, const TSpielRecEinstellungen& e, TGetroffen& g);

// Explodes the bomb at that index: its cell and two cells in each direction.
TGetroffen Detonieren(TSpielDaten& d, TIndex index);
void ExplosionsArm(TSpielDaten& d, const TSpielRecEinstellungen& e, TKnoten zelle, TIndex index,
                   TRichtung r, TGetroffen& g);

// The first explosion of the list recedes; a player standing on a hidden extra receives it.
void Zurueckweichen(TSpielDaten& d, TAufgesammeltBeide& a);
void ZelleZurueck(TSpielDaten& d, TKnoten zelle, TAufgesammeltBeide& a);
void ExtraFreilegen(TSpielDaten& d, TKnoten zelle, TAufgesammeltBeide& a);
