// The storm flood's rings: once a round's match time reaches the chosen minutes, water closes in
// from the edge of the board, one ring a beat; a ring is the cells at the same distance from the
// nearest edge.
#pragma once

#include <algorithm>
#include <cstdint>

#include "model/UTyp.h"

inline constexpr std::uint32_t kSturmflutTakt = 1000;  // ms from one ring to the next
inline constexpr int kSturmflutVorwarnung = 30;        // seconds the status panel counts down
inline constexpr std::uint8_t kSturmflutMaxMinuten = 10;

inline int SturmRing(const TFeldDaten& g, int spalte0, int zeile0) {
    return std::min({spalte0, zeile0, g.SpielBreite - 1 - spalte0, g.SpielHoehe - 1 - zeile0});
}

inline int SturmRinge(const TFeldDaten& g) {
    return (std::min(g.SpielBreite, g.SpielHoehe) + 1) / 2;
}

// Every cell of ring r once, as (column, row) from 0.
template <typename F>
void RingZellen(const TFeldDaten& g, int r, F&& zelle) {
    const int links = r, rechts = g.SpielBreite - 1 - r, oben = r, unten = g.SpielHoehe - 1 - r;
    if (r < 0 || links > rechts || oben > unten) return;
    for (int s = links; s <= rechts; ++s) {
        zelle(s, oben);
        if (unten != oben) zelle(s, unten);
    }
    for (int z = oben + 1; z < unten; ++z) {
        zelle(links, z);
        if (rechts != links) zelle(rechts, z);
    }
}
