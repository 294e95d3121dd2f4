// Boards written as text for the match tests, one character per cell kind:
//   . free  + destructible  # indestructible  ~ water
//   1 player 1  P on a bomb  e in an explosion  E in an explosion over a hidden extra
//   2 player 2  Q on a bomb  f in an explosion  F in an explosion over a hidden extra
//   t killed  o bomb  x explosion  X explosion hiding an extra
//   w Werfen  m Mehr Bomben  u Unverwundbar  k Krankheit
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "match/USpielDaten.h"

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

// The model's shared state, owned here, for the rule tests.
struct TSpielZustand {
    explicit TSpielZustand(std::uint64_t saat = 7) : zufall(saat) {}
    TSpielfeld feld;
    TEinstellungen einst;
    TBombenListen bomben;
    TZufall zufall;
    TSpielDaten d{feld, einst, bomben, zufall};

    // A new board starts without bombs and explosions.
    void Brett(const std::vector<std::string>& zeilen) {
        BrettSetzen(feld, zeilen);
        bomben.ListenFreigeben();
    }
    std::vector<std::string> Brett() const { return BrettLesen(feld); }
    TSpielRecEinstellungen E() const { return einst.EinstellungenHolen(); }
    void Aendern(const std::function<void(TSpielRecEinstellungen&)>& f) {
        TSpielRecEinstellungen e = einst.EinstellungenHolen();
        f(e);
        einst.EinstellungenSetzen(e);
    }
    TIndex Index(int zeile0, int spalte0) const {
        return feld.IndexVon(static_cast<std::uint32_t>(spalte0),
                             static_cast<std::uint32_t>(zeile0));
    }
};
