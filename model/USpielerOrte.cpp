#include "model/USpielerOrte.h"

namespace {

bool GehoertZu(const TZelle& z, int spieler) {
    return spieler == 1 ? IstSpieler1Art(z.Art) : IstSpieler2Art(z.Art);
}

}  // namespace

TGefunden TSpielerOrte::Finden(TSpielfeld& feld, int spieler) {
    const std::size_t i = Nr(spieler);
    const TGefunden keiner{nullptr, feld.AnzahlKnoten() + 1};
    switch (stand_[i]) {
        case TStand::Mehrdeutig:
            return feld.FindeSpieler(spieler);
        case TStand::Fehlt:
            return keiner;
        case TStand::Eindeutig:
            if (index_[i] >= 1 && index_[i] <= feld.AnzahlKnoten()) {
                TKnoten z = feld.KnotenBei(index_[i]);
                if (GehoertZu(*z, spieler)) return {z, index_[i]};
            }
            break;  // killed: look again
        case TStand::Unbekannt:
            break;
    }
    TGefunden erster = keiner;
    int anzahl = 0;
    const auto& zellen = feld.Zellen();
    for (TIndex k = 1; k <= zellen.size() && anzahl < 2; ++k)
        if (GehoertZu(zellen[k - 1], spieler) && anzahl++ == 0) erster = {feld.KnotenBei(k), k};
    stand_[i] = anzahl == 0 ? TStand::Fehlt : anzahl == 1 ? TStand::Eindeutig : TStand::Mehrdeutig;
    index_[i] = erster.Index;
    return erster;
}

void TSpielerOrte::Gezogen(int spieler, TIndex index) {
    if (stand_[Nr(spieler)] == TStand::Eindeutig) index_[Nr(spieler)] = index;
}
