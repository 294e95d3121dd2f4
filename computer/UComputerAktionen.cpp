#include "computer/UComputerAktionen.h"

namespace {

// Tries the four directions from a random start; the first that passes wins.
template <typename Test>
TRichtungOpt Runde(TZufall& zufall, Test&& test) {
    TRichtung r = static_cast<TRichtung>(zufall.Zufall(4));
    for (int versuch = 0; versuch < 4; ++versuch) {
        if (test(r)) return r;
        r = NaechsteRichtung(r);
    }
    return std::nullopt;
}

}  // namespace

bool Bedroht(TSpielfeld& feld, TKnoten zelle) {
    for (TRichtung r = riOben; r <= riUnten; ++r) {
        TKnoten cur = zelle;
        for (int abstand = 1; abstand <= 2; ++abstand) {
            cur = NachbarMitRand(feld, cur, r);
            if (!cur || IstMauer(cur)) break;
            if (HatBombe(cur)) return true;
        }
    }
    return false;
}

TRichtungOpt Flucht(TSpielfeld& feld, TZufall& zufall, TKnoten zelle) {
    return Runde(zufall, [&](TRichtung r) {
        const TKnoten n = NachbarMitRand(feld, zelle, r);
        return IstBegehbar(n) && !Bedroht(feld, n);
    });
}

TRichtungOpt Zweischritt(TSpielfeld& feld, TZufall& zufall, TKnoten zelle) {
    return Runde(zufall, [&](TRichtung r) {
        const TKnoten n = NachbarMitRand(feld, zelle, r);
        return IstBegehbar(n) && Flucht(feld, zufall, n).has_value();
    });
}

bool Geradeaus(TSpielfeld& feld, TKnoten zelle, TRichtung r) {
    TKnoten cur = zelle;
    for (int schritte = 0; schritte <= 2;) {
        const TKnoten n = NachbarMitRand(feld, cur, r);
        if (!n) return false;
        if (IstBegehbar(n)) {
            if (!Bedroht(feld, n) || !Bedroht(feld, cur)) return true;
            cur = n;
            ++schritte;
        } else {
            return schritte > 0 && !Bedroht(feld, cur);
        }
    }
    return true;
}

TRichtungOpt GeradeausFlucht(TSpielfeld& feld, TZufall& zufall, TKnoten zelle) {
    return Runde(zufall, [&](TRichtung r) { return Geradeaus(feld, zelle, r); });
}

TRichtung Zufallsschritt(TSpielfeld& feld, TZufall& zufall, TKnoten zelle) {
    const TRichtung start = static_cast<TRichtung>(zufall.Zufall(4));
    TRichtung r = start;
    for (int versuch = 0; versuch < 4; ++versuch) {
        if (IstBegehbar(NachbarMitRand(feld, zelle, r))) return r;
        r = NaechsteRichtung(r);
    }
    return start;
}

bool Unsicher(TSpielfeld& feld, TKnoten zelle, TRichtung r) {
    const TKnoten n = NachbarMitRand(feld, zelle, r);
    if (!n) return false;
    if (Bedroht(feld, n)) return true;
    for (TRichtung q = riOben; q <= riUnten; ++q)
        if (IstWasser(NachbarMitRand(feld, n, q))) return true;
    return false;
}

bool KeinWasserHinterBloecken(TSpielfeld& feld, TKnoten zelle) {
    for (TRichtung r = riOben; r <= riUnten; ++r) {
        const TKnoten m = NachbarMitRand(feld, zelle, r);
        if (!m || !(m->Art == zaZerstoerbar || IstExtra(m))) continue;
        for (TRichtung q = riOben; q <= riUnten; ++q)
            if (IstWasser(NachbarMitRand(feld, m, q))) return false;
    }
    return true;
}

TAktion SchrittZumZiel(TSpielfeld& feld, TKnoten zelle, TRichtung r) {
    const TKnoten n = NachbarMitRand(feld, zelle, r);
    if (IstBegehbar(n)) return SchrittNach(r);
    if (n && !IstExplosion(n) && !IstMauer(n) && KeinWasserHinterBloecken(feld, zelle))
        return TAktion::Bombe;
    return TAktion::Keine;
}
