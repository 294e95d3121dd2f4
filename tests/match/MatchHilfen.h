// Shared state and helpers for the match tests.
#pragma once

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "hilfen/Brett.h"
#include "model/USpielDaten.h"

using Zeilen = std::vector<std::string>;

// A board written in one string, rows separated by '|'.
inline Zeilen Z(const std::string& s) {
    Zeilen z;
    std::stringstream rest(s);
    for (std::string zeile; std::getline(rest, zeile, '|');) z.push_back(zeile);
    return z;
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
    void Brett(const Zeilen& zeilen) {
        BrettSetzen(feld, zeilen);
        bomben.ListenFreigeben();
    }
    Zeilen Brett() const { return BrettLesen(feld); }
    TSpielRecEinstellungen E() const { return einst.EinstellungenHolen(); }
    void Aendern(const std::function<void(TSpielRecEinstellungen&)>& f) {
        TSpielRecEinstellungen e = einst.EinstellungenHolen();
        f(e);
        einst.EinstellungenSetzen(e);
    }
};
