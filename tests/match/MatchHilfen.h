// Shared state and helpers for the match tests.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "hilfen/Brett.h"
#include "match/USpielDaten.h"

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
