#include "match/USpiel.h"

#include <gtest/gtest.h>

#include "tests/match/SpielHilfen.h"

using Zeilen = std::vector<std::string>;
using namespace taste;

// ---- Timing of bombs and explosions ----

TEST(Spiel, BombeZuendetNachZuendzeitUndExplosionWeichtNachExploDauer) {
    TSpielTest t;
    t.Level("a", {"1.....", "......", ".....2"});
    ASSERT_TRUE(t.Starten());
    EXPECT_EQ(t.spiel.Timer_Bombe().Intervall(), 400u);
    t.Taste(E);  // t = 0
    EXPECT_EQ(t.Zelle(0, 0), 'P');
    t.Bis(10);
    t.Taste(S);
    t.Bis(20);
    t.Taste(D);
    EXPECT_EQ(t.Brett()[0][0], 'o');
    t.Bis(1999);
    EXPECT_EQ(t.Zelle(0, 0), 'o');
    EXPECT_FALSE(t.spiel.Timer_Explo().Eingeschaltet());
    t.Bis(2000);
    EXPECT_EQ(t.Brett(), (Zeilen{"xxx...", "x1....", "x....2"}));
    EXPECT_FALSE(t.spiel.Timer_Bombe().Eingeschaltet()) << "the list is empty again";
    // Without "Mehr Bomben" the next bomb waits until the explosion has receded.
    t.Taste(E);
    t.Bis(3999);
    EXPECT_EQ(t.Zelle(0, 0), 'x');
    EXPECT_EQ(t.Zelle(1, 1), '1');
    t.Bis(4000);
    EXPECT_EQ(t.Brett(), (Zeilen{"......", ".1....", ".....2"}));
    t.Taste(E);
    EXPECT_EQ(t.Zelle(1, 1), 'P');
}

TEST(Spiel, BombeImLaufendenTaktZuendetFrueher) {
    TSpielTest t;
    t.Level("a", {"1....", ".....", "....2"});
    ASSERT_TRUE(t.Starten());
    t.Taste(Leer);  // player 2's bomb at 0: ticks at 400, 800, ...
    t.Bis(10);
    t.Taste(Hoch);
    t.Bis(20);
    t.Taste(Links);
    t.Bis(700);  // 300 ms after the last tick
    t.Taste(E);
    t.Bis(710);
    t.Taste(S);
    t.Bis(720);
    t.Taste(D);
    t.Bis(2399);
    EXPECT_EQ(t.Zelle(0, 0), 'o');
    t.Bis(2400);  // 1700 ms after laying
    EXPECT_EQ(t.Zelle(0, 0), 'x');

    // PlatzExplo 504 gives a 100 ms beat.
    TSpielTest u;
    u.Einstellen([](TSpielRecEinstellungen& e) { e.PlatzExplo = 504; });
    u.Level("a", {"1.2"});
    ASSERT_TRUE(u.Starten());
    EXPECT_EQ(u.spiel.Timer_Bombe().Intervall(), 100u);
}

TEST(Spiel, ZweiBombenImSelbenTaktDieErsteToetet) {
    TSpielTest t;
    t.Level("a", {"2....", ".....", "1...."});
    ASSERT_TRUE(t.Starten());
    t.z.Aendern([](TSpielRecEinstellungen& e) { e.Spieler1.MehrBomben = true; });
    t.Taste(E);  // bomb A at 0
    t.Bis(10);
    t.Taste(D);
    t.Bis(20);
    t.Taste(E);  // bomb B in the same beat, player 1 stays on it
    EXPECT_EQ(t.Brett(), (Zeilen{"2....", ".....", "oP..."}));
    t.Bis(2000);
    // A kills player 2; B is not detonated, so player 1 on it survives and wins the round.
    EXPECT_EQ(t.Brett(), (Zeilen{"t....", "x....", "xP..."}));
    EXPECT_EQ(t.spiel.LetztesErgebnis(), 2);
    EXPECT_EQ(t.z.bomben.Bombenliste().size(), 1u);
    EXPECT_EQ(t.Punkte(1), 100);
    EXPECT_FALSE(t.spiel.Timer_Bombe().Eingeschaltet());
}
