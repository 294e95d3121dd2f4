// The computer's short-sighted looks at the cells around one cell. Searches that try several
// directions start at a random one, so equal choices fall at random.
#pragma once

#include <optional>

#include "model/UAktion.h"
#include "model/USpielDaten.h"

using TRichtungOpt = std::optional<TRichtung>;

// A bomb within two cells in line, not behind a wall or water; the cell itself is not looked at.
bool Bedroht(TSpielfeld& feld, TKnoten zelle);
// A walkable neighbour that is not threatened.
TRichtungOpt Flucht(TSpielfeld& feld, TZufall& zufall, TKnoten zelle);
// A walkable neighbour from which Flucht finds a way on.
TRichtungOpt Zweischritt(TSpielfeld& feld, TZufall& zufall, TKnoten zelle);
// Safety is reachable by running straight in direction r.
bool Geradeaus(TSpielfeld& feld, TKnoten zelle, TRichtung r);
TRichtungOpt GeradeausFlucht(TSpielfeld& feld, TZufall& zufall, TKnoten zelle);
// A walkable neighbour; when there is none, the round's start direction.
TRichtung Zufallsschritt(TSpielfeld& feld, TZufall& zufall, TKnoten zelle);
// The neighbour in r is threatened or lies next to level water.
bool Unsicher(TSpielfeld& feld, TKnoten zelle, TRichtung r);
// No destructible block or extra next to the cell touches level water.
bool KeinWasserHinterBloecken(TSpielfeld& feld, TKnoten zelle);
// To get on toward r: a step, a bomb, or nothing.
TAktion SchrittZumZiel(TSpielfeld& feld, TKnoten zelle, TRichtung r);
