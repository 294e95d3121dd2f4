#include "match/UBombenAktionen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "tests/match/MatchHilfen.h"

namespace {

// Detonates the first bomb cell (or the one at index i) as the bomb timer does.
TGetroffen Zuenden(TSpielZustand& z, TIndex i = 0, std::uint8_t spieler = 1) {
    for (TIndex k = 1; i == 0; ++k)
        if (HatBombe(z.feld.KnotenBei(k))) i = k;
    const TGetroffen g = Detonieren(z.d, i);
    z.bomben.Anhaengen(0, z.feld.PositionVon(i), spieler, false);
    return g;
}

// The first explosion recedes as the explosion timer lets it.
TAufgesammeltBeide Zurueck(TSpielZustand& z) {
    TAufgesammeltBeide a;
    Zurueckweichen(z.d, a);
    z.bomben.ErsteEntfernen(false);
    return a;
}

}  // namespace

TEST(Bomben, ExplosionTrefferUndZurueckweichen) {
    // Board, who is invulnerable (1, 2, 3 both), hit, after the detonation, after receding ('?'
    // any extra).
    // clang-format off
    const std::tuple<std::string, int, TGetroffen, std::string, std::string> faelle[] = {
        {".....|..o..|.....", 0, 0, "..x..|xxxxx|..x..", ".....|.....|....."},
        {"....|o...|....", 0, 0, "x...|xxx.|x...", "....|....|...."},  // no wrap at the border
        // Blocks, water and a player on a bomb stop the arm; a destructible block is the last cell.
        {"..#..|..~..|+.o+.|..P..", 0, 0, "..#..|..~..|XxxX.|..P..", "..#..|..~..|?..?.|..P.."},
        {"o12", 0, 3, "xtt", ".tt"},  // both in one arm: a draw
        {"P..2", 0, 1, "txx2", "t..2"},  // the layer on its bomb
        // Invulnerable: kind 6 until the explosion recedes, then 4; the arm goes on behind.
        {"P12", 1, 2, "eet", "11t"},
        {".1o.2", 1, 2, "xexxt", ".1..t"},
        // Kinds 6, 7, 10, 11 stay their player's; a hidden extra under a player burns.
        {"oeE|F..|f..", 3, 0, "xee|f..|f..", ".11|2..|2.."},
    };
    // clang-format on
    for (const auto& [vorher, unverwundbar, getroffen, explodiert, zurueck] : faelle) {
        TSpielZustand z;
        z.Aendern([&](auto& e) {
            e.ExtraProzent = 100;
            e.Spieler1.Unverwundbar = unverwundbar & 1, e.Spieler2.Unverwundbar = unverwundbar & 2;
        });
        z.Brett(Z(vorher));
        EXPECT_EQ(Zuenden(z), getroffen) << vorher;
        EXPECT_EQ(z.Brett(), Z(explodiert)) << vorher;
        Zurueck(z);
        Zeilen ist = z.Brett();
        for (auto& zeile : ist)
            for (char& c : zeile) c = std::string("wmuk").find(c) < 4 ? '?' : c;
        EXPECT_EQ(ist, Z(zurueck)) << vorher;
    }
}

TEST(Bomben, ArmGegenJedeZellenart) {
    // Each kind at the first and at the second step: what it becomes, whether the arm goes on
    // behind it and who is hit; the second row with both players invulnerable.
    const std::string art = ".+#~1PeE2QfFtoxXwmuk";
    const std::string wird[] = {"xX#~tPeetQfftoxxxxxx", "xX#~ePeefQfftoxxxxxx"};
    const std::string weiter = "10001011101100111111";
    for (int u = 0; u < 2; ++u)
        for (std::size_t i = 0; i < art.size(); ++i)
            for (std::size_t schritt = 1; schritt <= 2; ++schritt) {
                TSpielZustand z;
                z.Aendern([&](auto& e) {
                    e.ExtraProzent = 100, e.Spieler1.Unverwundbar = e.Spieler2.Unverwundbar = u;
                });
                std::string vorher = "o...", soll = "xxx.";
                vorher[schritt] = art[i], soll[schritt] = wird[u][i];
                if (schritt == 1 && weiter[i] == '0') soll[2] = '.';
                z.Brett({vorher});
                const int getroffen = u ? 0 : art[i] == '1' ? 1 : art[i] == '2' ? 2 : 0;
                EXPECT_EQ(Zuenden(z), getroffen) << vorher << u;
                EXPECT_EQ(z.Brett(), Zeilen{soll}) << vorher << u;
            }
}

TEST(Bomben, ZurueckweichenHintermBlockUndAnFremderMitte) {
    TSpielZustand z;
    // B's arm reached the cell behind A's block; when A recedes it is cleared all the same, and
    // nothing beyond its reach.
    z.Brett({"x#xxx"});
    z.bomben.Anhaengen(0, {1, 1}, 1, false);
    z.bomben.Anhaengen(0, {1, 5}, 2, false);
    Zurueck(z);
    EXPECT_EQ(z.Brett(), (Zeilen{".#.xx"}));
    // B lay next to A's centre, so A's arm stopped at it; when A recedes, the direction toward
    // B stops at B's centre.
    z.Brett(Z("oo...|....."));
    Zuenden(z, 1);
    Zuenden(z, 2, 2);
    EXPECT_EQ(z.Brett(), Z("xxxx.|xx..."));
    Zurueck(z);
    EXPECT_EQ(z.Brett(), Z(".xxx.|.x..."));
    Zurueck(z);
    EXPECT_EQ(z.Brett(), Z(".....|....."));
    // A player standing in a hidden extra receives it.
    z.Brett(Z("xE|F."));
    z.bomben.Anhaengen(0, {1, 1}, 1, false);
    const TAufgesammeltBeide a = Zurueck(z);
    EXPECT_TRUE(z.Brett() == Z(".1|2.") && a.Spieler1.Irgendeins() && a.Spieler2.Irgendeins());
    for (const auto& [s, f] : {std::pair{z.E().Spieler1, a.Spieler1}, {z.E().Spieler2, a.Spieler2}})
        EXPECT_EQ(TAufgesammelt({s.Werfen, s.MehrBomben, s.Unverwundbar, s.Krank}), f);
}

TEST(Bomben, NachbarBombeUndWerfen) {
    // clang-format off
    const std::tuple<std::string, bool, TRichtung> faelle[] = {
        {".o.|o1o|.o2", true, riUnten},   // several: the last in fixed order
        {".o.|o1o|.Q.", true, riRechts},  // not one with a player on it
        {"o..|.1.|o.Q", false, riOben},
        {"..o|1.2", false, riOben},       // not across the row end
    };
    // clang-format on
    for (const auto& [brett, gefunden, richtung] : faelle) {
        TSpielZustand z;
        z.Brett(Z(brett));
        TRichtung r = riOben;
        EXPECT_EQ(NachbarBombe(z.d, zaSpieler1, r), gefunden) << brett;
        EXPECT_EQ(r, richtung) << brett;
    }
    // The opponent's bomb is fair game; it lands on a free cell (wherever the draw puts it) with
    // owner and count, and its fuse goes with it.
    for (std::uint64_t saat = 1; saat <= 6; ++saat) {
        TSpielZustand z(saat);
        z.Brett(Z("o1...|2###."));
        z.bomben.Anhaengen(4, {1, 1}, 2, true);
        BombeWerfen(z.d, zaSpieler1);
        const Zeilen b = z.Brett();
        EXPECT_EQ(std::count(b[0].begin(), b[0].end(), 'o') + (b[1][4] == 'o'), 1);
        ASSERT_EQ(z.bomben.Bombenliste().size(), 1u);
        const TBombe& bombe = z.bomben.Bombenliste()[0];
        EXPECT_TRUE(bombe.Zaehler == 4 && bombe.Spieler == 2);
        EXPECT_EQ(b[bombe.Position.Zeile - 1][bombe.Position.Spalte - 1], 'o') << saat;
    }
}
