#include <gtest/gtest.h>

#include <set>

#include "computer/UStarkerComputer.h"
#include "tests/match/SpielHilfen.h"

namespace {

constexpr int kOben = 1, kUnten = 2, kLinks = 3, kRechts = 4, kBombe = 5;

// Player 1's keys over many seeds, on a board whose bombs ('o', 'P', 'Q') and explosions ('x')
// ticked 'zaehler' beats of 400 ms, the next beat 400 ms away; player 1 acts every 'schritt' ms,
// invulnerable for 'schutz' ms as the match counts it (whole seconds).
std::set<int> Tasten(const std::string& brett, int zaehler = 0, std::uint32_t schritt = 450,
                     const TEinstellen& f = nullptr, std::uint32_t bisWasser = 0,
                     std::uint32_t schutz = 0) {
    std::set<int> tasten;
    for (std::uint64_t saat = 1; saat <= 24; ++saat) {
        TSpielZustand z(saat);
        z.Brett(Z(brett));
        if (f) z.Aendern(f);
        for (TIndex i = 1; i <= z.feld.AnzahlKnoten(); ++i)
            if (const auto* k = z.feld.KnotenBei(i); HatBombe(k) || HatExplosion(k))
                z.bomben.Anhaengen(std::uint16_t(zaehler), z.feld.PositionVon(i),
                                   std::uint8_t(k->Art == zaSpieler2Bombe ? 2 : 1), HatBombe(k));
        TStarkLage lage;
        lage.Takte.BisBombe = z.bomben.KeineBomben() ? 0 : 400;
        lage.Takte.BisWasser = bisWasser;
        lage.Schritt = lage.GegnerSchritt = schritt;
        lage.Schutz = schutz;
        tasten.insert(TStarkerComputer().Entscheide(z.d, 1, lage));
    }
    return tasten;
}

}  // namespace

TEST(StarkerComputer, TrittNieInEineExplosionDieBrenntBevorErWeiterkann) {
    // Above the bomb's arm: the step right is safe while the bomb goes off after its next step
    // (450 ms on), not when it goes off at the next beat (400 ms).
    const std::string brett = ".1...2|##o###";
    EXPECT_EQ(Tasten(brett, 3), (std::set<int>{kRechts}));
    EXPECT_EQ(Tasten(brett, 4), (std::set<int>{0}));
    // Leaving at the very moment it goes off is too late: the bomb comes first.
    EXPECT_EQ(Tasten(brett, 4, 400), (std::set<int>{0}));
    // Behind a wall the arm never comes.
    EXPECT_EQ(Tasten(".1...2|######|##o###", 4), (std::set<int>{kRechts}));
}

TEST(StarkerComputer, LegtNurBombenDenenErInSeinemTaktEntkommt) {
    // To get through the block it needs a bomb. From the left corner the way out takes three
    // steps, from the lower corner two; the fuse is 2000 ms.
    const std::string drei = "#########|#1+.....2|#.#######|#..######|#########";
    const std::string zwei = "#########|#1+.....2|#..######|#########";
    EXPECT_EQ(Tasten(drei, 0, 450), (std::set<int>{kBombe}));
    EXPECT_FALSE(Tasten(drei, 0, 750).count(kBombe)) << "speed 1: 2250 ms";
    EXPECT_EQ(Tasten(zwei, 0, 750), (std::set<int>{kBombe}));
    // Speed 5 with a lock of 1000 ms acts every 1050 ms: two steps take 2100 ms.
    EXPECT_EQ(Tasten(zwei, 0, 150), (std::set<int>{kBombe}));
    EXPECT_FALSE(Tasten(zwei, 0, 1050).count(kBombe));
}

TEST(StarkerComputer, GehtUmEinenBlockDenErNichtSprengenKann) {
    // At speed 3 the way out of its bomb fits (two cells to flee to, the opponent being close);
    // at speed 1 it takes the long way round.
    const std::string brett = "#########|#1+2....#|#.#####.#|#.......#|#.#######|#########";
    EXPECT_EQ(Tasten(brett, 0, 450), (std::set<int>{kBombe}));
    EXPECT_EQ(Tasten(brett, 0, 750), (std::set<int>{kUnten}));
    // The opponent walled off for good: it wanders, and the block in the first cell leads
    // nowhere.
    EXPECT_EQ(Tasten("+...#|.1..#|....#|####2"), (std::set<int>{kOben, kUnten, kLinks, kRechts}));
}

TEST(StarkerComputer, EinBlockDerWasserFreilaesstBleibtEineMauer) {
    // The straight way leads through a block whose bomb lets the pond out; the way round is a
    // little longer. Six cells ahead, with a bomb spot for it near, it is judged and gone round.
    const std::string kurz =
        "######~####|1.....+...2|.#########.|.#########.|.#########.|"
        "...........";
    EXPECT_EQ(Tasten(kurz), (std::set<int>{kUnten}));
    // Too far to judge from the start: it goes toward the block, finds it closed, and keeps
    // taking it for a wall when it is back at the start.
    const std::string lang =
        "########~####|%.......+...2|.###########.|.###########.|"
        ".###########.|.###########.|.............";
    auto taste = [&](TStarkerComputer& c, int spalte) {
        std::string brett = lang;
        brett[brett.find('%')] = '.';
        brett[std::size_t(14 + spalte)] = '1';
        TSpielZustand z(3);
        z.Brett(Z(brett));
        return c.Entscheide(z.d, 1, TStarkLage{});
    };
    TStarkerComputer c;
    EXPECT_EQ(taste(c, 0), kRechts);
    EXPECT_EQ(taste(c, 6), kLinks);
    EXPECT_EQ(taste(c, 0), kUnten);
}

TEST(StarkerComputer, NimmtDenEinzigenOffenenAusweg) {
    // On its fresh bomb: left and right are dead ends within the arms, down leads round a corner.
    EXPECT_EQ(Tasten("#######|#..P..#|###.###|###..##|#######|2######"), (std::set<int>{kUnten}));
    // Nothing saves it: with "Werfen" it throws the bomb beside it away, also from the first cell.
    const std::string eng = "o1#|###|2##";
    EXPECT_FALSE(Tasten(eng, 4).count(kTasteWerfen));
    EXPECT_EQ(Tasten(eng, 4, 450, [](auto& e) { e.Spieler1.Werfen = true; }),
              (std::set<int>{kTasteWerfen}));
}

TEST(StarkerComputer, SperrtDenGegnerInDerSackgasseEin) {
    // The bomb reaches the end of the dead end and leaves player 2 no way out; player 1 gets
    // round the corner in time.
    EXPECT_EQ(Tasten("#######|#2.1..#|#####.#|#######"), (std::set<int>{kBombe}));
    // Out of reach on its own bomb, its one way out runs through the arm: closed as well.
    EXPECT_EQ(Tasten("#######|#Q.1..#|#####.#|#######"), (std::set<int>{kBombe}));
}

TEST(StarkerComputer, WartetNichtNebenDemGegnerSondernLegtDieBombe) {
    // In the open the opponent always gets away, but waiting beside it would last forever.
    EXPECT_EQ(Tasten(".......|.......|..12...|.......|......."), (std::set<int>{kBombe}));
    // Out of the bomb's reach it comes closer instead.
    EXPECT_EQ(Tasten(".......|.......|.1...2.|.......|......."), (std::set<int>{kRechts}));
    // An extra more than eight steps away is not worth the detour, though nearer than the
    // opponent; one within eight is.
    EXPECT_EQ(Tasten("m.........1...................2"), (std::set<int>{kRechts}));
    EXPECT_EQ(Tasten("..m.......1...................2"), (std::set<int>{kLinks}));
}

TEST(StarkerComputer, NutztEinenEinzigenAuswegDenDerGegnerNichtErreicht) {
    // Beside the opponent with one way out, behind its own bomb where the opponent cannot come:
    // waiting there would last forever.
    EXPECT_EQ(Tasten("########|#.####.#|#...12.#|########"), (std::set<int>{kBombe}));
    // Fleeing its bomb it keeps off the corner the opponent, fleeing its own, gets to first.
    EXPECT_EQ(Tasten("########|#..P..##|#.###.##|#.###.Q#|########"), (std::set<int>{kLinks}));
    // Close to the opponent, cells to flee to behind a way it gets into first are none: no bomb,
    // though it would reach the opponent.
    EXPECT_FALSE(Tasten("2#..|...#|1..#").count(kBombe));
}

TEST(StarkerComputer, MitMehrBombenEngtErDenGegnerEin) {
    // Out of the bomb's reach, with "Mehr Bomben" against an opponent without, it lays one all
    // the same; not against an opponent that may answer in kind.
    const TEinstellen allein = [](auto& e) { e.Spieler1.MehrBomben = true; };
    const TEinstellen beide = [](auto& e) { e.Spieler1.MehrBomben = e.Spieler2.MehrBomben = true; };
    // Board, who holds it, its step, the water's next beat, beats ticked; the keys it presses.
    const std::tuple<std::string, TEinstellen, int, int, int, std::set<int>> faelle[] = {
        {".......|.......|.1...2.|.......|.......", allein, 450, 0, 0, {kBombe}},
        {".......|.......|.1...2.|.......|.......", beide, 450, 0, 0, {kRechts}},
        // Six steps from the opponent it still bombs, seven it does not.
        {"....#|...2.|+....|.....|1.+#.", allein, 450, 0, 0, {kBombe}},
        {"#2.#..|.....+|......|...+.1|.#....", allein, 450, 0, 0, {kOben, kLinks}},
        // Not when the opponent, walking up to three steps on, could lay a bomb that cuts its
        // way out (each cell tried at the time it gets there, one at a time) ...
        {"1....#|####.#|####2#", allein, 450, 0, 0, {kRechts}},
        {"..#2.|1...+", allein, 450, 0, 0, {kRechts}},
        {"1..2|..+.", allein, 750, 0, 0, {kRechts}},
        {"......|.2...1|...+..", allein, 150, 0, 0, {kBombe}},
        {"#..+...|2..1..+", allein, 450, 2600, 0, {kBombe}},
        // ... through the first cell too, and wherever the opponent stands.
        {".2+|.+.|...|..1", allein, 150, 1100, 0, {kOben, kLinks}},
        {"2..1|.+..|....|+#.#", allein, 150, 0, 0, {kBombe}},
        // Each cell of the opponent's walk is tried once, when it first gets there.
        {"++...2.|...~##1|#..o+..", allein, 750, 2100, 1, {kBombe}},
        // Holding back, it walks on without the bomb it only imagined.
        {"#+1.|~2+.|....", allein, 450, 600, 0, {kRechts}},
        // Its one way out passes where the opponent comes, once the blast between them has
        // gone (at the next beat): no bomb.
        {"#######|#1.....|###x###|###2###", allein, 450, 0, 4, {kRechts}},
    };
    for (const auto& [brett, extras, schritt, wasser, zaehler, taste] : faelle)
        EXPECT_EQ(Tasten(brett, zaehler, schritt, extras, wasser), taste) << brett;
}

TEST(StarkerComputer, FliehtVorDemSteigendenWasser) {
    // The water reaches its cell 100 ms from now: away from it, though the opponent is beside it.
    const std::string brett = "#.#|~12|#.#";
    EXPECT_EQ(Tasten(brett, 0, 450, nullptr, 100), (std::set<int>{kOben, kUnten}));
    // Water that stands still for now leaves it time: it may stay beside the opponent.
    EXPECT_TRUE(Tasten(brett, 0, 450, nullptr, 0).count(0));
    // No way to the opponent: it keeps ahead of water that comes near but not yet soon.
    EXPECT_EQ(Tasten("~..1..#2|##+#####", 0, 450, nullptr, 2000), (std::set<int>{kRechts}));
    // A bomb that lets the water out drives the opponent as well: laid when it gets away.
    EXPECT_EQ(Tasten("~~~~~~|++++++|..12..|......|......"), (std::set<int>{kBombe}));
}

TEST(StarkerComputer, KleineBretterMitGewissemAusgang) {
    // Board, bomb beats ticked, its step, water's next beat; the keys it then presses.
    const std::tuple<std::string, int, std::uint32_t, std::uint32_t, std::set<int>> faelle[] = {
        // Beside the opponent on a tiny board a bomb would leave no way out that the opponent's
        // bomb could not close: no bomb, wherever the two stand, also in the first cell.
        {".12|...", 3, 150, 100, {0}},
        {"21.|...", 3, 150, 100, {0}},
        {"1.+|.2.", 0, 450, 0, {0, kUnten, kRechts}},
        // Water near and no way on: away to where it comes later, never to a cell that floods
        // when its own does (then it waits).
        {".....~|o..21~", 3, 450, 4100, {0}},
        {".++|12~", 0, 450, 0, {kOben}},
        {"~12|..o", 2, 150, 4000, {kUnten}},
        // Ways through the first cell count like any other.
        {"..1|uQ.", 0, 450, 0, {kLinks}},
        // A block out of reach from where it stands: it walks to a cell to bomb it from.
        {"1...+...2|.########", 0, 450, 0, {kRechts}},
        // ... but looks no farther than six steps for it: the safe spot beside the block is
        // seven away, so it wanders.
        {"######..##|.1.....+2#|#####++###|#####~~###", 0, 450, 0, {kLinks, kRechts}},
        // Five steps from the opponent a bomb needs a way out the opponent cannot get into
        // first; the water leaves one it can, so it walks on.
        {"~.#~#..~~|#......~#|#1.+.+2##", 0, 150, 1600, {kOben}},
        // Fleeing its bomb, every way is one the opponent gets into first, through the corner
        // as well: it takes any.
        {".2.|.P.", 2, 150, 0, {kLinks, kRechts}},
        // Caught with no way at all: every key is as good as another.
        {"#PQ", 4, 450, 2000, {0, kOben, kUnten, kLinks, kRechts}},
    };
    // Invulnerable for three more seconds as the match counts them, it relies on two.
    EXPECT_EQ(Tasten(
                  "~Q.|.P.", 0, 450, [](auto& e) { e.Spieler1.Unverwundbar = true; }, 0, 3000),
              (std::set<int>{0, kLinks, kRechts}));
    for (const auto& [brett, zaehler, schritt, wasser, taste] : faelle)
        EXPECT_EQ(Tasten(brett, zaehler, schritt, nullptr, wasser), taste) << brett;
}

TEST(StarkerComputer, ErreichtDenGegnerAmEndeDesLabyrinthsUndSperrtIhnEin) {
    // Player 2 does not move; the strong computer finds it through the maze and blasts it.
    TSpielTest t;
    t.z.einst.ComputerArten = {TComputerArt::Stark, TComputerArt::Klassisch};
    ASSERT_TRUE(t.Starten("1..#.....|##.#.###.|...#...#.|.#####.#.|.....#.#.|####...#2",
                          [](auto& e) { e.Spieler1.Computer = true, e.Rundenanzahl = 1; }));
    t.uhr.LaufeBisBedingung([&] { return !t.spiel.FeldAktiv(); }, 60000);
    EXPECT_EQ(t.spiel.LetztesErgebnis(), 2);
    EXPECT_EQ(t.spiel.Todesart(2), TTodesart::GegnerBombe);
}

TEST(StarkerComputer, HandeltImTaktDurchSperreUndVertauschteTasten) {
    TSpielTest t;
    t.z.einst.ComputerArten = {TComputerArt::Stark, TComputerArt::Klassisch};
    ASSERT_TRUE(t.Starten("1#####|......|#####2", [](auto& e) {
        e.Spieler1.Computer = true, e.SpielerVerzoegerung = 1000;
        std::swap(e.Spieler1.TasteOben, e.Spieler1.TasteUnten);
    }));
    t.Bis(449);
    EXPECT_EQ(t.Zelle(0, 0), '1');
    t.Bis(450);  // "down", though that key now says "up"
    EXPECT_EQ(t.Brett(), Z(".#####|1.....|#####2"));
    t.Bis(1799);  // locked at 900 and 1350
    EXPECT_EQ(t.Brett()[1], "1.....");
    t.Bis(1800);
    EXPECT_EQ(t.Brett()[1], ".1....");
}

TEST(StarkerComputer, KarteWasserDurchEinenGesprengtenBlockUndExplosionInDerEcke) {
    TSpielZustand z;
    z.Brett(Z("~+...|#o###"));
    z.bomben.Anhaengen(4, {2, 2}, 1, true);
    TTakte takte;
    takte.BisBombe = 400;
    TGefahrenKarte k;
    k.Berechnen(z.feld, z.bomben, takte);
    // The block goes at 400 ms and its blast by 2400 ms; the water comes at its next beats.
    EXPECT_EQ(std::pair(k.Flut(1), k.Flut(2)), std::pair(4000L, 6000L));
    z.bomben.ListenFreigeben();
    k.Berechnen(z.feld, z.bomben, takte);
    EXPECT_EQ(k.Flut(2), kNie);
    // The same bomb only planned: the water in the first cell would come through too.
    // Laid later, at 450 ms: the fifth beat after that, on the timer's rhythm; laid at the very
    // moment of a beat, that beat is not its first (the bomb timer fires before the computer's).
    EXPECT_EQ(k.NeueBombeZeit(400), 2400);
    EXPECT_EQ(k.BombeDazu(6, 450), 2400);
    k.BombeWeg();
    EXPECT_EQ(k.BombeDazu(6), 2000);
    // Its own cell is open again when its blast has gone, five beats of 400 ms later.
    EXPECT_TRUE(k.Flut(1) < kNie && k.Begehbar(6) == 4000);
    k.BombeWeg();
    EXPECT_EQ(k.Flut(1), kNie);
    // A blast centred in the very first cell recedes at its fifth beat like any other (two beats
    // ticked, the next 100 ms away, then two of 400 ms), not with the one still fresh.
    z.Brett(Z("xxx.1|x....|x...x|....2"));
    z.bomben.Anhaengen(2, {1, 1}, 1, false);
    z.bomben.Anhaengen(0, {3, 5}, 2, false);
    takte.BisExplo = 100;
    k.Berechnen(z.feld, z.bomben, takte);
    for (const int zelle : {0, 1, 2, 5, 10}) EXPECT_EQ(k.Begehbar(zelle), 900) << zelle;
    EXPECT_EQ(k.Begehbar(14), 1700);
    // The same map on a board of the same size but another width: its own neighbours.
    z.Brett(Z("x.1x|x..x|x.2x|x..x|xxxx"));
    k.Berechnen(z.feld, z.bomben, takte);
    EXPECT_EQ(k.Nachbar(0, riUnten), 4);
}

TEST(StarkerComputer, TakteAusDemSpiel) {
    TSpielTest t;
    ASSERT_TRUE(t.Starten("1u...|.....|....2", [](auto& e) {
        e.Spieler1.Computer = true, e.SpielerVerzoegerung = 1000;
    }));
    const TStarkLage l = t.spiel.StarkLage(1);
    // Its lock ends at 1000 ms, the beats of 450 ms find it free at 1350; a person may press
    // as soon as the lock lets it.
    EXPECT_EQ(std::tuple(l.Schritt, l.GegnerSchritt, l.Takte.Bombe, l.Takte.BisBombe),
              std::tuple(1350u, 1000u, 400u, 0u));
    t.Taste(taste::Leer);
    t.Bis(100);
    EXPECT_EQ(t.spiel.StarkLage(1).Takte.BisBombe, 300u);
    // Its protection in ms: the whole seconds the match counts.
    t.Bis(1100);
    t.Taste(taste::D);
    EXPECT_EQ(t.spiel.StarkLage(1).Schutz, 30000u);
}
