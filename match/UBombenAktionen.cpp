#include "match/UBombenAktionen.h"

#include "match/USpielerAktion.h"

bool NachbarBombe(TSpielDaten& d, TZellenArt art, TRichtung& richtung) {
    TSpielfeld& feld = d.Feld;
    const TGefunden ich = SpielerFinden(d, SpielerVon(art));
    bool gefunden = false;
    if (!ich.Knoten) return false;
    for (TRichtung r = riOben; r <= riUnten; ++r) {
        if (!HatNachbar(feld.FeldDaten(), ich.Index, r)) continue;
        const TKnoten n = feld.Nachbar(ich.Knoten, r);
        if (n && n->Art == zaBombe) {
            richtung = r;
            gefunden = true;
        }
    }
    return gefunden;
}

bool BombeWerfen(TSpielDaten& d, TZellenArt art) {
    TRichtung r = riOben;
    if (!NachbarBombe(d, art, r)) return false;
    const TGefunden ich = SpielerFinden(d, SpielerVon(art));
    const TIndex bombenIndex = d.Feld.Verschiebe(ich.Index, 2, r);
    const TPosition alt = d.Feld.PositionVon(bombenIndex);
    TSpielfeld::LeereZelle(d.Feld.Nachbar(ich.Knoten, r));
    const std::uint32_t n = d.Feld.AnzahlFrei();
    const TKnoten ziel = d.Feld.FreieZelle(d.Zufall.Zufall(n) + 1);
    d.Bomben.BombeVersetzen(d.Feld.PositionVon(d.Feld.IndexVonKnoten(ziel)), alt);
    TSpielfeld::SetzeZelle(ziel, zaBombe, 0);
    return true;
}

bool Treffer(TZellenArt art, const TSpielRecEinstellungen& e, TGetroffen& g) {
    if ((art == zaSpieler1 || art == zaSpieler1Bombe) && !e.Spieler1.Unverwundbar) {
        g += 1;
        return true;
    }
    if ((art == zaSpieler2 || art == zaSpieler2Bombe) && !e.Spieler2.Unverwundbar) {
        g += 2;
        return true;
    }
    return false;
}

TGetroffen Detonieren(TSpielDaten& d, TIndex index) {
    TGetroffen g = 0;
    const TSpielRecEinstellungen e = d.Einstellungen.EinstellungenHolen();
    // KnotenBei gives the first cell for index 0, so the range is checked here.
    if (index == 0 || index > d.Feld.AnzahlKnoten()) return 0;
    const TKnoten zelle = d.Feld.KnotenBei(index);
    if (!zelle) return 0;
    switch (zelle->Art) {
        case zaSpieler1Bombe:
        case zaSpieler2Bombe:
            if (Treffer(zelle->Art, e, g))
                TSpielfeld::SetzeZelle(zelle, zaTot, 0);
            else
                TSpielfeld::SetzeZelle(
                    zelle,
                    zelle->Art == zaSpieler1Bombe ? zaSpieler1Explosion : zaSpieler2Explosion, 0);
            break;
        default:
            TSpielfeld::SetzeZelle(zelle, zaExplosion, 0);
            break;
    }
    for (TRichtung r = riOben; r <= riUnten; ++r) ExplosionsArm(d, e, zelle, index, r, g);
    return g;
}

void ExplosionsArm(TSpielDaten& d, const TSpielRecEinstellungen& e, TKnoten zelle, TIndex index,
                   TRichtung r, TGetroffen& g) {
    for (int schritt = 1; schritt <= 2; ++schritt) {
        if (!HatNachbar(d.Feld.FeldDaten(), index, r)) return;
        index = d.Feld.Verschiebe(index, 2, r);
        zelle = d.Feld.Nachbar(zelle, r);
        if (!zelle) return;
        switch (zelle->Art) {
            case zaFrei:
                TSpielfeld::SetzeZelle(zelle, zaExplosion, 0);
                break;
            case zaSpieler1:
            case zaSpieler2:
                if (Treffer(zelle->Art, e, g))
                    TSpielfeld::SetzeZelle(zelle, zaTot, 0);
                else
                    SpielerInExplosion(zelle, SpielerVon(zelle->Art));
                break;
            // A player already standing in an explosion stays in it; a hidden extra under the
            // player is destroyed, as the arm destroys every hidden extra it crosses.
            case zaSpieler1Explosion:
            case zaSpieler1ExplosionExtra:
                TSpielfeld::SetzeZelle(zelle, zaSpieler1Explosion, 0);
                break;
            case zaSpieler2Explosion:
            case zaSpieler2ExplosionExtra:
                TSpielfeld::SetzeZelle(zelle, zaSpieler2Explosion, 0);
                break;
            case zaZerstoerbar:
                ++d.Zerstoert;
                TSpielfeld::SetzeZelle(
                    zelle, ExtraErscheint(d.Zufall, e) ? zaExplosionExtra : zaExplosion, 0);
                return;
            case zaExplosion:
            case zaExplosionExtra:
            case zaWerfen:
            case zaMehrBomben:
            case zaUnverwundbar:
            case zaKrankheit:
                TSpielfeld::SetzeZelle(zelle, zaExplosion, 0);
                break;
            default:  // blocks, water, bombs, a player on a bomb, a killed player
                return;
        }
    }
}

void ExtraFreilegen(TSpielDaten& d, TKnoten zelle, TAufgesammeltBeide& a) {
    const TZellenArt extra = ZufallsExtra(d.Zufall);
    if (zelle->Art == zaExplosionExtra) {
        ++d.Freigelegt;
        TSpielfeld::SetzeZelle(zelle, extra, 0);
        return;
    }
    const int spieler = zelle->Art == zaSpieler1ExplosionExtra ? 1 : 2;
    TSpielRecEinstellungen e = d.Einstellungen.EinstellungenHolen();
    GibExtra(e, spieler, extra, a.Von(spieler));
    d.Einstellungen.EinstellungenSetzen(e);
    TSpielfeld::SetzeZelle(zelle, SpielerArt(spieler), 0);
}

void ZelleZurueck(TSpielDaten& d, TKnoten zelle, TAufgesammeltBeide& a) {
    if (!zelle) return;
    switch (zelle->Art) {
        case zaExplosion:
            TSpielfeld::LeereZelle(zelle);
            break;
        case zaSpieler1Explosion:
            TSpielfeld::SetzeZelle(zelle, zaSpieler1, 0);
            break;
        case zaSpieler2Explosion:
            TSpielfeld::SetzeZelle(zelle, zaSpieler2, 0);
            break;
        case zaExplosionExtra:
        case zaSpieler1ExplosionExtra:
        case zaSpieler2ExplosionExtra:
            ExtraFreilegen(d, zelle, a);
            break;
        default:
            break;
    }
}

void Zurueckweichen(TSpielDaten& d, TAufgesammeltBeide& a) {
    const TPosition pos = d.Bomben.ErstePosition(false);
    if (pos.Zeile == 0 || pos.Spalte == 0) return;  // no explosion
    const TIndex mitte = d.Feld.IndexVon(pos.Spalte - 1u, pos.Zeile - 1u);
    if (mitte > d.Feld.AnzahlKnoten()) return;
    const TKnoten zentrum = d.Feld.KnotenBei(mitte);
    ZelleZurueck(d, zentrum, a);
    for (TRichtung r = riOben; r <= riUnten; ++r) {
        TIndex index = mitte;
        TKnoten zelle = zentrum;
        for (std::uint8_t abstand = 1; abstand <= 2; ++abstand) {
            if (abstand >= 2) index = d.Feld.Verschiebe(index, 2, r);
            if (!HatNachbar(d.Feld.FeldDaten(), index, r)) break;
            const TKnoten n = d.Feld.Nachbar(zelle, r);
            if (!n) break;
            zelle = n;
            if (d.Bomben.ExplosionNeben(pos, abstand, r)) break;
            ZelleZurueck(d, zelle, a);
        }
    }
}
