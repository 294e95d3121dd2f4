#include "match/USturmflut.h"

TRingFlut RingFluten(TSpielDaten& d, int ring) {
    TSpielfeld& feld = d.Feld;
    const TFeldDaten& g = feld.FeldDaten();
    TRingFlut f;
    if (feld.AnzahlKnoten() < feld.Zellenzahl()) return f;
    const int bild = std::max(feld.ErstesWasserBild(), 0);
    // The last ring's mark goes, as a water step clears the one before.
    RingZellen(g, ring - 1, [&](int s, int z) {
        TKnoten k = feld.KnotenBei(feld.IndexVon(std::uint32_t(s), std::uint32_t(z)));
        if (k->Art == zaWasser) k->Neu = false;
    });
    RingZellen(g, ring, [&](int s, int z) {
        TKnoten k = feld.KnotenBei(feld.IndexVon(std::uint32_t(s), std::uint32_t(z)));
        const TZellenArt a = k->Art;
        if (a == zaUnzerstoerbar || a == zaWasser || a == zaTot) return;
        if (a == zaBombe || a == zaSpieler1Bombe || a == zaSpieler2Bombe)
            f.BombenWeg = d.Bomben.BombeEntfernen({std::uint16_t(z + 1), std::uint16_t(s + 1)}) ||
                          f.BombenWeg;
        if (IstSpieler1Art(a) || IstSpieler2Art(a)) {
            f.Getroffen |= IstSpieler1Art(a) ? 1 : 2;
            TSpielfeld::SetzeZelle(k, zaTot, 0);
            return;
        }
        TSpielfeld::SetzeZelle(k, zaWasser, std::uint16_t(bild));
        k->Neu = true;
    });
    return f;
}
