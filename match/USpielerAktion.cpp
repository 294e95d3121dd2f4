#include "match/USpielerAktion.h"

TZellenArt Zurueckgelassen(TZellenArt art) {
    switch (art) {
        case zaSpieler1Bombe:
        case zaSpieler2Bombe:
            return zaBombe;
        case zaSpieler1Explosion:
        case zaSpieler2Explosion:
            return zaExplosion;
        case zaSpieler1ExplosionExtra:
        case zaSpieler2ExplosionExtra:
            return zaExplosionExtra;
        default:
            return zaFrei;
    }
}

void SpielerInExplosion(TKnoten zelle, int spieler) {
    if (!zelle) return;
    const bool extra = zelle->Art == zaExplosionExtra;
    if (spieler == 1)
        TSpielfeld::SetzeZelle(zelle, extra ? zaSpieler1ExplosionExtra : zaSpieler1Explosion, 0);
    else
        TSpielfeld::SetzeZelle(zelle, extra ? zaSpieler2ExplosionExtra : zaSpieler2Explosion, 0);
}

TSchritt Betreten(TSpielDaten& d, TKnoten zelle, int spieler, TRichtung r) {
    TSchritt s;
    if (!zelle) return s;
    const TAufgesammelt extras = d.Einstellungen.ExtrasVon(zelle->Art);
    TKnoten m = d.Feld.Nachbar(zelle, r);
    if (!m) return s;
    switch (m->Art) {
        case zaFrei:
            TSpielfeld::SetzeZelle(m, SpielerArt(spieler), 0);
            s.Bewegt = true;
            break;
        case zaExplosion:
        case zaExplosionExtra:
            if (extras.Unverwundbar) {
                SpielerInExplosion(m, spieler);
            } else {
                TSpielfeld::SetzeZelle(m, zaTot, 0);
                s.Getroffen = static_cast<TGetroffen>(spieler);
            }
            s.Bewegt = true;
            break;
        case zaWerfen:
        case zaMehrBomben:
        case zaUnverwundbar:
        case zaKrankheit: {
            TSpielRecEinstellungen e = d.Einstellungen.EinstellungenHolen();
            GibExtra(e, spieler, m->Art, s.Aufgesammelt);
            d.Einstellungen.EinstellungenSetzen(e);
            TSpielfeld::SetzeZelle(m, SpielerArt(spieler), 0);
            s.Bewegt = true;
            break;
        }
        default:
            break;
    }
    return s;
}

TSchritt Bewegen(TSpielDaten& d, int spieler, TRichtung r) {
    const TGefunden ich = SpielerFinden(d, spieler);
    if (!ich.Knoten || !HatNachbar(d.Feld.FeldDaten(), ich.Index, r)) return {};
    const TZellenArt bleibt = Zurueckgelassen(ich.Knoten->Art);
    TSchritt s = Betreten(d, ich.Knoten, spieler, r);
    if (!s.Bewegt) return {};
    TSpielfeld::SetzeZelle(ich.Knoten, bleibt, 0);
    if (d.Orte) d.Orte->Gezogen(spieler, d.Feld.Verschiebe(ich.Index, 2, r));
    return s;
}

namespace {

// FindeArt for a plain player kind: while the player has a single cell, that cell decides.
TGefunden ArtFinden(TSpielDaten& d, TZellenArt art) {
    const int spieler = SpielerVon(art);
    if (!d.Orte) return d.Feld.FindeArt(art);
    const TGefunden ich = d.Orte->Finden(d.Feld, spieler);
    if (!d.Orte->Eindeutig(spieler)) return ich.Knoten ? d.Feld.FindeArt(art) : ich;
    if (ich.Knoten->Art == art) return ich;
    return {nullptr, d.Feld.AnzahlKnoten() + 1};
}

}  // namespace

bool BombeLegen(TSpielDaten& d, TZellenArt art) {
    const TZellenArt neu = art == zaSpieler1 ? zaSpieler1Bombe : zaSpieler2Bombe;
    const TGefunden g = ArtFinden(d, art);
    if (!g.Knoten) return false;
    d.Bomben.Anhaengen(0, d.Feld.PositionVon(g.Index), static_cast<std::uint8_t>(SpielerVon(art)),
                       true);
    TSpielfeld::SetzeZelle(g.Knoten, neu, 0);
    return true;
}
