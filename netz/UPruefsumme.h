// A hash of the whole state of a match, which two machines playing it in lockstep compare:
// equal hashes at equal times, or the two games have run apart.
#pragma once

#include <cstdint>

#include "match/USimUhr.h"
#include "match/USpiel.h"

std::uint64_t Zustandshash(TSpiel& spiel, const TSimUhr& uhr);
