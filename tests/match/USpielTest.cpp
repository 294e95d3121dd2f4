#include "match/USpiel.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// ---- Keys and the waiting time ----

TEST(Spiel, JedeAktionSperrtDenSpielerBisZurVerzoegerung) {
    TSpielTest t;
    t.Einstellen([](TSpielRecEinstellungen& e) { e.SpielerVerzoegerung = 50; });
    t.Level("a", {"1..", "...", "..2"});
    ASSERT_TRUE(t.Starten());
    t.Taste(W);  // blocked by the border, but it counts
    EXPECT_TRUE(t.spiel.Belegt(1));
    t.Bis(49);
    t.Taste(D);
    EXPECT_EQ(t.Zelle(0, 0), '1') << "dropped, not queued";
    t.Taste(Links);  // the other player is free
    EXPECT_EQ(t.Zelle(2, 1), '2');
    t.Bis(50);
    EXPECT_FALSE(t.spiel.Belegt(1));
    t.Taste(D);
    EXPECT_EQ(t.Zelle(0, 1), '1');
    EXPECT_FALSE(t.spiel.Timer_Spieler(1).Eingeschaltet() && !t.spiel.Belegt(1));
    // A bomb key without an allowed bomb still counts as the action.
    t.Bis(100);
    t.Taste(E);
    t.Bis(150);
    t.Taste(E);
    EXPECT_TRUE(t.spiel.Belegt(1));
    EXPECT_EQ(t.z.bomben.Bombenliste().size(), 1u);
}

TEST(Spiel, GemeinsameTasteUndComputerSpieler) {
    TSpielTest t;
    // Player 2 uses "D" for right as well.
    t.Einstellen([](TSpielRecEinstellungen& e) { e.Spieler2.TasteRechts = 0x44; });
    t.Level("a", {"1..", "2.."});
    ASSERT_TRUE(t.Starten());
    t.Taste(D);
    EXPECT_EQ(t.Brett(), (Zeilen{".1.", "2.."}));

    // With player 1 steered by the computer the key belongs to player 2, and player 1's own keys
    // do nothing.
    TSpielTest u;
    u.Einstellen([](TSpielRecEinstellungen& e) {
        e.Spieler2.TasteRechts = 0x44;
        e.Spieler1.Computer = true;
    });
    u.Level("a", {"1#.", "2.."});
    ASSERT_TRUE(u.Starten());
    u.Taste(S);
    u.Taste(D);
    EXPECT_EQ(u.Brett(), (Zeilen{"1#.", ".2."}));
    EXPECT_FALSE(u.spiel.Belegt(1));
    // A human's key handed to the action as if from the computer is refused.
    u.spiel.TasteVerarbeiten(Rechts, 2, u.z.E(), true);
    EXPECT_EQ(u.Brett(), (Zeilen{"1#.", ".2."}));
}

TEST(Spiel, BombenUndWerfenAufDerselbenTaste) {
    TSpielTest t;
    t.Einstellen([](TSpielRecEinstellungen& e) { e.Spieler1.TasteWerfen = 0x45; });
    t.Level("a", {"1.###", "#####", "....2"});
    ASSERT_TRUE(t.Starten());
    t.Taste(E);
    t.Bis(10);
    t.Taste(D);
    EXPECT_EQ(t.Brett()[0], "o1###");
    t.Bis(20);
    t.Taste(E);  // no second bomb allowed and no "Werfen": nothing
    EXPECT_EQ(t.Brett()[0], "o1###");
    t.z.Aendern([](TSpielRecEinstellungen& e) { e.Spieler1.Werfen = true; });
    t.Bis(30);
    t.Taste(E);  // now the same key throws
    const auto b = t.Brett();
    EXPECT_EQ(b[0][1], '1');
    EXPECT_NE(b[0][0] == 'o' ? 0 : 1, 2);
    int bomben = 0;
    for (const auto& z : b)
        for (char c : z) bomben += c == 'o';
    EXPECT_EQ(bomben, 1);
    EXPECT_EQ(t.z.bomben.Bombenliste().size(), 1u);
}

// ---- Round ends ----

TEST(Spiel, SchrittInExplosionBeendetDieRunde) {
    TSpielTest t;
    t.Level("a", {"2.....", "......", "......", "1....."});
    ASSERT_TRUE(t.Starten());
    t.Taste(Leer);
    t.Bis(10);
    t.Taste(Rechts);
    t.Bis(20);
    t.Taste(Runter);
    t.Bis(2000);
    EXPECT_EQ(t.Brett(), (Zeilen{"xxx...", "x2....", "x.....", "1....."}));
    EXPECT_TRUE(t.ansicht.FeldAn);
    t.Taste(W);  // player 1 steps into the explosion
    EXPECT_EQ(t.Brett(), (Zeilen{"xxx...", "x2....", "t.....", "......"}));
    EXPECT_EQ(t.spiel.LetztesErgebnis(), 1);
    EXPECT_EQ(t.Punkte(2), 100);
    EXPECT_EQ(t.Punkte(1), 0);
    EXPECT_EQ(t.ansicht.Punkte, (std::array<std::uint16_t, 2>{0, 100}));
    EXPECT_EQ(t.meldungen.Texte(),
              (std::vector<std::string>{"Spieler 2 hat die letzte Runde gewonnen!"}));
    EXPECT_TRUE(t.ansicht.Naechste);
    EXPECT_FALSE(t.ansicht.FeldAn);
    for (ITimer* timer : {&t.spiel.Timer_Bombe(), &t.spiel.Timer_Explo(), &t.spiel.Timer_KI(),
                          &t.spiel.Timer_Spieler(1), &t.spiel.Timer_Spieler(2)})
        EXPECT_FALSE(timer->Eingeschaltet()) << timer->Name();
    // Nothing moves between rounds.
    t.Bis(10000);
    t.Taste(Rechts);
    EXPECT_EQ(t.Brett(), (Zeilen{"xxx...", "x2....", "t.....", "......"}));
}

TEST(Spiel, UnentschiedenUndMatchMitEinerRunde) {
    TSpielTest t;
    t.Einstellen([](TSpielRecEinstellungen& e) { e.Rundenanzahl = 1; });
    t.Level("a", {"1o2"});
    ASSERT_TRUE(t.Starten());
    t.z.bomben.Anhaengen(0, {1, 2}, 1, true);
    t.spiel.Timer_Bombe().Einschalten();
    t.Bis(2000);
    EXPECT_EQ(t.Brett(), (Zeilen{"txt"}));
    EXPECT_EQ(t.spiel.LetztesErgebnis(), 3);
    EXPECT_EQ(t.Punkte(1), 0);
    EXPECT_EQ(t.Punkte(2), 0);
    // The last round shows only the match message; both players still enter the list.
    EXPECT_EQ(t.meldungen.Texte(), (std::vector<std::string>{"Das Match geht unendschieden aus!"}));
    EXPECT_FALSE(t.ansicht.Naechste);
    EXPECT_TRUE(t.spiel.MatchVorbei());
    ASSERT_EQ(t.highscore.Liste().size(), 2u);
    EXPECT_EQ(t.highscore.Liste().front(), (THighscoreEintrag{"Spieler 1", 0}));
    t.spiel.NextRound();  // the button is disabled
    EXPECT_EQ(t.spiel.Runde(), 1);
}

TEST(Spiel, MatchSiegerNachPunktenNichtNachRunden) {
    // Player 2 collects extras, then walks into an explosion: player 1 wins the only round.
    auto spielen = [](TSpielTest& t, int extras) {
        t.Einstellen([](TSpielRecEinstellungen& e) {
            e.Rundenanzahl = 1;
            e.Spieler1.Name = "Anna";
            e.Spieler2.Name = "Ein sehr langer Spielername";
        });
        t.Level("a", {"1......", ".....xx", "2mwmwmw"});
        ASSERT_TRUE(t.Starten());
        for (int i = 0; i < extras; ++i) {
            t.Bis(10u * i);
            t.Taste(Rechts);
        }
        EXPECT_EQ(t.Punkte(2), 20 * extras);
        EXPECT_EQ(t.ansicht.Punkte[1], 20 * extras);
        EXPECT_TRUE(t.ansicht.Extras[1][0] && t.ansicht.Extras[1][1]);
        EXPECT_FALSE(t.ansicht.Extras[0][0] || t.ansicht.Extras[1][2]);
        t.Bis(100);
        t.Taste(Hoch);
        EXPECT_EQ(t.spiel.LetztesErgebnis(), 2);
        EXPECT_EQ(t.Punkte(1), 100);
    };
    TSpielTest t;
    spielen(t, 6);
    EXPECT_EQ(t.meldungen.Texte(),
              (std::vector<std::string>{"Ein sehr langer Spielername hat das Match gewonnen!"}));
    ASSERT_EQ(t.highscore.Liste().size(), 2u);
    EXPECT_EQ(t.highscore.Liste().front(), (THighscoreEintrag{"Ein sehr langer Spie", 120}));
    EXPECT_EQ(t.highscore.Liste().back(), (THighscoreEintrag{"Anna", 100}));

    TSpielTest u;
    spielen(u, 5);
    EXPECT_EQ(u.meldungen.Texte(), (std::vector<std::string>{"Das Match geht unendschieden aus!"}));
    EXPECT_EQ(u.highscore.Liste().size(), 2u);
}

// ---- Levels, restart, round start ----

namespace {

// Ends the running round with player 2 killed, as an explosion would.
void Spieler2Stirbt(TSpielTest& t) {
    t.spiel.RundenEnde(2);
}

std::vector<std::string> Zellendateien(const TSpeicherLevel& l) {
    std::vector<std::string> v;
    for (const auto& p : l.Gelesen)
        if (p.find('.') == std::string::npos) v.push_back(p);
    return v;
}

}  // namespace

TEST(Spiel, LevelreihenfolgeMehrRundenAlsLevel) {
    TSpielTest t;
    t.Level("eins", {"1.2"});
    t.Level("zwei", {"12."});
    ASSERT_TRUE(t.Starten());
    Spieler2Stirbt(t);
    EXPECT_EQ(t.meldungen.Letzter(), "Spieler 1 hat die letzte Runde gewonnen!");
    t.spiel.NextRound();
    Spieler2Stirbt(t);
    t.spiel.NextRound();
    EXPECT_EQ(t.spiel.Runde(), 3);
    EXPECT_EQ(t.ansicht.Runde, 3);
    EXPECT_EQ(Zellendateien(t.level), (std::vector<std::string>{"eins", "zwei", "zwei"}));
    EXPECT_EQ(t.level.Gelesen[0], "eins.all");
    EXPECT_EQ(t.level.Gelesen[2], "eins.bild");
    Spieler2Stirbt(t);
    EXPECT_EQ(t.Punkte(1), 300);
    EXPECT_EQ(t.meldungen.Letzter(), "Spieler 1 hat das Match gewonnen!");
    EXPECT_FALSE(t.spiel.NaechsteRundeAktiv());

    // A second match from the main menu starts at round 1 with round 1's level and 0 points.
    t.spiel.FormClose();
    t.level.Gelesen.clear();
    ASSERT_TRUE(t.Starten());
    EXPECT_EQ(t.spiel.Runde(), 1);
    EXPECT_EQ(t.Punkte(1), 0);
    EXPECT_EQ(Zellendateien(t.level), (std::vector<std::string>{"eins"}));
}

TEST(Spiel, ZufaelligeLevelUndLevelAnzahl) {
    TSpielTest t;
    t.Einstellen([](TSpielRecEinstellungen& e) {
        e.LevelZufall = true;
        e.Rundenanzahl = 100;
    });
    for (const char* n : {"a", "b", "c"}) t.Level(n, {"1.2"});
    // The settings dialog lists only two levels: the third is never chosen.
    t.z.einst.LevelAnzahl = 2;
    ASSERT_TRUE(t.Starten());
    for (int i = 0; i < 40; ++i) {
        Spieler2Stirbt(t);
        t.spiel.NextRound();
    }
    const auto v = Zellendateien(t.level);
    EXPECT_EQ(std::count(v.begin(), v.end(), "c"), 0);
    EXPECT_GT(std::count(v.begin(), v.end(), "a"), 5);
    EXPECT_GT(std::count(v.begin(), v.end(), "b"), 5);
}

TEST(Spiel, NeustartMittenInDerRunde) {
    TSpielTest t;
    t.Level("eins", {"1...2"});
    t.Level("zwei", {"1...2"});
    ASSERT_TRUE(t.Starten());
    Spieler2Stirbt(t);
    t.spiel.NextRound();
    t.Taste(D);
    t.Bis(10);
    t.Taste(E);
    EXPECT_EQ(t.Brett(), (Zeilen{".P..2"}));
    EXPECT_EQ(t.Punkte(1), 100);
    t.spiel.Neustart();
    EXPECT_EQ(t.spiel.Runde(), 1);
    EXPECT_EQ(t.Punkte(1), 0);
    EXPECT_EQ(t.ansicht.Punkte, (std::array<std::uint16_t, 2>{0, 0}));
    EXPECT_EQ(t.Brett(), (Zeilen{"1...2"}));
    EXPECT_TRUE(t.z.bomben.KeineBomben());
    EXPECT_TRUE(t.highscore.Liste().empty());
    EXPECT_FALSE(t.spiel.Belegt(1));
    EXPECT_TRUE(t.ansicht.FeldAn);
    EXPECT_FALSE(t.ansicht.Naechste);
    t.Bis(6000);  // the abandoned bomb never goes off
    EXPECT_EQ(t.Brett(), (Zeilen{"1...2"}));
}

TEST(Spiel, RundenstartNimmtArbeitskopieBehaeltPunkte) {
    TSpielTest t;
    t.Level("a", {"1.k2."});
    t.Level("b", {"1...2"});
    ASSERT_TRUE(t.Starten());
    t.Taste(D);
    t.Taste(Links);
    t.z.Aendern([](TSpielRecEinstellungen& e) {
        std::swap(e.Spieler1.TasteOben, e.Spieler1.TasteUnten);  // as the disease does
        e.Spieler1.MehrBomben = e.Spieler1.Werfen = e.Spieler1.Unverwundbar = true;
    });
    EXPECT_TRUE(t.ansicht.Extras[1][3]);
    t.z.einst.Arbeitskopie.Spieler1.Name = "Neu";
    Spieler2Stirbt(t);
    t.spiel.NextRound();
    const auto e = t.z.E();
    EXPECT_EQ(e.Spieler1.Name, "Neu");
    EXPECT_EQ(e.Spieler1.TasteOben, W);
    EXPECT_FALSE(e.Spieler1.MehrBomben || e.Spieler1.Werfen || e.Spieler1.Unverwundbar ||
                 e.Spieler1.Krank || e.Spieler2.Krank);
    EXPECT_EQ(e.Spieler1.Punkte, 100);
    EXPECT_EQ(e.Spieler2.Punkte, 20);
    for (const auto& p : t.ansicht.Extras)
        for (bool sichtbar : p) EXPECT_FALSE(sichtbar);
    EXPECT_EQ(t.ansicht.Sekunden, (std::array<std::uint16_t, 2>{0, 0}));
    EXPECT_FALSE(t.spiel.Timer_Krank(2).Eingeschaltet());
}

TEST(Spiel, LevelDerNichtLaedtLaesstNurNeustart) {
    TSpielTest t;
    t.Level("gut", {"1.2"});
    t.z.einst.LevelAnhaengen("fehlt");
    t.z.einst.LevelAnzahl = 2;
    ASSERT_TRUE(t.Starten());
    Spieler2Stirbt(t);
    t.spiel.NextRound();
    EXPECT_EQ(t.spiel.Runde(), 2);
    EXPECT_FALSE(t.ansicht.FeldAn);
    EXPECT_FALSE(t.ansicht.Naechste);
    t.spiel.NextRound();
    EXPECT_EQ(t.spiel.Runde(), 2);
    t.spiel.Neustart();
    EXPECT_EQ(t.spiel.Runde(), 1);
    EXPECT_TRUE(t.ansicht.FeldAn);

    // The cell file of the level breaks off after the round state was set: nothing runs.
    TSpielTest u;
    u.Einstellen([](TSpielRecEinstellungen& e) { e.Spieler1.Computer = true; });
    TFeldDaten g;
    g.SpielBreite = 3;
    g.SpielHoehe = 1;
    u.level.Hinzufuegen("kurz", g, {TZelle{zaSpieler1}});
    u.z.einst.LevelAnhaengen("kurz");
    u.z.einst.LevelAnzahl = 1;
    EXPECT_FALSE(u.Starten());
    EXPECT_FALSE(u.spiel.Timer_KI().Eingeschaltet());
    EXPECT_FALSE(u.ansicht.FeldAn);
}

// ---- Extras, disease, invulnerability ----

TEST(Spiel, UnverwundbarkeitZaehltSekundenUndAddiert) {
    TSpielTest t;
    t.Level("a", {"1uu......2"});
    ASSERT_TRUE(t.Starten());
    t.Taste(D);  // at 0: 30 s
    EXPECT_EQ(t.ansicht.Sekunden[0], 30);
    EXPECT_TRUE(t.ansicht.Extras[0][2]);
    EXPECT_EQ(t.Punkte(1), 20);
    t.Bis(20000);
    EXPECT_EQ(t.spiel.Restsekunden(1), 10);
    EXPECT_EQ(t.ansicht.Sekunden[0], 10);
    t.Taste(D);  // a second one: 40, on the running one-second beat
    EXPECT_EQ(t.ansicht.Sekunden[0], 40);
    // 40 ticks count down to 0, the 41st ends the protection.
    t.Bis(60000);
    EXPECT_EQ(t.ansicht.Sekunden[0], 0);
    EXPECT_TRUE(t.z.E().Spieler1.Unverwundbar);
    t.Bis(60999);
    EXPECT_TRUE(t.z.E().Spieler1.Unverwundbar);
    t.Bis(61000);
    EXPECT_FALSE(t.z.E().Spieler1.Unverwundbar);
    EXPECT_FALSE(t.ansicht.Extras[0][2]);
    EXPECT_FALSE(t.spiel.Timer_Unverwund(1).Eingeschaltet());
}

TEST(Spiel, UnverwundbarInDerExplosionUndWasserstartDurchAufsammeln) {
    TSpielTest t;
    t.Einstellen([](TSpielRecEinstellungen& e) { e.WasserGeschwindigkeit = 1000; });
    t.Level("a", {"1u.o.#~", "######.", "2....#."});
    ASSERT_TRUE(t.Starten());
    t.z.bomben.Anhaengen(0, {1, 4}, 2, true);
    t.spiel.Timer_Bombe().Einschalten();
    t.Taste(D);  // the pickup lets the water go, since it has room
    EXPECT_TRUE(t.spiel.Timer_Wasser().Eingeschaltet());
    t.Bis(2000);  // the bomb goes off next to the invulnerable player
    EXPECT_EQ(t.Brett(), (Zeilen{".exxx#~", "######~", "2....#~"}));
    EXPECT_TRUE(t.ansicht.FeldAn);
    t.Taste(D);
    EXPECT_EQ(t.Brett()[0], ".xexx#~");
    t.Bis(4000);  // the explosion recedes with the player standing in it
    EXPECT_EQ(t.Brett()[0], "..1..#~");
    // The water has no room left, yet its timer runs on until the round ends.
    EXPECT_TRUE(t.spiel.Timer_Wasser().Eingeschaltet());
    EXPECT_EQ(t.spiel.LetztesErgebnis(), 0);
}

TEST(Spiel, WasserSteigtErstNachDerErstenExplosionUndErtraenkt) {
    TSpielTest t;
    t.Einstellen([](TSpielRecEinstellungen& e) {
        e.WasserGeschwindigkeit = 2000;
        e.Unverwundbarkeit = 240;
    });
    t.Level("a", {"~....1", "######", "..o..2"});
    ASSERT_TRUE(t.Starten());
    t.Bis(10000);
    EXPECT_EQ(t.Brett()[0], "~....1");
    t.z.bomben.Anhaengen(0, {3, 3}, 2, true);
    t.spiel.Timer_Bombe().Einschalten();  // at 10000: explosion 12000, receded at 14000
    t.Bis(12000);
    EXPECT_EQ(t.Brett()[2], "xxxxx2");
    t.Bis(14000);
    EXPECT_EQ(t.Brett()[2], ".....2");
    EXPECT_EQ(t.Brett()[0], "~....1");
    t.z.Aendern([](TSpielRecEinstellungen& e) { e.Spieler1.Unverwundbar = true; });
    t.Bis(15999);
    EXPECT_EQ(t.Brett()[0], "~....1");
    t.Bis(16000);
    EXPECT_EQ(t.Brett()[0], "~~...1");
    t.Bis(22000);
    EXPECT_EQ(t.Brett()[0], "~~~~~1");
    EXPECT_TRUE(t.ansicht.FeldAn);
    t.Bis(24000);  // invulnerable, and drowned all the same
    EXPECT_EQ(t.Brett()[0], "~~~~~t");
    EXPECT_EQ(t.spiel.LetztesErgebnis(), 1);
    EXPECT_EQ(t.meldungen.Letzter(), "Spieler 2 hat die letzte Runde gewonnen!");
}

TEST(Spiel, KrankheitVertauschtTastenBeiJedemTick) {
    TSpielTest t(3);
    t.Level("a", {".....", "..1k.", ".....", "....2"});
    ASSERT_TRUE(t.Starten());
    t.Taste(D);  // player 1 collects the disease at 0
    EXPECT_TRUE(t.ansicht.Extras[0][3]);
    ITimer& krank = t.spiel.Timer_Krank(1);
    EXPECT_TRUE(krank.Eingeschaltet());
    const std::uint64_t tick = krank.Intervall();
    ASSERT_GT(tick, 20u) << "choose another seed";
    t.Bis(tick - 1);
    t.Taste(W);
    EXPECT_EQ(t.Zelle(0, 3), '1') << "keys still normal";
    t.Bis(tick);
    EXPECT_EQ(t.z.E().Spieler1.TasteOben, S);
    EXPECT_EQ(t.z.E().Spieler1.TasteUnten, W);
    EXPECT_EQ(t.z.E().Spieler1.TasteLinks, D);
    EXPECT_EQ(t.z.E().Spieler1.TasteRechts, A);
    EXPECT_EQ(t.z.E().Spieler1.TasteBombe, E);
    const std::uint64_t naechster = tick + krank.Intervall();
    ASSERT_GT(naechster, tick + 20) << "choose another seed";
    t.Bis(tick + 9);
    t.Taste(W);  // now "W" moves down ...
    EXPECT_EQ(t.Zelle(1, 3), '1');
    t.Bis(tick + 19);
    t.Taste(A);  // ... and "A" right
    EXPECT_EQ(t.Zelle(1, 4), '1');
    t.Bis(naechster);
    EXPECT_EQ(t.z.E().Spieler1.TasteOben, W) << "normal again at the following tick";
    EXPECT_EQ(t.z.E().Spieler1.TasteLinks, A);
    EXPECT_EQ(t.z.E().Spieler2.TasteOben, Hoch) << "player 2 is healthy";
}

// ---- The computer's beat ----

TEST(Spiel, KITimerIntervall) {
    EXPECT_EQ(KIIntervall(2000, 3), 450u);
    EXPECT_EQ(KIIntervall(2000, 5), 150u);
    EXPECT_EQ(KIIntervall(2000, 1), 750u);
    for (std::uint8_t s = 1; s <= 5; ++s) EXPECT_EQ(KIIntervall(500, s), 1u);
    EXPECT_EQ(KIIntervall(520, 5), 2u);
    EXPECT_EQ(KIIntervall(2005, 3), 450u);  // divisions truncate
    EXPECT_EQ(KIIntervall(400, 3), 1u) << "a fuse below 500 ms never gives a negative beat";
    EXPECT_EQ(KIIntervall(2000, 0), 0u);
    EXPECT_EQ(KIIntervall(2000, 6), 0u);

    TSpielTest t;
    t.Einstellen([](TSpielRecEinstellungen& e) {
        e.Spieler2.Computer = true;
        e.Schwierigkeit = 9;
    });
    t.Level("a", {"1#2"});
    ASSERT_TRUE(t.Starten());
    EXPECT_EQ(t.spiel.Timer_KI().Intervall(), 2000u) << "the interval the window was made with";
    EXPECT_TRUE(t.spiel.Timer_KI().Eingeschaltet());
    t.spiel.FormClose();
    t.Einstellen([](TSpielRecEinstellungen& e) {
        e.Schwierigkeit = 5;
        e.PlatzExplo = 500;
    });
    ASSERT_TRUE(t.Starten());
    EXPECT_EQ(t.spiel.Timer_KI().Intervall(), 1u);
    t.spiel.FormClose();
    t.Einstellen([](TSpielRecEinstellungen& e) { e.Spieler2.Computer = false; });
    ASSERT_TRUE(t.Starten());
    EXPECT_FALSE(t.spiel.Timer_KI().Eingeschaltet());
}

// ---- Invariants under random play ----

TEST(Spiel, ZufallsspielHaeltBombenlisteUndSpielerzellenStimmig) {
    for (std::uint64_t saat = 1; saat <= 12; ++saat) {
        TSpielTest t(saat);
        t.Einstellen([](TSpielRecEinstellungen& e) {
            e.Spieler2.Computer = true;
            e.ExtraProzent = 100;
            e.Rundenanzahl = 100;
            e.PlatzExplo = 1000;
            e.ExploDauer = 800;
            e.WasserGeschwindigkeit = 700;
        });
        t.Level("a", {"1..++.+..", ".#+#.#+#.", "++.+~+.+.", ".#+#.#+#.", "..++.+..2"});
        ASSERT_TRUE(t.Starten());
        TZufall z(saat * 77);
        const std::uint16_t tasten[] = {W, S, A, D, E, R};
        for (int schritt = 0; schritt < 3000; ++schritt) {
            t.Bis(t.uhr.Jetzt() + z.Zufall(120));
            if (z.Zufall(50) == 0)
                t.z.Aendern([&](TSpielRecEinstellungen& e) {
                    e.Spieler1.Werfen = true;
                    e.Spieler1.MehrBomben = z.Zufall(2) == 0;
                });
            t.Taste(tasten[z.Zufall(6)]);
            // Every bomb on the board has exactly one record, and every record its bomb.
            const auto& zellen = t.z.feld.Zellen();
            std::size_t bombenzellen = 0;
            for (TIndex i = 1; i <= zellen.size(); ++i)
                if (HatBombe(&zellen[i - 1])) {
                    ++bombenzellen;
                    const TPosition pos = t.z.feld.PositionVon(i);
                    int treffer = 0;
                    for (const TBombe& b : t.z.bomben.Bombenliste()) treffer += b.Position == pos;
                    ASSERT_EQ(treffer, 1) << saat << " step " << schritt;
                }
            ASSERT_EQ(bombenzellen, t.z.bomben.Bombenliste().size()) << saat << " " << schritt;
            int p1 = 0, p2 = 0;
            for (const TZelle& c : zellen) {
                p1 += IstSpieler1(&c);
                p2 += IstSpieler2(&c);
            }
            ASSERT_LE(p1, 1);
            ASSERT_LE(p2, 1);
            if (!t.spiel.FeldAktiv()) {
                if (t.spiel.MatchVorbei()) break;
                t.spiel.NextRound();
            }
        }
    }
}
