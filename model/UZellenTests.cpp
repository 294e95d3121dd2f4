#include "model/UZellenTests.h"

bool IstExtraArt(TZellenArt art) {
    return art >= zaWerfen && art <= zaKrankheit;
}
bool IstSpieler1Art(TZellenArt art) {
    return art >= zaSpieler1 && art <= zaSpieler1ExplosionExtra;
}
bool IstSpieler2Art(TZellenArt art) {
    return art >= zaSpieler2 && art <= zaSpieler2ExplosionExtra;
}

bool IstFrei(const TZelle* z) {
    return z && z->Art == zaFrei;
}
bool IstExtra(const TZelle* z) {
    return z && IstExtraArt(z->Art);
}
bool IstBegehbar(const TZelle* z) {
    return IstFrei(z) || IstExtra(z);
}

bool HatBombe(const TZelle* z) {
    return z && (z->Art == zaSpieler1Bombe || z->Art == zaSpieler2Bombe || z->Art == zaBombe);
}

bool HatExplosion(const TZelle* z) {
    if (!z) return false;
    switch (z->Art) {
        case zaSpieler1Explosion:
        case zaSpieler1ExplosionExtra:
        case zaSpieler2Explosion:
        case zaSpieler2ExplosionExtra:
        case zaExplosion:
            return true;
        default:
            return false;
    }
}

bool IstExplosion(const TZelle* z) {
    return z && z->Art == zaExplosion;
}
bool IstWasser(const TZelle* z) {
    return z && z->Art == zaWasser;
}
bool IstMauer(const TZelle* z) {
    return z && (z->Art == zaUnzerstoerbar || z->Art == zaWasser);
}
bool IstSpieler1(const TZelle* z) {
    return z && IstSpieler1Art(z->Art);
}
bool IstSpieler2(const TZelle* z) {
    return z && IstSpieler2Art(z->Art);
}
bool IstGegner(const TZelle* z, int spieler) {
    return spieler == 1 ? IstSpieler2(z) : IstSpieler1(z);
}

bool HatNachbar(const TFeldDaten& g, TIndex i, TRichtung r) {
    const TIndex b = g.SpielBreite;
    const TIndex h = g.SpielHoehe;
    if (b == 0) return false;  // no geometry, no neighbours
    switch (r) {
        case riOben:
            return i > b;
        case riLinks:
            return (i - 1) % b != 0;
        case riRechts:
            return i % b != 0;
        case riUnten:
            return i + b <= b * h;
        default:
            return true;
    }
}
