// Boards written as text for the tests, one character per cell kind:
//   . free  + destructible  # indestructible  ~ water
//   1 player 1  P on a bomb  e in an explosion  E in an explosion over a hidden extra
//   2 player 2  Q on a bomb  f in an explosion  F in an explosion over a hidden extra
//   t killed  o bomb  x explosion  X explosion hiding an extra
//   w Werfen  m Mehr Bomben  u Unverwundbar  k Krankheit
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "model/UPointer.h"

inline constexpr char kZeichen[] = ".+#~1PeE2QfFtoxXwmuk";

inline TZellenArt ArtVonZeichen(char c) {
    for (int i = 0; kZeichen[i]; ++i)
        if (kZeichen[i] == c) return static_cast<TZellenArt>(i);
    return zaFrei;
}

inline void BrettSetzen(TSpielfeld& feld, const std::vector<std::string>& zeilen) {
    TFeldDaten d = feld.HoleFeldDaten();
    d.SpielHoehe = static_cast<std::uint16_t>(zeilen.size());
    d.SpielBreite = static_cast<std::uint16_t>(zeilen.empty() ? 0 : zeilen[0].size());
    feld.SetzeFeldDaten(d);
    feld.LoescheFeld();
    feld.ErzeugeFeld(feld.Zellenzahl());
    TIndex i = 1;
    for (const auto& zeile : zeilen)
        for (char c : zeile) feld.SetzeZelleBei(i++, ArtVonZeichen(c), 0);
}

inline std::vector<std::string> BrettLesen(const TSpielfeld& feld) {
    std::vector<std::string> zeilen;
    const auto b = feld.FeldDaten().SpielBreite;
    const auto& z = feld.Zellen();
    for (std::size_t i = 0; i < z.size(); ++i) {
        if (i % b == 0) zeilen.emplace_back();
        zeilen.back() += z[i].Art < 20 ? kZeichen[z[i].Art] : '?';
    }
    return zeilen;
}
