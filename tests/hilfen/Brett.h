// Builds a board from rows of characters: . free, + destructible, # indestructible, ~ water,
// 1 and 2 the start cells.
#pragma once

#include <string>
#include <vector>

#include "model/UPointer.h"
#include "model/UZellenTests.h"

inline void BrettAus(TSpielfeld& feld, const std::vector<std::string>& zeilen) {
    TFeldDaten d = feld.HoleFeldDaten();
    d.SpielHoehe = static_cast<std::uint16_t>(zeilen.size());
    d.SpielBreite = static_cast<std::uint16_t>(zeilen.empty() ? 0 : zeilen[0].size());
    feld.SetzeFeldDaten(d);
    feld.LoescheFeld();
    feld.ErzeugeFeld(feld.Zellenzahl());
    TIndex i = 1;
    for (const auto& zeile : zeilen)
        for (char c : zeile) {
            TZellenArt art = zaFrei;
            switch (c) {
                case '+':
                    art = zaZerstoerbar;
                    break;
                case '#':
                    art = zaUnzerstoerbar;
                    break;
                case '~':
                    art = zaWasser;
                    break;
                case '1':
                    art = zaSpieler1;
                    break;
                case '2':
                    art = zaSpieler2;
                    break;
                default:
                    break;
            }
            feld.SetzeZelleBei(i++, art, 0);
        }
}
