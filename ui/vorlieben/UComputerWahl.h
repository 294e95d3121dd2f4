// Which computer steers each player: "klassisch" (the default) or "stark". A preference of this
// user kept across restarts, as the sound is; the settings file, whose layout is fixed, never
// holds it. A match takes it from the settings owner, and its recording keeps it.
#pragma once

#include <array>

#include "model/USpielRecEinstellungen.h"

std::array<TComputerArt, 2> ComputerWahlLesen();
void ComputerWahlSpeichern(const std::array<TComputerArt, 2>& wahl);
