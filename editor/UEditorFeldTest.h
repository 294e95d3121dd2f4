// The level check done before saving and by "Feld testen".
#pragma once

#include <cstdint>
#include <string>

#include "model/UMeldungen.h"
#include "model/UPointer.h"

// 0 valid, 1 start cells missing, 2 water not enclosed, 3/4 player 1/2 has no room, 5 no path.
using TFeldFehler = std::uint8_t;

TFeldFehler PruefeFeld(TSpielfeld& feld);
// The warning for codes 1 to 5; empty for 0.
std::string FeldFehlerText(TFeldFehler code);
inline const std::string kFeldOK = "Das Spielfeld ist OK!";
inline const std::string kNameFehlt =
    "Dem Spielfeld fehlt ein Name. Bitte geben Sie einen Spielfeldnamen ein!";
// Shows at most one warning; true when the level may be saved. The caller focuses the name box
// when the name is missing.
bool FeldGueltig(const std::string& name, TSpielfeld& feld, IMeldungen& m);
