// What the network tests share: one side's board, pictures and messages, and the settings of a
// match on sample levels.
#pragma once

#include <string>
#include <vector>

#include "hilfen/TestHilfen.h"
#include "netz/UNetzSitzung.h"

// Pictures need not load for a network match.
struct TMaschine {
    TMeldungsProtokoll Meldungen;
    TDateiFehler Fehler{Meldungen};
    TBilderSets Bilder{Fehler};
    TSpielfeld Feld;
    TKeineAnsicht Ansicht;
    TNetzUmgebung Umgebung() { return {Feld, Bilder, Meldungen, Ansicht}; }
};

// The inputs without the end each side writes at its own moment.
inline std::vector<TEingabe> OhneEnde(std::vector<TEingabe> e) {
    std::erase_if(e, [](const TEingabe& x) { return x.Art == TEingabeArt::Ende; });
    return e;
}

// The defaults with 'runden' rounds, on these levels of the sample folder.
inline TEinstellungen MatchAuf(const std::vector<std::string>& level, int runden = 3) {
    TEinstellungen e;
    TSpielRecEinstellungen r = e.EinstellungenHolen();
    r.Rundenanzahl = std::uint8_t(runden);
    e.EinstellungenSetzen(r);
    e.Arbeitskopie = r;
    for (const std::string& l : level) e.LevelAnhaengen(KNALLFELD_SPIELFELDER + l);
    e.LevelAnzahl = std::uint16_t(level.size());
    return e;
}
