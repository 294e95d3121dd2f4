#include "computer/UComputerSpieler.h"

#include "computer/UComputerAktionen.h"

namespace {

TAktion Aktion(const TRichtungOpt& r) {
    return r ? SchrittNach(*r) : TAktion::Keine;
}

}  // namespace

TEntscheidung Gefahr(TSpielDaten& d, int spieler) {
    const TKnoten c = SpielerFinden(d, spieler).Knoten;
    if (!c) return {};
    if (c->Art == zaSpieler1Bombe || c->Art == zaSpieler2Bombe)
        return {true, Aktion(Zweischritt(d.Feld, d.Zufall, c))};
    if (!Bedroht(d.Feld, c)) return {};
    if (const TRichtungOpt r = Flucht(d.Feld, d.Zufall, c)) return {true, SchrittNach(*r)};
    return {true, Aktion(Zweischritt(d.Feld, d.Zufall, c))};
}

TEntscheidung WasserFlucht(TSpielDaten& d, int spieler) {
    const TKnoten c = SpielerFinden(d, spieler).Knoten;
    if (!c) return {};
    TRichtungOpt wasser;
    for (TRichtung r = riOben; r <= riUnten && !wasser; ++r)
        if (IstWasser(NachbarMitRand(d.Feld, c, r))) wasser = r;
    if (!wasser) return {};
    // The three other directions, in round order from a random start.
    TRichtung r = static_cast<TRichtung>(d.Zufall.Zufall(4));
    for (int versuch = 0; versuch < 3; ++versuch) {
        if (r == *wasser) r = NaechsteRichtung(r);
        if (IstBegehbar(NachbarMitRand(d.Feld, c, r))) return {true, SchrittNach(r)};
        r = NaechsteRichtung(r);
    }
    return {true, TAktion::Keine};
}

bool GegnerInLinie(TSpielDaten& d, int spieler) {
    const TKnoten c = SpielerFinden(d, spieler).Knoten;
    if (!c) return false;
    for (TRichtung r = riOben; r <= riUnten; ++r) {
        TKnoten cur = c;
        for (int abstand = 1; abstand <= 2; ++abstand) {
            cur = NachbarMitRand(d.Feld, cur, r);
            if (!cur || IstMauer(cur)) break;
            if (IstGegner(cur, spieler)) return true;
        }
    }
    return false;
}

TAktion Annaehern(TSpielDaten& d, int spieler) {
    const TGefunden ich = SpielerFinden(d, spieler);
    const TGefunden gegner = SpielerFinden(d, spieler == 1 ? 2 : 1);
    if (!ich.Knoten || !gegner.Knoten) return TAktion::Keine;
    const TPosition p = d.Feld.PositionVon(ich.Index);
    const TPosition q = d.Feld.PositionVon(gegner.Index);
    TRichtung r = static_cast<TRichtung>(d.Zufall.Zufall(4));
    for (int versuch = 0; versuch < 4; ++versuch, r = NaechsteRichtung(r)) {
        const bool dorthin =
            (r == riOben && q.Zeile < p.Zeile) || (r == riUnten && q.Zeile > p.Zeile) ||
            (r == riLinks && q.Spalte < p.Spalte) || (r == riRechts && q.Spalte > p.Spalte);
        if (!dorthin || Unsicher(d.Feld, ich.Knoten, r)) continue;
        if (const TAktion a = SchrittZumZiel(d.Feld, ich.Knoten, r); a != TAktion::Keine) return a;
    }
    return TAktion::Keine;
}

TAktion Umherlaufen(TSpielDaten& d, int spieler) {
    const TKnoten c = SpielerFinden(d, spieler).Knoten;
    if (!c) return TAktion::Keine;
    TRichtung r = static_cast<TRichtung>(d.Zufall.Zufall(4));
    for (int versuch = 0; versuch < 4; ++versuch, r = NaechsteRichtung(r))
        if (!Unsicher(d.Feld, c, r) && !HatExplosion(NachbarMitRand(d.Feld, c, r)))
            return SchrittNach(r);
    return TAktion::Keine;
}

TAktion Entscheide(TSpielDaten& d, int spieler) {
    const TKnoten c = SpielerFinden(d, spieler).Knoten;
    if (!c) return TAktion::Keine;  // nobody to steer
    const TEntscheidung gefahr = Gefahr(d, spieler);
    if (gefahr.Gilt) {
        if (gefahr.Aktion != TAktion::Keine) return gefahr.Aktion;
        if (const TRichtungOpt r = GeradeausFlucht(d.Feld, d.Zufall, c)) return SchrittNach(*r);
        return SchrittNach(Zufallsschritt(d.Feld, d.Zufall, c));
    }
    const TEntscheidung wasser = WasserFlucht(d, spieler);
    if (wasser.Gilt) return wasser.Aktion;
    if (GegnerInLinie(d, spieler)) return TAktion::Bombe;
    if (const TAktion a = Annaehern(d, spieler); a != TAktion::Keine) return a;
    return Umherlaufen(d, spieler);
}
