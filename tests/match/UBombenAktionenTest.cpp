#include "match/UBombenAktionen.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/match/MatchHilfen.h"

using Zeilen = std::vector<std::string>;

namespace {

// Lays a bomb record for the bomb cell at (row0, col0) and detonates it as the bomb timer does.
TGetroffen Zuenden(TSpielZustand& z, int zeile0, int spalte0, std::uint8_t spieler = 1) {
    const TIndex i = z.Index(zeile0, spalte0);
    const TPosition pos = z.feld.PositionVon(i);
    const TGetroffen g = Detonieren(z.d, i);
    z.bomben.Anhaengen(0, pos, spieler, false);
    return g;
}

void Zurueck(TSpielZustand& z, TAufgesammeltBeide& a) {
    Zurueckweichen(z.d, a);
    z.bomben.ErsteEntfernen(false);
}

}  // namespace

TEST(Bomben, NachbarBombeNimmtDieLetzteRichtung) {
    TSpielZustand z;
    z.Brett({".o.", "o1o", ".o2"});
    TRichtung r = riOben;
    ASSERT_TRUE(NachbarBombe(z.d, zaSpieler1, r));
    EXPECT_EQ(r, riUnten);
    z.Brett({".o.", "o1o", ".Q."});
    ASSERT_TRUE(NachbarBombe(z.d, zaSpieler1, r));
    EXPECT_EQ(r, riRechts) << "a bomb with a player on it cannot be thrown";
    z.Brett({"o..", ".1.", "o.Q"});
    EXPECT_FALSE(NachbarBombe(z.d, zaSpieler1, r));
    // Not across the row end either.
    z.Brett({"..o", "1.2"});
    EXPECT_FALSE(NachbarBombe(z.d, zaSpieler1, r));
}

TEST(Bomben, WerfenVersetztBombeMitZaehler) {
    TSpielZustand z;
    z.Brett({"#o#", "#1#", "#o2"});
    z.bomben.Anhaengen(3, {1, 2}, 2, true);
    z.bomben.Anhaengen(1, {3, 2}, 1, true);
    BombeWerfen(z.d, zaSpieler1);  // the lower one: its own cell is the only free cell
    EXPECT_EQ(z.Brett(), (Zeilen{"#o#", "#1#", "#o2"}));
    EXPECT_EQ(z.bomben.Bombenliste()[1].Position, (TPosition{3, 2}));

    z.Brett({"o1...", "2###."});
    z.bomben.ListenFreigeben();
    z.bomben.Anhaengen(4, {1, 1}, 2, true);
    BombeWerfen(z.d, zaSpieler1);  // the opponent's bomb is fair game
    const auto b = z.Brett();
    EXPECT_EQ(b[0][1], '1');
    int bomben = 0;
    for (const auto& zeile : b)
        bomben += static_cast<int>(std::count(zeile.begin(), zeile.end(), 'o'));
    EXPECT_EQ(bomben, 1);
    const TBombe& bombe = z.bomben.Bombenliste()[0];
    EXPECT_EQ(bombe.Zaehler, 4);
    EXPECT_EQ(bombe.Spieler, 2);
    EXPECT_EQ(b[bombe.Position.Zeile - 1][bombe.Position.Spalte - 1], 'o');
}

TEST(Bomben, ExplosionUndZurueckweichenImFreienFeld) {
    TSpielZustand z;
    z.Brett({".....", ".....", "..o..", ".....", "....."});
    EXPECT_EQ(Zuenden(z, 2, 2), 0);
    EXPECT_EQ(z.Brett(), (Zeilen{"..x..", "..x..", "xxxxx", "..x..", "..x.."}));
    TAufgesammeltBeide a;
    Zurueck(z, a);
    EXPECT_EQ(z.Brett(), (Zeilen{".....", ".....", ".....", ".....", "....."}));
    // At the border the arms end; the rows do not wrap.
    z.Brett({"....", "o...", "...."});
    Zuenden(z, 1, 0);
    EXPECT_EQ(z.Brett(), (Zeilen{"x...", "xxx.", "x..."}));
    Zurueck(z, a);
    EXPECT_EQ(z.Brett(), (Zeilen{"....", "....", "...."}));
}

TEST(Bomben, ArmeEndenAnBloeckenWasserUndBomben) {
    TSpielZustand z;
    z.Aendern([](TSpielRecEinstellungen& e) { e.ExtraProzent = 100; });
    z.Brett({"..#..", "..~..", "+.o+.", "..P..", "..1.."});
    EXPECT_EQ(Zuenden(z, 2, 2), 0) << "a player on a bomb is not hurt by another bomb";
    EXPECT_EQ(z.Brett(), (Zeilen{"..#..", "..~..", "XxxX.", "..P..", "..1.."}));
    TAufgesammeltBeide a;
    Zurueck(z, a);
    const auto b = z.Brett();
    EXPECT_NE(std::string("wmuk").find(b[2][0]), std::string::npos);
    EXPECT_NE(std::string("wmuk").find(b[2][3]), std::string::npos);
    EXPECT_EQ(b[2].substr(1, 2), "..");

    z.Aendern([](TSpielRecEinstellungen& e) { e.ExtraProzent = 0; });
    z.Brett({"o+.", "+.."});
    Zuenden(z, 0, 0);
    EXPECT_EQ(z.Brett(), (Zeilen{"xx.", "x.."}));
}

TEST(Bomben, TrefferToetenUnverwundbareUeberleben) {
    TSpielZustand z;
    // Player 1 at distance 1 and player 2 at distance 2 in the same arm: both die, a draw.
    z.Brett({"o12"});
    EXPECT_EQ(Zuenden(z, 0, 0), 3);
    EXPECT_EQ(z.Brett(), (Zeilen{"xtt"}));

    // The layer still on its bomb dies; invulnerable it stands in the explosion.
    z.Brett({"P..2"});
    EXPECT_EQ(Zuenden(z, 0, 0), 1);
    EXPECT_EQ(z.Brett(), (Zeilen{"txx2"}));
    z.Aendern([](TSpielRecEinstellungen& e) { e.Spieler1.Unverwundbar = true; });
    z.Brett({"P12"});  // a second player-1 cell only to see the arm go on behind it
    EXPECT_EQ(Zuenden(z, 0, 0), 2);
    EXPECT_EQ(z.Brett(), (Zeilen{"eet"}));

    // An invulnerable player stays 6 until the explosion recedes, then 4.
    z.Brett({".1o.2"});
    EXPECT_EQ(Zuenden(z, 0, 2), 2);
    EXPECT_EQ(z.Brett(), (Zeilen{"xexxt"}));
    TAufgesammeltBeide a;
    Zurueck(z, a);
    EXPECT_EQ(z.Brett(), (Zeilen{".1..t"}));
}

TEST(Bomben, ZweiteExplosionUeberSpielerInExplosion) {
    TSpielZustand z;
    z.Aendern([](TSpielRecEinstellungen& e) {
        e.Spieler1.Unverwundbar = true;
        e.Spieler2.Unverwundbar = true;
        e.ExtraProzent = 100;
    });
    // Kinds 6, 7, 10 and 11 stay their player's; the arm goes on behind them, and a hidden
    // extra under a player is destroyed like any other.
    z.Brett({"o.eE.", "....."});
    Zuenden(z, 0, 0);
    EXPECT_EQ(z.Brett()[0], "xxeE.");
    z.Brett({"oE..", "F..."});
    EXPECT_EQ(Zuenden(z, 0, 0), 0);
    EXPECT_EQ(z.Brett(), (Zeilen{"xex.", "f..."}));
    // An extra lying in the arm is destroyed.
    z.Brett({"omk"});
    Zuenden(z, 0, 0);
    EXPECT_EQ(z.Brett(), (Zeilen{"xxx"}));
    // A killed player is left alone.
    z.Brett({"ot."});
    Zuenden(z, 0, 0);
    EXPECT_EQ(z.Brett(), (Zeilen{"xt."}));
}

TEST(Bomben, ZurueckweichenHintermBlockUndAnFremderMitte) {
    TSpielZustand z;
    // B's arm reached the cell behind A's block; when A recedes it is cleared all the same.
    z.Brett({"x#xx"});
    z.bomben.Anhaengen(0, {1, 1}, 1, false);  // A
    z.bomben.Anhaengen(0, {1, 4}, 2, false);  // B
    TAufgesammeltBeide a;
    Zurueck(z, a);
    EXPECT_EQ(z.Brett(), (Zeilen{".#.x"}));

    // B's bomb lay next to A's centre, so A's arm stopped there; B detonated later. When A
    // recedes, the direction toward B stops at B's centre.
    z.Brett({"oo...", "....."});
    z.bomben.ListenFreigeben();
    Zuenden(z, 0, 0);
    EXPECT_EQ(z.Brett(), (Zeilen{"xo...", "x...."}));
    Zuenden(z, 0, 1, 2);
    EXPECT_EQ(z.Brett(), (Zeilen{"xxxx.", "xx..."}));
    Zurueck(z, a);  // A recedes
    EXPECT_EQ(z.Brett(), (Zeilen{".xxx.", ".x..."}));
    Zurueck(z, a);  // B recedes
    EXPECT_EQ(z.Brett(), (Zeilen{".....", "....."}));
}

TEST(Bomben, SpielerImVerstecktenExtraErhaeltEs) {
    TSpielZustand z;
    z.Brett({"xE", "F."});
    z.bomben.Anhaengen(0, {1, 1}, 1, false);
    TAufgesammeltBeide a;
    Zurueck(z, a);
    EXPECT_EQ(z.Brett(), (Zeilen{".1", "2."}));
    EXPECT_TRUE(a.Spieler1.Irgendeins());
    EXPECT_TRUE(a.Spieler2.Irgendeins());
    const auto e = z.E();
    for (int p = 1; p <= 2; ++p) {
        const auto& s = e.Spieler(p);
        const TAufgesammelt& f = a.Von(p);
        EXPECT_EQ(s.Werfen, f.Werfen);
        EXPECT_EQ(s.MehrBomben, f.MehrBomben);
        EXPECT_EQ(s.Unverwundbar, f.Unverwundbar);
        EXPECT_EQ(s.Krank, f.Krank);
    }
}
