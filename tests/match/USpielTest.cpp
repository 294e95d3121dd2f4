#include "match/USpiel.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/match/SpielHilfen.h"

using namespace taste;

namespace {

// The cell files read so far, without the general and picture files.
Zeilen Zellendateien(const TSpeicherLevel& l) {
    Zeilen v;
    std::copy_if(l.Gelesen.begin(), l.Gelesen.end(), std::back_inserter(v),
                 [](const std::string& p) { return p.find('.') == std::string::npos; });
    return v;
}

// Ends the running round with player 2 killed and goes on to the next.
void Weiter(TSpielTest& t) {
    t.spiel.RundenEnde(2);
    t.spiel.NextRound();
}

}  // namespace

TEST(Spiel, RundeMitBombenZeitenUndRundenende) {
    TSpielTest t;
    ASSERT_TRUE(t.Starten("1.......|........|........|.......2"));
    // Player 2's bomb at 0 starts the beat: 400, 800, ... Player 1's, laid at 700, 300 ms after
    // a tick, goes off at the fifth tick after it: 1700 ms after laying.
    t.Tasten({{0, Leer}, {10, Hoch}, {20, Links}, {700, E}, {710, S}, {720, D}});
    t.Bis(1999);
    EXPECT_EQ(t.Zelle(3, 7), 'o');
    t.Tasten({{2000, Leer}});  // no second bomb while the first one's explosion lasts
    EXPECT_EQ(t.Brett(), Z("o.......|.1.....x|......2x|.....xxx"));
    t.Bis(2399);
    EXPECT_EQ(t.Zelle(0, 0), 'o');
    t.Bis(2400);
    EXPECT_EQ(t.Brett(), Z("xxx.....|x1.....x|x.....2x|.....xxx"));
    EXPECT_FALSE(t.spiel.Timer_Bombe().Eingeschaltet()) << "the list is empty again";
    // Both explosions recede at the fifth tick of their beat; player 2 may lay a bomb again.
    t.Bis(3999);
    EXPECT_EQ(t.Zelle(3, 7), 'x');
    t.Tasten({{4000, Leer}, {4010, Hoch}, {4020, Links}});
    EXPECT_EQ(t.Brett(), Z("........|.1...2..|......o.|........"));
    t.Tasten({{6000, Rechts}});  // player 2 steps into its explosion
    const Zeilen ende = Z("......x.|.1....t.|....xxxx|......x.");
    EXPECT_EQ(t.Brett(), ende);
    EXPECT_TRUE(t.spiel.LetztesErgebnis() == 2 && t.ansicht.Punkte == (TPunkte{100, 0}));
    EXPECT_EQ(t.meldungen.Texte(), (Zeilen{"Spieler 1 hat die letzte Runde gewonnen!"}));
    // A step into a blast is a hit, as a blast reaching the player is (below).
    EXPECT_EQ(t.ansicht.Gehoert({TKlang::SpielerGetroffen, TKlang::SpielerErtrunken}),
              "6000 Spieler getroffen");
    EXPECT_TRUE(t.ansicht.Naechste && !t.ansicht.FeldAn && t.AllesSteht());
    t.Tasten({{10000, D}});  // nothing moves between rounds
    EXPECT_EQ(t.Brett(), ende);
}

TEST(Spiel, NachDemErstenTrefferZuendetImSelbenTaktNichtsMehr) {
    TSpielTest t;
    ASSERT_TRUE(t.Starten("2....|.....|1...."));
    t.z.Aendern([](auto& e) { e.Spieler1.MehrBomben = true; });
    t.Tasten({{0, E}, {10, D}, {20, E}});  // two bombs in one beat, player 1 on the second
    t.Bis(2000);  // the first kills player 2; player 1 on the second survives and wins
    EXPECT_EQ(t.Brett(), Z("t....|x....|xP..."));
    EXPECT_TRUE(t.spiel.LetztesErgebnis() == 2 && t.z.bomben.Bombenliste().size() == 1);
    EXPECT_EQ(t.ansicht.Gehoert({TKlang::SpielerGetroffen, TKlang::SpielerErtrunken}),
              "2000 Spieler getroffen");
}

TEST(Spiel, TastenSperreGemeinsameTastenComputerUndWerfen) {
    TSpielTest t;  // player 2 uses "D" for right as well: it is player 1's
    ASSERT_TRUE(t.Starten("1..|...|..2",
                          [](auto& e) { e.SpielerVerzoegerung = 50, e.Spieler2.TasteRechts = D; }));
    t.Tasten({{0, W}, {49, D}, {49, Links}});  // "W" is blocked yet counts: "D" is dropped
    EXPECT_EQ(t.Brett(), Z("1..|...|.2."));    // while player 2 is free
    t.Tasten({{50, D}, {100, E}, {150, E}});
    EXPECT_EQ(t.Brett(), Z(".P.|...|.2."));
    EXPECT_TRUE(t.spiel.Belegt(1)) << "a bomb key without an allowed bomb still counts";
    // With player 1 steered by the computer the key is player 2's; player 1's own keys do nothing.
    TSpielTest u;
    ASSERT_TRUE(u.Starten("1#.|2..",
                          [](auto& e) { e.Spieler2.TasteRechts = D, e.Spieler1.Computer = true; }));
    u.Tasten({{0, S}, {0, D}});
    EXPECT_FALSE(u.spiel.Belegt(1));
    u.spiel.TasteVerarbeiten(Hoch, 2, u.z.E(), true);  // a human's key as if from the computer
    EXPECT_EQ(u.Brett(), Z("1#.|.2."));
    // The bomb key is also "Werfen": with no bomb allowed it throws, when the player may.
    TSpielTest w;
    ASSERT_TRUE(w.Starten("1.###|#####|....2", [](auto& e) { e.Spieler1.TasteWerfen = E; }));
    w.Tasten({{0, E}, {10, D}, {20, E}});
    EXPECT_EQ(w.Brett()[0], "o1###");
    w.z.Aendern([](TSpielRecEinstellungen& e) { e.Spieler1.Werfen = true; });
    w.Tasten({{30, E}});
    const Zeilen b = w.Brett();
    EXPECT_EQ(b[0], ".1###") << "choose another seed";
    EXPECT_EQ(std::count(b[2].begin(), b[2].end(), 'o'), 1);
}

TEST(Spiel, MatchendeNachPunkten) {
    // One round: player 2 collects extras (20 points each, all four kinds), then the round ends
    // with r.
    const std::string lang = "Ein sehr langer Spielername";
    // clang-format off
    const std::tuple<int, TGetroffen, TPunkte, std::string> faelle[] = {
        {0, 3, {0, 0}, "Das Match geht unendschieden aus!"},
        {1, 2, {100, 20}, "Anna hat das Match gewonnen!"},
        {6, 2, {100, 120}, lang + " hat das Match gewonnen!"},  // fewer rounds, more points
        {5, 2, {100, 100}, "Das Match geht unendschieden aus!"},
    };
    // clang-format on
    for (const auto& [extras, r, punkte, text] : faelle) {
        TSpielTest t;
        ASSERT_TRUE(t.Starten("1......|2mwumwk", [&](auto& e) {
            e.Rundenanzahl = 1, e.Spieler1.Name = "Anna", e.Spieler2.Name = lang;
        }));
        for (int i = 0; i < extras; ++i) t.Tasten({{10u * i, Rechts}});
        t.spiel.RundenEnde(r);
        t.spiel.RundenEnde(r);  // a second end in the same tick is ignored
        // Only the match message, decided with this round's points; both enter the list.
        EXPECT_TRUE(t.meldungen.Texte() == (Zeilen{text}) && t.ansicht.Punkte == punkte);
        // Player 1 is entered first, so on equal points player 2 follows.
        const THighscoreEintrag a{"Anna", punkte[0]}, b{"Ein sehr langer Spie", punkte[1]};
        EXPECT_EQ(t.highscore.Liste(), (punkte[1] > punkte[0] ? std::list{b, a} : std::list{a, b}));
        // A winner of the match is heard after the round's sound; a draw has none of its own.
        using enum TKlang;
        const std::string jetzt = std::to_string(t.uhr.Jetzt()) + " ";
        EXPECT_EQ(t.ansicht.Gehoert({RundeGewonnen, RundeUnentschieden, MatchGewonnen}),
                  jetzt + (r == 3 ? "Runde unentschieden" : "Runde gewonnen") +
                      (punkte[0] != punkte[1] ? ", " + jetzt + "Match gewonnen" : ""));
        t.spiel.NextRound();  // the button is disabled
        EXPECT_TRUE(t.spiel.Runde() == 1 && !t.ansicht.Naechste);
    }
}

TEST(Spiel, PunkteHaltenAmEndeDesZaehlers) {
    // Points are 16-bit in the files: they stop at 65535 instead of starting again at 0.
    TSpielTest t;
    ASSERT_TRUE(t.Starten("1m.|..2", [](auto& e) { e.Rundenanzahl = 2; }));
    t.z.Aendern([](auto& e) { e.Spieler1.Punkte = 65530, e.Spieler2.Punkte = 65500; });
    t.Taste(D);  // an extra: 20 points
    t.spiel.RundenEnde(1);
    EXPECT_EQ(t.ansicht.Punkte, (TPunkte{65535, 65535}));
}

TEST(Spiel, LevelreihenfolgeUndRundenstart) {
    TSpielTest t;
    t.Level("eins", "1.k2.");
    t.Level("zwei", "1...2");
    ASSERT_TRUE(t.Starten());
    t.Taste(Links);  // player 2 catches the disease; player 1's keys are swapped as by it
    t.z.Aendern([](auto& e) { std::swap(e.Spieler1.TasteOben, e.Spieler1.TasteUnten); });
    t.z.einst.Arbeitskopie.Spieler2.Name = "Neu";
    t.spiel.RundenEnde(2);
    EXPECT_EQ(t.meldungen.Letzter(), "Spieler 1 hat die letzte Runde gewonnen!");
    // A new round takes the working copy, without extras, and keeps the points.
    t.spiel.NextRound();
    const auto e = t.z.E();
    EXPECT_TRUE(e.Spieler2.Name == "Neu" && e.Spieler1.TasteOben == W);
    EXPECT_FALSE(e.Spieler2.Krank || t.spiel.Timer_Krank(2).Eingeschaltet());
    EXPECT_EQ(t.ansicht.Punkte, (TPunkte{100, 20}));
    EXPECT_EQ(t.ansicht.Extras, (std::array<std::array<bool, 4>, 2>{}));
    // More rounds than levels: the last level again.
    Weiter(t);
    EXPECT_TRUE(t.spiel.Runde() == 3 && Zellendateien(t.level) == Z("eins|zwei|zwei"));
    t.spiel.RundenEnde(2);
    EXPECT_EQ(t.meldungen.Letzter(), "Spieler 1 hat das Match gewonnen!");
    // A second match starts at round 1 with round 1's level and no points; random levels come
    // only from the number of levels the settings dialog lists.
    t.spiel.FormClose();
    t.level.Gelesen.clear();
    ASSERT_TRUE(t.Starten());
    EXPECT_TRUE(t.spiel.Runde() == 1 && t.z.E().Spieler1.Punkte == 0 &&
                Zellendateien(t.level) == Z("eins"));
    t.Level("drei", "1.2");
    t.z.einst.LevelAnzahl = 2;
    t.Einstellen([](auto& e) { e.LevelZufall = true, e.Rundenanzahl = 100; });
    for (int i = 0; i < 40; ++i) Weiter(t);
    const Zeilen v = Zellendateien(t.level);
    EXPECT_EQ(std::count(v.begin(), v.end(), "drei"), 0);
    EXPECT_GT(std::count(v.begin(), v.end(), "zwei"), 10);
}

TEST(Spiel, NeustartUndLevelDerNichtLaedt) {
    TSpielTest t;
    t.Level("eins", "1...2");
    t.Level("zwei", "1..2.");
    t.z.einst.LevelAnhaengen("fehlt");
    t.z.einst.LevelAnzahl = 3;
    ASSERT_TRUE(t.Starten());
    Weiter(t);
    t.Tasten({{0, D}, {10, E}});
    EXPECT_EQ(t.Brett(), Z(".P.2."));
    t.spiel.Neustart();
    EXPECT_TRUE(t.spiel.Runde() == 1 && t.ansicht.Punkte == (TPunkte{0, 0}));
    EXPECT_TRUE(t.z.bomben.KeineBomben() && t.highscore.Liste().empty());
    EXPECT_TRUE(!t.spiel.Belegt(1) && t.ansicht.FeldAn && !t.ansicht.Naechste);
    t.Bis(6000);  // round 1's level, and the abandoned bomb never goes off
    EXPECT_EQ(t.Brett(), Z("1...2"));
    // Round 3's level does not load: only "Neustart" or closing remain.
    Weiter(t);
    Weiter(t);
    EXPECT_FALSE(t.ansicht.FeldAn || t.ansicht.Naechste);
    t.spiel.NextRound();
    EXPECT_EQ(t.spiel.Runde(), 3);
    t.spiel.Neustart();
    EXPECT_TRUE(t.spiel.Runde() == 1 && t.ansicht.FeldAn);
    // The cell file breaks off after the round state was set: not even the computer's beat runs.
    TSpielTest u;
    u.Einstellen([](auto& e) { e.Spieler1.Computer = true; });
    u.level.Hinzufuegen("kurz", TFeldDaten{.Name = "", .SpielBreite = 3, .SpielHoehe = 1},
                        {TZelle{zaSpieler1}});
    u.z.einst.LevelAnhaengen("kurz");
    u.z.einst.LevelAnzahl = 1;
    // While its error box is open (its event loop runs the timers), nothing ticks either.
    struct TMitFehlerbox : ILevelQuelle {
        TSpielTest& t;
        bool TimerLiefen = false;
        explicit TMitFehlerbox(TSpielTest& s) : t(s) {}
        bool AllgemeinLesen(const std::string& p) override { return t.level.AllgemeinLesen(p); }
        bool ZellenLesen(const std::string& p, std::uint32_t n) override {
            const bool fehler = t.level.ZellenLesen(p, n);
            TimerLiefen = TimerLiefen || !t.AllesSteht();
            return fehler;
        }
        bool BilderLesen(const std::string& p) override { return t.level.BilderLesen(p); }
    } box(u);
    TSpiel mitBox{{u.z.d, box, u.highscore, "", u.meldungen, u.ansicht, u.uhr}};
    EXPECT_FALSE(mitBox.MatchStarten() || box.TimerLiefen);
    EXPECT_TRUE(!u.Starten() && u.AllesSteht() && !u.ansicht.FeldAn);
}

TEST(Spiel, UnverwundbarkeitZaehltSekundenUndAddiert) {
    TSpielTest t;
    ASSERT_TRUE(t.Starten("1uu......2|##########|~.########"));
    EXPECT_FALSE(t.spiel.Timer_Wasser().Eingeschaltet());
    t.Tasten({{0, D}});  // 30 s; the pickup lets the water go, since it has room
    EXPECT_TRUE(t.spiel.Timer_Wasser().Eingeschaltet() && t.ansicht.Sekunden[0] == 30 &&
                t.ansicht.Extras[0][2]);
    t.Bis(20000);
    EXPECT_EQ(t.ansicht.Sekunden[0], 10);
    t.Tasten({{20000, D}});  // a second one adds up, on the running one-second beat
    EXPECT_EQ(t.ansicht.Sekunden[0], 40);
    t.Bis(60999);  // 40 ticks count down to 0, the 41st ends the protection
    EXPECT_TRUE(t.spiel.Restsekunden(1) == 0 && t.z.E().Spieler1.Unverwundbar);
    t.Bis(61000);
    EXPECT_FALSE(t.z.E().Spieler1.Unverwundbar || t.ansicht.Extras[0][2] ||
                 t.ansicht.Sekunden[0] != 0 || t.spiel.Timer_Unverwund(1).Eingeschaltet());
    // A new round shows no protection left, whatever the panel showed before.
    t.ansicht.Sekunden[0] = 7;
    t.spiel.RundenZustandSetzen();
    EXPECT_EQ(t.ansicht.Sekunden[0], 0);
    // Heard: each pickup, and a warning in each of the last three seconds.
    EXPECT_EQ(t.ansicht.Gehoert({TKlang::ExtraUnverwundbar, TKlang::UnverwundbarEndet}),
              "0 Extra Unverwundbar, 20000 Extra Unverwundbar, 57000 Unverwundbarkeit endet, "
              "58000 Unverwundbarkeit endet, 59000 Unverwundbarkeit endet");
}

TEST(Spiel, WasserSteigtErstNachDerErstenExplosionUndErtraenkt) {
    TSpielTest t;
    ASSERT_TRUE(t.Starten("~...1|#####|.o..2"));
    t.Bis(10000);
    t.z.bomben.Anhaengen(0, {3, 2}, 2, true);  // explodes at 12000, recedes at 14000
    t.spiel.Timer_Bombe().Einschalten();
    // Every 2000 ms from there.
    // clang-format off
    for (const auto& [bis, oben] : {std::pair{14000, "~...1"}, {16000, "~~..1"}, {21999, "~~~~1"},
                                    {22000, "~~~~t"}}) {
        // clang-format on
        t.Bis(bis);
        EXPECT_EQ(t.Brett(), Z(oben + std::string("|#####|....2"))) << bis;
    }
    EXPECT_EQ(t.meldungen.Letzter(), "Spieler 2 hat die letzte Runde gewonnen!");
    // One quiet sound per water step, then the drowning ends the round.
    using enum TKlang;
    EXPECT_EQ(t.ansicht.Gehoert({WasserSteigt, SpielerErtrunken, SpielerGetroffen, RundeGewonnen}),
              "16000 Wasser steigt, 18000 Wasser steigt, 20000 Wasser steigt, 22000 Wasser steigt, "
              "22000 Spieler ertrunken, 22000 Runde gewonnen");
}

TEST(Spiel, KlaengeVonBombenBloeckenUndExtras) {
    using enum TKlang;
    TSpielTest t;
    ASSERT_TRUE(
        t.Starten("1.+.....|........|........|.......2", [](auto& e) { e.ExtraProzent = 100; }));
    // Both lay a bomb at 0 and step aside: one beat, one explosion sound, one for the block.
    t.Tasten({{0, E}, {0, Leer}, {10, S}, {10, Hoch}, {20, D}, {20, Links}});
    t.Bis(4000);  // the blast recedes and uncovers the extra
    EXPECT_NE(std::string("wmuk").find(t.Zelle(0, 2)), std::string::npos);
    t.Tasten({{4010, W}, {4020, D}});  // player 1 takes it
    int extra = 0;
    while (extra < 4 && !t.ansicht.Extras[0][extra]) ++extra;
    ASSERT_LT(extra, 4);
    const TKlang aufgesammelt[4] = {ExtraWerfen, ExtraMehrBomben, ExtraUnverwundbar,
                                    ExtraKrankheit};
    EXPECT_EQ(t.ansicht.Gehoert(),
              "0 Bombe gelegt, 0 Bombe gelegt, 2000 Explosion, 2000 Block "
              "zerstört, 4000 Extra freigelegt, 4020 " +
                  KlangName(aufgesammelt[extra]));

    // Each extra lights its own place in the panel.
    TSpielTest x;
    ASSERT_TRUE(x.Starten("1wmuk|.....|....2"));
    for (int i = 0; i < 4; ++i) {
        x.Tasten({{std::uint64_t(10 + 10 * i), D}});
        EXPECT_TRUE(x.ansicht.Extras[0][i] && (i == 3 || !x.ansicht.Extras[0][i + 1])) << i;
    }

    // A throw is heard twice at once (the landing sound starts late by itself); a bomb that
    // cannot be laid or thrown is silent.
    TSpielTest u;
    ASSERT_TRUE(u.Starten("1w.....|.......|......2"));
    u.Tasten({{0, D}, {10, E}, {20, E}, {30, A}});
    // The bomb lands on the free cell the random source chooses, counted in board order with
    // its own cell freed: one of the 19 cells from the second to the one before player 2.
    u.Bis(40);
    TZufall zufall = u.z.zufall;
    const int ziel = int(zufall.Zufall(19)) + 1;
    u.Tasten({{40, R}, {50, R}});
    EXPECT_EQ(u.Zelle(ziel / 7, ziel % 7), 'o');
    u.spiel.RundenEnde(3);
    EXPECT_EQ(u.ansicht.Gehoert(),
              "0 Extra Werfen, 10 Bombe gelegt, 40 Bombe geworfen, 40 Bombe "
              "gelandet, 50 Runde unentschieden");

    // Without "Werfen" the throw key does nothing, and is silent.
    TSpielTest w;
    ASSERT_TRUE(w.Starten("1......|......2"));
    w.Tasten({{0, E}, {10, D}, {20, R}});
    EXPECT_TRUE(w.Brett()[0] == "o1....." && w.ansicht.Gehoert() == "0 Bombe gelegt");
}

TEST(Spiel, KrankheitVertauschtTastenBeiJedemZufallstick) {
    TSpielTest t(3);
    // The random source as it stands before each draw, copied: the expected draws follow.
    TZufall vorher = t.z.zufall;
    ASSERT_TRUE(t.Starten(".....|..1k.|.....|....2"));
    const std::uint64_t tick = vorher.Zufall(5000);
    EXPECT_EQ(t.spiel.Timer_Krank(2).Intervall(), vorher.Zufall(5000));
    t.Taste(D);  // player 1 catches the disease at 0
    ITimer& krank = t.spiel.Timer_Krank(1);
    ASSERT_EQ(krank.Intervall(), tick);
    ASSERT_GT(tick, 20u) << "choose another seed";
    t.Tasten({{tick - 1, W}});
    EXPECT_EQ(t.Zelle(0, 3), '1') << "keys still normal";
    vorher = t.z.zufall;
    t.Bis(tick);
    EXPECT_EQ(krank.Intervall(), vorher.Zufall(5000)) << "a new interval at every tick";
    EXPECT_EQ(t.ansicht.Gehoert({TKlang::TastenVertauscht}),
              std::to_string(tick) + " Tasten vertauscht");
    const auto s = t.z.E().Spieler1;
    EXPECT_EQ((std::array{s.TasteOben, s.TasteUnten, s.TasteLinks, s.TasteRechts, s.TasteBombe}),
              (std::array{S, W, D, A, E}));
    const std::uint64_t naechster = tick + krank.Intervall();
    ASSERT_GT(naechster, tick + 30) << "choose another seed";
    t.Tasten({{tick + 9, W}, {tick + 19, A}});  // now "W" moves down and "A" right
    EXPECT_EQ(t.Zelle(1, 4), '1');
    // A pad's "right" is swapped alike: it stands for the configured key D.
    t.Bis(tick + 29);
    t.spiel.SpielerAktion(1, 3);
    EXPECT_EQ(t.Zelle(1, 3), '1');
    t.Bis(naechster);  // normal again at the following tick; player 2 is healthy
    const auto n = t.z.E();
    EXPECT_EQ((std::array{n.Spieler1.TasteOben, n.Spieler1.TasteLinks, n.Spieler2.TasteOben}),
              (std::array{W, A, Hoch}));
    // Either player's disease swaps that player's keys at its own timer's tick, and a round that
    // ends with them swapped leaves the configured keys in the settings.
    for (const int p : {1, 2}) {
        TSpielTest u(3);
        ASSERT_TRUE(u.Starten(p == 1 ? ".....|..1k.|.....|....2" : ".....|..2k.|.....|1...."));
        u.Taste(p == 1 ? D : Rechts);
        u.Bis(u.spiel.Timer_Krank(p).Intervall());
        const auto e = u.z.E();
        EXPECT_EQ((std::array{e.Spieler1.TasteOben, e.Spieler2.TasteOben}),
                  (p == 1 ? std::array{S, Hoch} : std::array{W, Runter}));
        u.spiel.RundenEnde(3 - p);
        const auto v = u.z.E().Spieler(p);
        EXPECT_EQ((std::array{v.TasteOben, v.TasteUnten, v.TasteLinks, v.TasteRechts}),
                  (p == 1 ? std::array{W, S, A, D} : std::array{Hoch, Runter, Links, Rechts}));
    }
}

TEST(Spiel, IntervalleAusEinerHandgemachtenDateiWerdenBegrenzt) {
    TSpielTest t;
    ASSERT_TRUE(t.Starten("1.......|.......2", [](auto& e) {
        e.SpielerVerzoegerung = 0, e.PlatzExplo = 4, e.ExploDauer = 1, e.WasserGeschwindigkeit = 0;
    }));
    EXPECT_EQ(t.spiel.Timer_Wasser().Intervall(), 10u);
    // The lock lasts 1 ms; the fuse and the blast 500 ms each.
    t.Tasten({{0, E}, {1, D}, {2, D}, {3, D}});
    EXPECT_EQ(t.Brett(), Z("o..1....|.......2"));
    // clang-format off
    for (const auto& [bis, brett] : {std::pair{499, "o..1....|.......2"},
                                     {500, "xxx1....|x......2"}, {1000, "...1....|.......2"}}) {
        // clang-format on
        t.Bis(bis);
        EXPECT_EQ(t.Brett(), Z(brett)) << bis;
    }
    EXPECT_EQ(t.z.E().SpielerVerzoegerung, 0) << "the record itself is left as it was";
    // And the largest values at their ends.
    TSpielTest g;
    ASSERT_TRUE(g.Starten("1.......|.......2", [](auto& e) {
        e.SpielerVerzoegerung = e.PlatzExplo = e.ExploDauer = e.WasserGeschwindigkeit = 65535;
    }));
    EXPECT_EQ(
        (std::array{g.spiel.Timer_Bombe().Intervall(), g.spiel.Timer_Explo().Intervall(),
                    g.spiel.Timer_Wasser().Intervall(), g.spiel.Timer_Spieler(1).Intervall()}),
        (std::array{12000u, 12000u, 60000u, 1000u}));

    // Fuse and blast each follow their own field; the blast's beat stops with its list.
    TSpielTest u;
    ASSERT_TRUE(
        u.Starten("1.......|.......2", [](auto& e) { e.PlatzExplo = 1000, e.ExploDauer = 3000; }));
    u.Tasten({{0, E}, {10, D}, {20, D}, {30, D}});
    for (const auto& [bis, zelle] : {std::pair{999, 'o'}, {1000, 'x'}, {3999, 'x'}, {4000, '.'}}) {
        u.Bis(bis);
        EXPECT_EQ(u.Zelle(0, 0), zelle) << bis;
    }
    EXPECT_FALSE(u.spiel.Timer_Explo().Eingeschaltet());
}

TEST(Spiel, KITimerIntervall) {
    // clang-format off
    const std::tuple<std::uint16_t, std::uint8_t, std::uint32_t> faelle[] = {
        {2000, 3, 450}, {2000, 5, 150}, {2000, 1, 750}, {2005, 3, 450},  // divisions truncate
        {500, 1, 1}, {500, 5, 1}, {520, 5, 2},
        {400, 3, 1},                  // a fuse below 500 ms never gives an endless beat
        {2000, 0, 0}, {2000, 6, 0}};  // out of range: the interval is kept
    // clang-format on
    for (const auto& [platz, schwierigkeit, ms] : faelle)
        EXPECT_EQ(KIIntervall(platz, schwierigkeit), ms) << platz << " " << int(schwierigkeit);
    TSpielTest t;
    // Either player may be the computer.
    ASSERT_TRUE(t.Starten("1#2", [](auto& e) { e.Spieler1.Computer = true, e.Schwierigkeit = 9; }));
    // The interval the window was made with.
    EXPECT_TRUE(t.spiel.Timer_KI().Intervall() == 2000 && t.spiel.Timer_KI().Eingeschaltet());
    t.spiel.FormClose();
    t.Einstellen([](auto& e) { e.Schwierigkeit = 5, e.PlatzExplo = 500; });
    ASSERT_TRUE(t.Starten());
    EXPECT_EQ(t.spiel.Timer_KI().Intervall(), 1u);
}

TEST(Spiel, TodesartJeSpieler) {
    using TTasten = std::initializer_list<std::pair<std::uint64_t, std::uint16_t>>;
    auto runde = [](const std::string& brett, TTasten tasten, std::uint64_t bis) {
        TSpielTest t;
        EXPECT_TRUE(t.Starten(brett));
        t.Tasten(tasten);
        t.Bis(bis);
        return std::tuple{int(t.spiel.LetztesErgebnis()), t.spiel.Todesart(1), t.spiel.Todesart(2)};
    };
    using enum TTodesart;
    // One blast, both killed: its layer by its own bomb, the other by the opponent's.
    EXPECT_EQ(runde("1.2|...", {{0, E}}, 2000), std::tuple(3, EigeneBombe, GegnerBombe));
    // Walking into the opponent's fire.
    EXPECT_EQ(runde("1..2..|......", {{0, Leer}, {20, Rechts}, {40, Runter}, {2100, D}}, 2100),
              std::tuple(1, GegnerBombe, Keine));
    // The extra sets the water going; it floods the cell left, then the player's.
    EXPECT_EQ(runde("~1m|###|2..", {{0, D}}, 4000), std::tuple(1, Ertrunken, Keine));
}
