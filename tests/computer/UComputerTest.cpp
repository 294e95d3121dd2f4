#include <gtest/gtest.h>

#include <set>

#include "computer/UComputerAktionen.h"
#include "computer/UComputerSpieler.h"
#include "tests/match/SpielHilfen.h"

namespace {

using enum TAktion;

}  // namespace

TEST(Computer, BedrohtSiehtZweiFelderBisZurMauer) {
    // clang-format off
    const std::pair<std::string, bool> faelle[] = {
        {"o.1..", true}, {"o..1.", false},                 // two cells, not three
        {"o+1..", true}, {"o#1..", false}, {"o~1..", false},  // blocks and water shield
        {"..1..|.....|..Q..", true},                       // a player's bomb below
        {"P....", false},                                  // not the cell itself
        {"...o|1...", false}, {"o..|...|..1", false},      // no row wrap, no diagonal
    };
    // clang-format on
    for (const auto& [brett, bedroht] : faelle) {
        TSpielZustand z;
        z.Brett(Z(brett));
        EXPECT_EQ(Bedroht(z.feld, z.feld.FindeSpieler(1).Knoten), bedroht) << brett;
    }
}

TEST(Computer, Entscheidungen) {
    // Every action the computer chooses for player 1 over many seeds.
    // clang-format off
    const std::pair<std::string, std::set<TAktion>> faelle[] = {
        // On its fresh bomb: only toward a cell from which a second step leads out of reach;
        // with no way at all still some direction.
        {"#####|#P..#|###.#|#####", {Rechts}}, {"###|#P#|###", {Oben, Unten, Links, Rechts}},
        // The second step matters: right leads round a corner, left into a dead end.
        {"######|#..P.#|####.#|######", {Rechts}},
        // Threatened with no safe cell within two steps: straight on while the third cell is
        // out of reach (not down into the dead end), else any free step.
        {"####o####|#o1....##|##.######|##o######", {Rechts}},
        {"####o####|#o1..####|##.######|##o######", {Rechts, Unten}},
        // A bomb two cells away: never toward it; only an indestructible block shields.
        {".....|o.1..|.....", {Oben, Unten, Rechts}},
        {".....|o+1..|.....", {Oben, Unten, Rechts}},
        {"....2|o#1..|.....", {Oben, Rechts}},
        // Level water beside it: away from the first water in fixed order, or nothing.
        {"#~#|.1.|#.#", {Unten, Links, Rechts}},
        {"#~#|~1.|#+#", {Rechts}}, {"#~#|+1+|#+#", {Keine}}, {"#~#|k1+|#+#", {Links}},
        // Water before the opponent in line.
        {"#~#|.12|#.#", {Unten, Links}},
        // The opponent in line within two cells: a bomb, through a destructible block too.
        {"1+2.|....", {Bombe}}, {"1.2.|....", {Bombe}},
        {"1..2|....", {Rechts}}, {"1#2.|....", {Oben, Unten, Links, Rechts}},
        // Toward the opponent (never sideways out of its row or column), bombing its way through
        // blocks unless water lies behind one; never onto a cell next to water or into an
        // explosion.
        {"1....|.....|.....|....2", {Unten, Rechts}}, {"1..|...|...|2..", {Unten}},
        {"1+...|+....|...#2", {Bombe}}, {"1+...|+....|~..#2", {Oben, Links, Rechts}},
        {"1+...|k....|~..#2", {Oben, Links, Rechts}},
        {"1.~..|#...2", {Oben, Unten, Links}},
        {"#####2|#.1x##|#.#.##|######", {Oben, Unten, Links}}, {"#x#..|x1x..|#x#.2", {Keine}},
    };
    // clang-format on
    for (const auto& [brett, erwartet] : faelle) {
        std::set<TAktion> aktionen;
        for (std::uint64_t saat = 1; saat <= 64; ++saat) {
            TSpielZustand z(saat);
            z.Brett(Z(brett));
            aktionen.insert(Entscheide(z.d, 1));
        }
        EXPECT_EQ(aktionen, erwartet) << brett;
    }
}

TEST(Computer, BeideArtenHandelnImTaktDesKITimers) {
    // Each sees one way toward the other; locked for 1000 ms after each action. Swapped keys
    // change nothing: the computer presses what is now "down". Player 1 the classic or the strong.
    for (const TComputerArt art : {TComputerArt::Klassisch, TComputerArt::Stark}) {
        TSpielTest t;
        t.z.einst.ComputerArten = {art, TComputerArt::Klassisch};
        ASSERT_TRUE(t.Starten("1#####|......|#####2", [](auto& e) {
            e.Spieler1.Computer = e.Spieler2.Computer = true, e.SpielerVerzoegerung = 1000;
            std::swap(e.Spieler1.TasteOben, e.Spieler1.TasteUnten);
        }));
        t.Bis(449);
        EXPECT_EQ(t.Brett(), Z("1#####|......|#####2"));
        t.Bis(450);
        EXPECT_EQ(t.Brett(), Z(".#####|1....2|#####."));
        t.Bis(1799);  // the ticks at 900 and 1350 pass without action
        EXPECT_EQ(t.Brett()[1], "1....2");
        t.Bis(1800);
        EXPECT_EQ(t.Brett()[1], ".1..2.");
    }
}

TEST(Computer, KeinSchrittInEineExplosionUndNichtsNachDemRundenende) {
    TSpielTest t;
    // On its bomb with explosions all around: the key action is not even called.
    ASSERT_TRUE(t.Starten("#x#..|xPx..|#x#.2", [](auto& e) { e.Spieler1.Computer = true; }));
    t.Bis(4500);
    EXPECT_TRUE(!t.spiel.Belegt(1) && t.Brett() == Z("#x#..|xPx..|#x#.2"));
    // Hidden extras all around (kind 15) do not stop it: its escape step kills it, and player 2,
    // free to walk, must not act on the finished round.
    TSpielTest u;
    ASSERT_TRUE(u.Starten("#X#...|XPX#..|#X#..2", [](auto& e) {
        e.Spieler1.Computer = e.Spieler2.Computer = true, e.Rundenanzahl = 1;
    }));
    u.Bis(450);
    EXPECT_TRUE(u.spiel.LetztesErgebnis() == 1 && u.Zelle(2, 5) == '2');
    EXPECT_EQ(u.highscore.Liste().size(), 2u) << "one match end, one pair of entries";
}
