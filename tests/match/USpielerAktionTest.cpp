#include "match/USpielerAktion.h"

#include <gtest/gtest.h>

#include "tests/match/MatchHilfen.h"

using Zeilen = std::vector<std::string>;

TEST(SpielerAktion, SchrittLaesstDieRichtigeArtZurueck) {
    TSpielZustand z;
    // Each player kind leaves its own kind behind: free, bomb, explosion, hidden extra.
    const std::pair<char, char> faelle[] = {{'1', '.'}, {'P', 'o'}, {'e', 'x'}, {'E', 'X'}};
    for (auto [vorher, nachher] : faelle) {
        z.Brett({std::string(1, vorher) + "."});
        const TSchritt s = Bewegen(z.d, 1, riRechts);
        EXPECT_TRUE(s.Bewegt);
        EXPECT_EQ(s.Getroffen, 0);
        EXPECT_EQ(z.Brett(), (Zeilen{std::string(1, nachher) + "1"})) << vorher;
    }
    z.Brett({".Q"});
    EXPECT_TRUE(Bewegen(z.d, 2, riLinks).Bewegt);
    EXPECT_EQ(z.Brett(), (Zeilen{"2o"}));
}

TEST(SpielerAktion, BlockierteSchritteAendernNichts) {
    TSpielZustand z;
    const Zeilen brett = {"..~..", "o#1+2", "..t.."};
    z.Brett(brett);
    for (TRichtung r : {riOben, riLinks, riRechts, riUnten}) {
        EXPECT_FALSE(Bewegen(z.d, 1, r).Bewegt);
        EXPECT_EQ(z.Brett(), brett);
    }
    // Left of a first-column cell lies the end of the row above: not a neighbour.
    z.Brett({"....", "2..1"});
    EXPECT_FALSE(Bewegen(z.d, 2, riLinks).Bewegt);
    EXPECT_FALSE(Bewegen(z.d, 1, riRechts).Bewegt);
    EXPECT_FALSE(Bewegen(z.d, 1, riUnten).Bewegt);
    EXPECT_EQ(z.Brett(), (Zeilen{"....", "2..1"}));
    // A player that is not on the board does not move.
    z.Brett({"1."});
    EXPECT_FALSE(Bewegen(z.d, 2, riRechts).Bewegt);
}

TEST(SpielerAktion, SchrittInExplosionToetetOderSchuetztUnverwundbare) {
    TSpielZustand z;
    z.Brett({"1x2"});
    TSchritt s = Bewegen(z.d, 2, riLinks);
    EXPECT_TRUE(s.Bewegt);
    EXPECT_EQ(s.Getroffen, 2);
    EXPECT_EQ(z.Brett(), (Zeilen{"1t."}));

    z.Aendern([](TSpielRecEinstellungen& e) { e.Spieler1.Unverwundbar = true; });
    z.Brett({"1xX2"});
    s = Bewegen(z.d, 1, riRechts);
    EXPECT_EQ(s.Getroffen, 0);
    EXPECT_EQ(z.Brett(), (Zeilen{".eX2"}));
    Bewegen(z.d, 1, riRechts);
    EXPECT_EQ(z.Brett(), (Zeilen{".xE2"})) << "the hidden extra stays hidden behind the player";
    EXPECT_FALSE(Bewegen(z.d, 1, riRechts).Bewegt);
    Bewegen(z.d, 1, riLinks);
    EXPECT_EQ(z.Brett(), (Zeilen{".eX2"}));

    z.Aendern([](TSpielRecEinstellungen& e) { e.Spieler2.Unverwundbar = true; });
    z.Brett({"1Xx2"});
    Bewegen(z.d, 2, riLinks);
    Bewegen(z.d, 2, riLinks);
    EXPECT_EQ(z.Brett(), (Zeilen{"1Fx."}));
}

TEST(SpielerAktion, ExtraAufsammeln) {
    TSpielZustand z;
    z.Brett({"1mwuk2"});
    TAufgesammelt alle;
    for (int i = 0; i < 4; ++i) {
        TSchritt s = Bewegen(z.d, 1, riRechts);
        EXPECT_TRUE(s.Bewegt);
        EXPECT_TRUE(s.Aufgesammelt.Irgendeins());
        for (int k = 0; k < 4; ++k) alle[k] = alle[k] || s.Aufgesammelt[k];
    }
    EXPECT_EQ(z.Brett(), (Zeilen{"....12"}));
    EXPECT_TRUE(alle.Werfen && alle.MehrBomben && alle.Unverwundbar && alle.Krank);
    const auto e = z.E();
    EXPECT_TRUE(e.Spieler1.Werfen && e.Spieler1.MehrBomben && e.Spieler1.Unverwundbar &&
                e.Spieler1.Krank);
    EXPECT_FALSE(e.Spieler2.Werfen || e.Spieler2.MehrBomben || e.Spieler2.Unverwundbar ||
                 e.Spieler2.Krank);
}

TEST(SpielerAktion, BombeLegenNurAufEigenerFreierZelle) {
    TSpielZustand z;
    z.Brett({"..", ".2", "1."});
    EXPECT_TRUE(BombeLegen(z.d, zaSpieler2));
    EXPECT_EQ(z.Brett(), (Zeilen{"..", ".Q", "1."}));
    ASSERT_EQ(z.bomben.Bombenliste().size(), 1u);
    EXPECT_EQ(z.bomben.Bombenliste()[0].Position, (TPosition{2, 2}));
    EXPECT_EQ(z.bomben.Bombenliste()[0].Spieler, 2);
    EXPECT_EQ(z.bomben.Bombenliste()[0].Zaehler, 0);
    // Standing on the bomb: no second bomb on the same cell.
    EXPECT_FALSE(BombeLegen(z.d, zaSpieler2));
    z.Brett({"e2"});
    EXPECT_FALSE(BombeLegen(z.d, zaSpieler1));
    EXPECT_TRUE(z.bomben.KeineBomben());
}
