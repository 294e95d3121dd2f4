#include "match/USturmflut.h"

#include <gtest/gtest.h>

#include "tests/match/SpielHilfen.h"

using namespace taste;

TEST(Sturmflut, EinRingWirdWasserWasAuchDaWar) {
    TSpielZustand z;
    z.Brett(Z("+mxo#|P.o.f|~.#.k|~...."));
    z.bomben.Anhaengen(0, {1, 4}, 2, true);
    z.bomben.Anhaengen(0, {2, 1}, 1, true);
    z.bomben.Anhaengen(0, {2, 3}, 2, true);
    // Stone and water stay; players drown, in an explosion too; bombs leave the list.
    const TRingFlut f = RingFluten(z.d, 0);
    EXPECT_TRUE(z.Brett() == Z("~~~~#|t.o.t|~.#.~|~~~~~") && f.Getroffen == 3 && f.BombenWeg);
    ASSERT_EQ(z.bomben.Bombenliste().size(), 1u);
    EXPECT_EQ(z.bomben.Bombenliste()[0].Position, (TPosition{2, 3}));
    EXPECT_TRUE(z.feld.Zellen()[0].Neu && !z.feld.Zellen()[10].Neu);
    // The inner ring; the outer one loses its mark.
    const TRingFlut g = RingFluten(z.d, 1);
    EXPECT_EQ(z.Brett(), Z("~~~~#|t~~~t|~~#~~|~~~~~"));
    EXPECT_TRUE(g.Getroffen == 0 && g.BombenWeg && z.bomben.KeineBomben());
    EXPECT_TRUE(z.feld.Zellen()[6].Neu && !z.feld.Zellen()[0].Neu);
    EXPECT_EQ(SturmRinge(z.feld.FeldDaten()), 2);
}

TEST(Sturmflut, KommtZurZeitRingFuerRingUndBeendetDieRunde) {
    TSpielTest t;
    t.z.einst.Sturmflut = 1;
    // Rings 0 to 2; ring 2 is the middle row's three cells.
    ASSERT_TRUE(t.Starten("1......|.......|....2..|.......|.......",
                          [](auto& e) { e.Rundenanzahl = 3, e.WasserGeschwindigkeit = 9000; }));
    t.Bis(59999);
    EXPECT_EQ(t.Brett()[0], "1......");
    // Thirty seconds counted down, then the flood.
    std::vector<int> anzeige{-1, -1};  // at the match start and at the round start
    for (int s = 30; s >= 0; --s) anzeige.push_back(s);
    t.Bis(60000);
    EXPECT_EQ(t.ansicht.Sturmflut, anzeige);
    EXPECT_EQ(t.Brett(), Z("t~~~~~~|~.....~|~...2.~|~.....~|~~~~~~~"));
    EXPECT_TRUE(t.spiel.LetztesErgebnis() == 1 && t.spiel.Todesart(1) == TTodesart::Sturmflut);
    EXPECT_TRUE(t.AllesSteht());
    using enum TKlang;
    EXPECT_EQ(t.ansicht.Gehoert({Sturmflut, SturmflutRing, SpielerErtrunken, RundeGewonnen}),
              "60000 Sturmflut, 60000 Spieler ertrunken, 60000 Runde gewonnen");

    // The next round counts afresh (the flood's water spreads as level water, here slowly). A bomb
    // laid just before never goes off, and its owner may lay another; invulnerable or not, both
    // drown in the last ring together: a draw.
    t.spiel.NextRound();
    t.ansicht.Klaenge.clear();
    const std::uint64_t a = t.uhr.Jetzt();
    t.Tasten({{a + 59000, E}, {a + 59100, S}, {a + 59200, D}});
    t.z.Aendern([](auto& e) { e.Spieler1.Unverwundbar = true; });
    t.Bis(a + 60000);
    EXPECT_TRUE(t.z.bomben.KeineBomben() && t.spiel.FeldAktiv() && t.Brett()[1] == "~1....~");
    t.Tasten({{a + 60010, E}, {a + 60020, S}, {a + 60030, D}});
    t.Bis(a + 61000);
    EXPECT_EQ(t.Brett(), Z("~~~~~~~|~~~~~~~|~~1.2~~|~~~~~~~|~~~~~~~"));
    t.Bis(a + 62000);
    EXPECT_TRUE(t.Brett()[2] == "~~t~t~~" && t.spiel.LetztesErgebnis() == 3);
    EXPECT_EQ(t.ansicht.Gehoert({Explosion, Sturmflut, SturmflutRing, RundeUnentschieden}),
              std::to_string(a + 60000) + " Sturmflut, " + std::to_string(a + 61000) +
                  " Sturmflut Ring, " + std::to_string(a + 62000) + " Sturmflut Ring, " +
                  std::to_string(a + 62000) + " Runde unentschieden");
}

TEST(Sturmflut, LevelwasserFliesstWeiterUndDieLetzteRundeEndet) {
    // The flood lets the level's own water go, at its own pace.
    TSpielTest t;
    t.z.einst.Sturmflut = 1;
    ASSERT_TRUE(t.Starten("#######|#1....#|#.....#|#..~..#|#.....#|#....2#|#######",
                          [](auto& e) { e.WasserGeschwindigkeit = 300; }));
    t.Bis(60300);
    EXPECT_TRUE(t.Brett()[2] == "#..~..#" && t.Brett()[3] == "#.~~~.#");
    EXPECT_TRUE(t.spiel.FeldAktiv());
    // A 1 x 1 inner field: no player on it, the round ends with its ring all the same.
    TSpielTest u;
    u.z.einst.Sturmflut = 1;
    ASSERT_TRUE(u.Starten("###|#.#|###"));
    u.Bis(61000);
    EXPECT_TRUE(u.Brett()[1] == "#~#" && !u.spiel.FeldAktiv() && u.spiel.LetztesErgebnis() == 3);
    // The largest level the editor makes: thirteen rings, the last one the middle.
    Zeilen gross(25, std::string(25, '.'));
    gross[12][12] = '1';
    std::string brett;
    for (const auto& zeile : gross) brett += (brett.empty() ? "" : "|") + zeile;
    TSpielTest w;
    w.z.einst.Sturmflut = 1;
    ASSERT_TRUE(w.Starten(brett));
    w.Bis(71999);
    EXPECT_TRUE(w.spiel.FeldAktiv());
    w.Bis(72000);
    EXPECT_FALSE(w.spiel.FeldAktiv());
    // Off: no flood.
    TSpielTest v;
    ASSERT_TRUE(v.Starten("1..|..2"));
    EXPECT_FALSE(v.spiel.Timer_Sturmflut().Eingeschaltet());
}
