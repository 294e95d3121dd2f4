#include "match/UWasserausbreitung.h"

#include <gtest/gtest.h>

#include "tests/match/MatchHilfen.h"

using Zeilen = std::vector<std::string>;

namespace {

// The plain rule: walk the whole board in order, every old water cell floods its neighbours.
TGetroffen WasserSchlicht(TSpielfeld& feld, bool& geaendert) {
    TGetroffen g = 0;
    for (TIndex i = 1; i <= feld.AnzahlKnoten(); ++i)
        if (feld.KnotenBei(i)->Art == zaWasser) feld.KnotenBei(i)->Neu = false;
    for (TIndex i = 1; i <= feld.AnzahlKnoten(); ++i) {
        TKnoten z = feld.KnotenBei(i);
        if (z->Art != zaWasser || z->Neu) continue;
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            if (!HatNachbar(feld.FeldDaten(), i, r)) continue;
            TKnoten n = feld.Nachbar(z, r);
            if (!n) continue;
            if (n->Art == zaFrei) {
                *n = TZelle{zaWasser, z->Bild, true};
            } else if (n->Art == zaSpieler1 || n->Art == zaSpieler2) {
                g += n->Art == zaSpieler1 ? 1 : 2;
                TSpielfeld::SetzeZelle(n, zaTot, 0);
            }
            geaendert = true;
        }
    }
    return g;
}

bool KannFliessenSchlicht(TSpielfeld& feld) {
    for (TIndex i = 1; i <= feld.AnzahlKnoten(); ++i) {
        TKnoten z = feld.KnotenBei(i);
        if (z->Art != zaWasser) continue;
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            if (!HatNachbar(feld.FeldDaten(), i, r)) continue;
            TKnoten n = feld.Nachbar(z, r);
            if (n && (n->Art == zaFrei || n->Art == zaSpieler1 || n->Art == zaSpieler2))
                return true;
        }
    }
    return false;
}

}  // namespace

TEST(Wasser, EinSchrittEinFeldJeRichtung) {
    TSpielZustand z;
    z.Brett({".....", ".....", "..~..", ".....", "....."});
    z.feld.KnotenBei(z.Index(2, 2))->Bild = 4;
    TWasserausbreitung w;
    bool geaendert = false;
    EXPECT_EQ(w.WasserAusbreiten(z.feld, geaendert), 0);
    EXPECT_TRUE(geaendert);
    EXPECT_EQ(z.Brett(), (Zeilen{".....", "..~..", ".~~~.", "..~..", "....."}));
    const TZelle neu = *z.feld.KnotenBei(z.Index(1, 2));
    EXPECT_EQ(neu.Bild, 4);
    EXPECT_TRUE(neu.Neu);
    EXPECT_FALSE(z.feld.KnotenBei(z.Index(2, 2))->Neu);
    w.WasserAusbreiten(z.feld, geaendert);
    EXPECT_EQ(z.Brett(), (Zeilen{"..~..", ".~~~.", "~~~~~", ".~~~.", "..~.."}));
    EXPECT_FALSE(z.feld.KnotenBei(z.Index(1, 2))->Neu) << "last step's mark is cleared";
    EXPECT_TRUE(z.feld.KnotenBei(z.Index(0, 2))->Neu);
}

TEST(Wasser, ErtrinkenUndWasDasWasserNichtBetritt) {
    TSpielZustand z;
    z.Aendern([](TSpielRecEinstellungen& e) {
        e.Spieler1.Unverwundbar = true;
        e.Spieler2.Unverwundbar = true;
    });
    // Invulnerable or not, a player on a plain cell drowns; on a bomb or in an explosion it is
    // safe.
    z.Brett({"1~2", "P~Q", "e~x", "m~o", "+~#", "t~E"});
    TWasserausbreitung w;
    bool geaendert = false;
    EXPECT_EQ(w.WasserAusbreiten(z.feld, geaendert), 3);
    EXPECT_EQ(z.Brett(), (Zeilen{"t~t", "P~Q", "e~x", "m~o", "+~#", "t~E"}));

    // A water cell in the first column does not flood the last cell of the row above.
    z.Brett({"##.", "~##"});
    w.Zuruecksetzen();
    EXPECT_FALSE(w.WasserKannFliessen(z.feld));
    w.WasserAusbreiten(z.feld, geaendert);
    EXPECT_EQ(z.Brett(), (Zeilen{"##.", "~##"}));
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
        // Loaded cells may carry the mark.
        for (TIndex i = 1; i <= a.AnzahlKnoten(); ++i)
            if (zufall.Zufall(5) == 0) a.KnotenBei(i)->Neu = r.KnotenBei(i)->Neu = true;
        for (TIndex i = 1; i <= a.AnzahlKnoten(); ++i)
            a.KnotenBei(i)->Bild = r.KnotenBei(i)->Bild = static_cast<std::uint16_t>(i % 7);
        TWasserausbreitung w;
        for (int schritt = 0; schritt < 12; ++schritt) {
            ASSERT_EQ(w.WasserKannFliessen(a), KannFliessenSchlicht(r)) << saat;
            bool ga = false, gr = false;
            ASSERT_EQ(w.WasserAusbreiten(a, ga), WasserSchlicht(r, gr)) << saat;
            ASSERT_EQ(ga, gr) << saat;
            ASSERT_EQ(a.Zellen(), r.Zellen()) << saat << " step " << schritt;
            // Open a few blocks, as receding explosions do.
            for (TIndex i = 1; i <= a.AnzahlKnoten(); ++i)
                if ((a.KnotenBei(i)->Art == zaZerstoerbar || a.KnotenBei(i)->Art == zaBombe ||
                     a.KnotenBei(i)->Art == zaMehrBomben) &&
                    zufall.Zufall(4) == 0) {
                    TSpielfeld::LeereZelle(a.KnotenBei(i));
                    TSpielfeld::LeereZelle(r.KnotenBei(i));
                }
        }
    }
}
