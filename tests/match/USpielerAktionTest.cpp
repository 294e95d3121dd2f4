#include "match/USpielerAktion.h"

#include <gtest/gtest.h>

#include "tests/match/MatchHilfen.h"

TEST(SpielerAktion, SchritteUndWasSieZuruecklassen) {
    struct TFall {
        std::string vorher;
        int spieler;
        TRichtung r;
        bool unverwundbar;
        std::string nachher;  // empty: blocked
        TGetroffen getroffen;
    };
    // clang-format off
    const TFall faelle[] = {
        // Each player kind leaves its own kind behind: free, bomb, explosion, hidden extra.
        {"1.", 1, riRechts, false, ".1", 0}, {"P.", 1, riRechts, false, "o1", 0},
        {"e.", 1, riRechts, false, "x1", 0}, {"E.", 1, riRechts, false, "X1", 0},
        {".Q", 2, riLinks, false, "2o", 0}, {"1m2", 1, riRechts, false, ".12", 0},
        // Into an explosion: killed, or kind 6/7/10/11 when invulnerable.
        {"1x2", 2, riLinks, false, "1t.", 2}, {"1Xx2", 1, riRechts, false, ".tx2", 1},
        {"1xX2", 1, riRechts, true, ".eX2", 0}, {".eX2", 1, riRechts, true, ".xE2", 0},
        {".xE2", 1, riLinks, true, ".eX2", 0}, {"1Xx2", 2, riLinks, true, "1Xf.", 0},
        {"1Xf.", 2, riLinks, true, "1Fx.", 0},
        // Blocked: water, blocks, killed players, bombs, players, the border, the row ends.
        {".~.|#1+|.t.", 1, riOben, false, "", 0}, {".~.|#1+|.t.", 1, riLinks, false, "", 0},
        {".~.|#1+|.t.", 1, riRechts, false, "", 0}, {".~.|#1+|.t.", 1, riUnten, false, "", 0},
        {"1o", 1, riRechts, false, "", 0}, {".xE2", 1, riRechts, true, "", 0},
        {"....|2..1", 2, riLinks, false, "", 0}, {"....|2..1", 1, riRechts, false, "", 0},
        {"....|2..1", 1, riUnten, false, "", 0}, {"1.", 2, riRechts, false, "", 0},
    };
    // clang-format on
    for (const TFall& f : faelle) {
        TSpielZustand z;
        z.Aendern(
            [&](TSpielRecEinstellungen& e) { e.Spieler(f.spieler).Unverwundbar = f.unverwundbar; });
        z.Brett(Z(f.vorher));
        const TSchritt s = Bewegen(z.d, f.spieler, f.r);
        EXPECT_EQ(s.Bewegt, !f.nachher.empty()) << f.vorher << " " << f.spieler;
        EXPECT_EQ(s.Getroffen, f.getroffen) << f.vorher;
        EXPECT_EQ(z.Brett(), Z(f.nachher.empty() ? f.vorher : f.nachher))
            << f.vorher << " " << f.spieler;
    }
}

TEST(SpielerAktion, BombeLegenNurAufEigenerFreierZelle) {
    TSpielZustand z;
    z.Brett(Z("..|.2|1."));
    EXPECT_TRUE(BombeLegen(z.d, zaSpieler2) && z.Brett() == Z("..|.Q|1."));
    ASSERT_EQ(z.bomben.Bombenliste().size(), 1u);
    const TBombe& b = z.bomben.Bombenliste()[0];
    EXPECT_TRUE(b.Position == (TPosition{2, 2}) && b.Spieler == 2 && b.Zaehler == 0);
    EXPECT_FALSE(BombeLegen(z.d, zaSpieler2)) << "one bomb per cell";
    z.Brett({"e2"});
    EXPECT_FALSE(BombeLegen(z.d, zaSpieler1)) << "not from inside an explosion";
    EXPECT_TRUE(z.bomben.KeineBomben());
}

TEST(SpielerAktion, GemerkteOrteAntwortenWieDieSuche) {
    // First player 1 twice: the first cell steps behind the second, which is then the first in
    // board order; then plain steps and a killing one.
    const std::pair<std::string, TRichtung> faelle[] = {
        {"11.|...", riUnten}, {"1..|.2.", riRechts}, {"1x.|..2", riRechts}, {"...|2.1", riOben}};
    for (const auto& [brett, r] : faelle) {
        TSpielZustand z;
        TSpielerOrte orte;
        z.d.Orte = &orte;
        z.Brett(Z(brett));
        Bewegen(z.d, 1, r);
        for (int p = 1; p <= 2; ++p) {
            const TGefunden a = SpielerFinden(z.d, p), b = z.feld.FindeSpieler(p);
            EXPECT_TRUE(a.Knoten == b.Knoten && a.Index == b.Index) << brett << " " << p;
        }
    }
}
