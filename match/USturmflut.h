// One ring of the storm flood: every cell of it that is not stone becomes level water, whatever
// it held; a player on it drowns, invulnerable or not.
#pragma once

#include "model/USpielDaten.h"
#include "model/USturmRinge.h"

struct TRingFlut {
    TGetroffen Getroffen = 0;
    bool BombenWeg = false;  // a ticking bomb drowned and left the list
};

TRingFlut RingFluten(TSpielDaten& d, int ring);
