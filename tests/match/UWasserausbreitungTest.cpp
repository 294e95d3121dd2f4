#include "match/UWasserausbreitung.h"

#include <gtest/gtest.h>

#include "tests/match/MatchHilfen.h"

namespace {

// The plain rule: walk the whole board in order, every old water cell floods its neighbours.
// 'fliesst': something was flooded or drowned, which is what WasserKannFliessen foresees.
TGetroffen WasserSchlicht(TSpielfeld& feld, bool& geaendert, bool& fliesst) {
    TGetroffen g = 0;
    for (TIndex i = 1; i <= feld.AnzahlKnoten(); ++i)
        if (feld.KnotenBei(i)->Art == zaWasser) feld.KnotenBei(i)->Neu = false;
    for (TIndex i = 1; i <= feld.AnzahlKnoten(); ++i) {
        TKnoten z = feld.KnotenBei(i);
        for (TRichtung r = riOben; r <= riUnten && z->Art == zaWasser && !z->Neu; ++r) {
            TKnoten n = HatNachbar(feld.FeldDaten(), i, r) ? feld.Nachbar(z, r) : nullptr;
            if (!n) continue;
            geaendert = true;
            if (n->Art == zaFrei) {
                *n = TZelle{zaWasser, z->Bild, true};
            } else if (n->Art == zaSpieler1 || n->Art == zaSpieler2) {
                g += n->Art == zaSpieler1 ? 1 : 2;
                TSpielfeld::SetzeZelle(n, zaTot, 0);
            } else {
                continue;
            }
            fliesst = true;
        }
    }
    return g;
}

}  // namespace

TEST(Wasser, EinSchrittErtraenktUndFlutetNurFreieZellen) {
    TSpielZustand z;
    z.Aendern([](auto& e) { e.Spieler1.Unverwundbar = e.Spieler2.Unverwundbar = true; });
    // Invulnerable or not, a player on a plain cell drowns; on a bomb or in an explosion it is
    // safe. Water flooded in this step does not flood on before the next.
    z.Brett(Z("1~2|P~Q|e~x|m~o|+~#|t~E|~.."));
    TWasserausbreitung w;
    bool geaendert = false;
    EXPECT_TRUE(w.WasserAusbreiten(z.feld, geaendert) == 3 && geaendert);
    EXPECT_EQ(z.Brett(), Z("t~t|P~Q|e~x|m~o|+~#|t~E|~~."));
}

TEST(Wasser, RandVerfolgungGleichtDemVollenDurchlauf) {
    // Random boards, changed between steps the way explosions change them: the water's edge
    // must give the same board, the same dead and the same answers as the plain walk.
    for (std::uint64_t saat = 1; saat <= 60; ++saat) {
        TZufall zufall(saat);
        const int b = 1 + static_cast<int>(zufall.Zufall(12));
        const int h = 1 + static_cast<int>(zufall.Zufall(12));
        Zeilen zeilen(h, std::string(b, '.'));
        const std::string arten = "....++#~12mo";
        for (auto& zeile : zeilen)
            for (char& c : zeile)
                c = arten[zufall.Zufall(static_cast<std::uint32_t>(arten.size()))];
        TSpielfeld a, r;
        BrettSetzen(a, zeilen);
        BrettSetzen(r, zeilen);
        for (TIndex i = 1; i <= a.AnzahlKnoten(); ++i) {
            // Loaded cells may carry the mark; pictures differ.
            a.KnotenBei(i)->Neu = r.KnotenBei(i)->Neu = zufall.Zufall(5) == 0;
            a.KnotenBei(i)->Bild = r.KnotenBei(i)->Bild = static_cast<std::uint16_t>(i % 7);
        }
        TWasserausbreitung w;
        for (int schritt = 0; schritt < 12; ++schritt) {
            const bool kann = w.WasserKannFliessen(a);
            bool ga = false, gr = false, fliesst = false;
            ASSERT_EQ(w.WasserAusbreiten(a, ga), WasserSchlicht(r, gr, fliesst)) << saat;
            ASSERT_TRUE(kann == fliesst && ga == gr) << saat;
            ASSERT_EQ(a.Zellen(), r.Zellen()) << saat << " step " << schritt;
            // Open a few blocks, as receding explosions do.
            for (TIndex i = 1; i <= a.AnzahlKnoten(); ++i) {
                const TZellenArt art = a.KnotenBei(i)->Art;
                if ((art == zaZerstoerbar || art == zaBombe || art == zaMehrBomben) &&
                    zufall.Zufall(4) == 0) {
                    TSpielfeld::LeereZelle(a.KnotenBei(i));
                    TSpielfeld::LeereZelle(r.KnotenBei(i));
                }
            }
        }
    }
}
