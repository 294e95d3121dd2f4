// The shared state a match works on, and the neighbour step that every rule uses.
#pragma once

#include "model/USpielerOrte.h"
#include "model/UBombenPointer.h"
#include "model/UPointer.h"
#include "model/USpielRecEinstellungen.h"
#include "model/UZufall.h"

struct TSpielDaten {
    TSpielfeld& Feld;
    TEinstellungen& Einstellungen;
    TBombenListen& Bomben;
    TZufall& Zufall;
    TSpielerOrte* Orte = nullptr;  // optional: remembers the players' cells
    // Counted for the sounds: blocks blasted and extras uncovered so far.
    std::uint32_t Zerstoert = 0, Freigelegt = 0;
};

// FindeSpieler, through the remembered cells when there are any.
inline TGefunden SpielerFinden(TSpielDaten& d, int spieler) {
    return d.Orte ? d.Orte->Finden(d.Feld, spieler) : d.Feld.FindeSpieler(spieler);
}

// The neighbour in direction r, or none at the border (the board wraps rows otherwise).
inline TKnoten NachbarMitRand(TSpielfeld& feld, TKnoten zelle, TRichtung r) {
    if (!zelle || !HatNachbar(feld.FeldDaten(), feld.IndexVonKnoten(zelle), r)) return nullptr;
    return feld.Nachbar(zelle, r);
}

// Both extras arrays of one event, player 1 and player 2.
struct TAufgesammeltBeide {
    TAufgesammelt Spieler1;
    TAufgesammelt Spieler2;
    TAufgesammelt& Von(int spieler) { return spieler == 1 ? Spieler1 : Spieler2; }
};
