// What a player does at one beat, as a computer decides it and the match carries it out. The
// numbers are the places of a player's keys in its settings (TSpielerEinstellungen::Taste), so
// they stay as they are.
#pragma once

#include <cstdint>

#include "model/UTyp.h"

enum class TAktion : std::uint8_t {
    Keine = 0,
    Oben = 1,
    Unten = 2,
    Links = 3,
    Rechts = 4,
    Bombe = 5,
    Werfen = 6,
};

// The step toward r.
TAktion SchrittNach(TRichtung r);
bool IstSchritt(TAktion a);
// The direction of a step (Oben to Rechts).
TRichtung RichtungVon(TAktion a);
