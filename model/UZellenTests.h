// Tests on cell kinds and the border test; every part that looks at the board uses them.
#pragma once

#include <cstdint>

#include "model/UTyp.h"

using TIndex = std::uint32_t;  // 1-based; wide enough for "number of cells + 1"

bool IstFrei(const TZelle* z);
bool IstExtra(const TZelle* z);
bool IstBegehbar(const TZelle* z);
bool HatBombe(const TZelle* z);
bool HatExplosion(const TZelle* z);
bool IstExplosion(const TZelle* z);
bool IstWasser(const TZelle* z);
bool IstMauer(const TZelle* z);
bool IstSpieler1(const TZelle* z);
bool IstSpieler2(const TZelle* z);
bool IstGegner(const TZelle* z, int spieler);

bool IstExtraArt(TZellenArt art);
bool IstSpieler1Art(TZellenArt art);
bool IstSpieler2Art(TZellenArt art);

bool HatNachbar(const TFeldDaten& g, TIndex i, TRichtung r);
