#include <gtest/gtest.h>

#include <set>

#include "computer/UStarkerComputer.h"
#include "tests/match/SpielHilfen.h"

namespace {

using enum TAktion;

// Player 1's actions over many seeds, on a board whose bombs ('o', 'P', 'Q') and explosions ('x')
// ticked 'zaehler' beats of 400 ms, the next beat 400 ms away; player 1 acts every 'schritt' ms,
// invulnerable for 'schutz' ms as the match counts it (whole seconds); the opponent acts every
// 'gegnerSchritt' ms (0: as player 1).
std::set<TAktion> Aktionen(const std::string& brett, int zaehler = 0, std::uint32_t schritt = 450,
                           const TEinstellen& f = nullptr, std::uint32_t bisWasser = 0,
                           std::uint32_t schutz = 0, std::uint32_t bisSturm = 0, int sturmRing = 0,
                           std::uint32_t gegnerSchritt = 0) {
    std::set<TAktion> aktionen;
    for (std::uint64_t saat = 1; saat <= 24; ++saat) {
        TSpielZustand z(saat);
        z.Brett(Z(brett));
        if (f) z.Aendern(f);
        for (TIndex i = 1; i <= z.feld.AnzahlKnoten(); ++i)
            if (const auto* k = z.feld.KnotenBei(i); HatBombe(k) || HatExplosion(k))
                z.bomben.Anhaengen(std::uint16_t(zaehler), z.feld.PositionVon(i),
                                   std::uint8_t(k->Art == zaSpieler2Bombe ? 2 : 1), HatBombe(k));
        TStarkLage lage;
        lage.Takte.BisBombe = z.bomben.KeineBomben() ? 0 : 400, lage.Takte.BisWasser = bisWasser;
        lage.Takte.BisSturm = bisSturm, lage.Takte.SturmRing = sturmRing, lage.Schutz = schutz;
        lage.Schritt = schritt, lage.GegnerSchritt = gegnerSchritt ? gegnerSchritt : schritt;
        aktionen.insert(TStarkerComputer().Entscheide(z.d, 1, lage));
    }
    return aktionen;
}

}  // namespace

TEST(StarkerComputer, TrittNieInEineExplosionDieBrenntBevorErWeiterkann) {
    // Above the bomb's arm: the step right is safe while the bomb goes off after its next step
    // (450 ms on), not when it goes off at the next beat (400 ms).
    const std::string brett = ".1...2|##o###";
    EXPECT_EQ(Aktionen(brett, 3), (std::set<TAktion>{Rechts}));
    EXPECT_EQ(Aktionen(brett, 4), (std::set<TAktion>{Keine}));
    // Leaving at the very moment it goes off is too late: the bomb comes first.
    EXPECT_EQ(Aktionen(brett, 4, 400), (std::set<TAktion>{Keine}));
    // Behind a wall the arm never comes.
    EXPECT_EQ(Aktionen(".1...2|######|##o###", 4), (std::set<TAktion>{Rechts}));
}

TEST(StarkerComputer, LegtNurBombenDenenErInSeinemTaktEntkommt) {
    // To get through the block it needs a bomb. From the left corner the way out takes three
    // steps, from the lower corner two; the fuse is 2000 ms.
    const std::string drei = "#########|#1+.....2|#.#######|#..######|#########";
    const std::string zwei = "#########|#1+.....2|#..######|#########";
    EXPECT_EQ(Aktionen(drei, 0, 450), (std::set<TAktion>{Bombe}));
    EXPECT_FALSE(Aktionen(drei, 0, 750).count(Bombe)) << "speed 1: 2250 ms";
    EXPECT_EQ(Aktionen(zwei, 0, 750), (std::set<TAktion>{Bombe}));
    // Speed 5 with a lock of 1000 ms acts every 1050 ms: two steps take 2100 ms.
    EXPECT_EQ(Aktionen(zwei, 0, 150), (std::set<TAktion>{Bombe}));
    EXPECT_FALSE(Aktionen(zwei, 0, 1050).count(Bombe));
}

TEST(StarkerComputer, GehtUmEinenBlockDenErNichtSprengenKann) {
    // At speed 3 the way out of its bomb fits (two cells to flee to, the opponent being close);
    // at speed 1 it takes the long way round.
    const std::string brett = "#########|#1+2....#|#.#####.#|#.......#|#.#######|#########";
    EXPECT_EQ(Aktionen(brett, 0, 450), (std::set<TAktion>{Bombe}));
    EXPECT_EQ(Aktionen(brett, 0, 750), (std::set<TAktion>{Unten}));
    // A person beside it who may step every 100 ms stands in that way out first.
    EXPECT_EQ(Aktionen(brett, 0, 450, nullptr, 0, 0, 0, 0, 100), (std::set<TAktion>{Unten}));
    EXPECT_EQ(Aktionen("2#..|...#|1..#", 0, 150, nullptr, 0, 0, 0, 0, 100),
              (std::set<TAktion>{Keine, Oben}));
    // The opponent walled off for good: it wanders, and the block in the first cell leads
    // nowhere.
    EXPECT_EQ(Aktionen("+...#|.1..#|....#|####2"), (std::set<TAktion>{Oben, Unten, Links, Rechts}));
}

TEST(StarkerComputer, EinBlockDerWasserFreilaesstBleibtEineMauer) {
    // The straight way leads through a block whose bomb lets the pond out; the way round is a
    // little longer. Six cells ahead, with a bomb spot for it near, it is judged and gone round.
    const std::string kurz =
        "######~####|1.....+...2|.#########.|.#########.|.#########.|"
        "...........";
    EXPECT_EQ(Aktionen(kurz), (std::set<TAktion>{Unten}));
    // Too far to judge from the start: it goes toward the block, finds it closed, and keeps
    // taking it for a wall when it is back at the start.
    const std::string lang =
        "########~####|%.......+...2|.###########.|.###########.|"
        ".###########.|.###########.|.............";
    auto aktion = [&](TStarkerComputer& c, int spalte) {
        std::string brett = lang;
        brett[brett.find('%')] = '.';
        brett[std::size_t(14 + spalte)] = '1';
        TSpielZustand z(3);
        z.Brett(Z(brett));
        return c.Entscheide(z.d, 1, TStarkLage{});
    };
    TStarkerComputer c;
    EXPECT_TRUE(aktion(c, 0) == Rechts && aktion(c, 6) == Links);
    EXPECT_EQ(aktion(c, 0), Unten);
}

TEST(StarkerComputer, NimmtDenEinzigenOffenenAusweg) {
    // On its fresh bomb: left and right are dead ends within the arms, down leads round a corner.
    EXPECT_EQ(Aktionen("#######|#..P..#|###.###|###..##|#######|2######"),
              (std::set<TAktion>{Unten}));
    // Nothing saves it: with "Werfen" it throws the bomb beside it away, also from the first cell.
    const std::string eng = "o1#|###|2##";
    EXPECT_FALSE(Aktionen(eng, 4).count(Werfen));
    EXPECT_EQ(Aktionen(eng, 4, 450, [](auto& e) { e.Spieler1.Werfen = true; }),
              (std::set<TAktion>{Werfen}));
}

TEST(StarkerComputer, SperrtDenGegnerInDerSackgasseEin) {
    // The bomb reaches the end of the dead end and leaves player 2 no way out; player 1 gets
    // round the corner in time.
    EXPECT_EQ(Aktionen("#######|#2.1..#|#####.#|#######"), (std::set<TAktion>{Bombe}));
    // Out of reach on its own bomb, its one way out runs through the arm: closed as well.
    EXPECT_EQ(Aktionen("#######|#Q.1..#|#####.#|#######"), (std::set<TAktion>{Bombe}));
}

TEST(StarkerComputer, WartetNichtNebenDemGegnerSondernLegtDieBombe) {
    // In the open the opponent always gets away, but waiting beside it would last forever.
    EXPECT_EQ(Aktionen(".......|.......|..12...|.......|......."), (std::set<TAktion>{Bombe}));
    // Out of the bomb's reach it comes closer instead.
    EXPECT_EQ(Aktionen(".......|.......|.1...2.|.......|......."), (std::set<TAktion>{Rechts}));
    // An extra more than eight steps away is not worth the detour, though nearer than the
    // opponent; one within eight is.
    EXPECT_EQ(Aktionen("m.........1...................2"), (std::set<TAktion>{Rechts}));
    EXPECT_EQ(Aktionen("..m.......1...................2"), (std::set<TAktion>{Links}));
}

TEST(StarkerComputer, NutztEinenEinzigenAuswegDenDerGegnerNichtErreicht) {
    // Beside the opponent with one way out, behind its own bomb where the opponent cannot come:
    // waiting there would last forever.
    EXPECT_EQ(Aktionen("########|#.####.#|#...12.#|########"), (std::set<TAktion>{Bombe}));
    // Fleeing its bomb it keeps off the corner the opponent, fleeing its own, gets to first.
    EXPECT_EQ(Aktionen("########|#..P..##|#.###.##|#.###.Q#|########"), (std::set<TAktion>{Links}));
    // Close to the opponent, cells to flee to behind a way it gets into first are none: no bomb,
    // though it would reach the opponent.
    EXPECT_FALSE(Aktionen("2#..|...#|1..#").count(Bombe));
}

TEST(StarkerComputer, MitMehrBombenEngtErDenGegnerEin) {
    // Out of the bomb's reach, with "Mehr Bomben" against an opponent without, it lays one all
    // the same; not against an opponent that may answer in kind.
    const TEinstellen allein = [](auto& e) { e.Spieler1.MehrBomben = true; };
    const TEinstellen beide = [](auto& e) { e.Spieler1.MehrBomben = e.Spieler2.MehrBomben = true; };
    // Board, who holds it, its step, the water's next beat, beats ticked; what it does.
    const std::tuple<std::string, TEinstellen, int, int, int, std::set<TAktion>> faelle[] = {
        {".......|.......|.1...2.|.......|.......", allein, 450, 0, 0, {Bombe}},
        {".......|.......|.1...2.|.......|.......", beide, 450, 0, 0, {Rechts}},
        // Six steps from the opponent it still bombs, seven it does not.
        {"....#|...2.|+....|.....|1.+#.", allein, 450, 0, 0, {Bombe}},
        {"#2.#..|.....+|......|...+.1|.#....", allein, 450, 0, 0, {Oben, Links}},
        // Not when the opponent, walking up to three steps on, could lay a bomb that cuts its
        // way out (each cell tried at the time it gets there, one at a time) ...
        {"1....#|####.#|####2#", allein, 450, 0, 0, {Rechts}},
        {"..#2.|1...+", allein, 450, 0, 0, {Rechts}},
        {"1..2|..+.", allein, 750, 0, 0, {Rechts}},
        {"......|.2...1|...+..", allein, 150, 0, 0, {Bombe}},
        {"#..+...|2..1..+", allein, 450, 2600, 0, {Bombe}},
        // ... through the first cell too, and wherever the opponent stands.
        {".2+|.+.|...|..1", allein, 150, 1100, 0, {Oben, Links}},
        {"2..1|.+..|....|+#.#", allein, 150, 0, 0, {Bombe}},
        // Each cell of the opponent's walk is tried once, when it first gets there.
        {"++...2.|...~##1|#..o+..", allein, 750, 2100, 1, {Bombe}},
        // Holding back, it walks on without the bomb it only imagined.
        {"#+1.|~2+.|....", allein, 450, 600, 0, {Rechts}},
        // Its one way out passes where the opponent comes, once the blast between them has
        // gone (at the next beat): no bomb.
        {"#######|#1.....|###x###|###2###", allein, 450, 0, 4, {Rechts}},
    };
    for (const auto& [brett, extras, schritt, wasser, zaehler, erwartet] : faelle)
        EXPECT_EQ(Aktionen(brett, zaehler, schritt, extras, wasser), erwartet) << brett;
}

TEST(StarkerComputer, FliehtVorDemSteigendenWasser) {
    // The water reaches its cell 100 ms from now: away from it, though the opponent is beside it.
    const std::string brett = "#.#|~12|#.#";
    EXPECT_EQ(Aktionen(brett, 0, 450, nullptr, 100), (std::set<TAktion>{Oben, Unten}));
    // Water that stands still for now leaves it time: it may stay beside the opponent.
    EXPECT_TRUE(Aktionen(brett, 0, 450, nullptr, 0).count(Keine));
    // No way to the opponent: it keeps ahead of water that comes near but not yet soon.
    EXPECT_EQ(Aktionen("~..1..#2|##+#####", 0, 450, nullptr, 2000), (std::set<TAktion>{Rechts}));
    // A bomb that lets the water out drives the opponent as well: laid when it gets away.
    EXPECT_EQ(Aktionen("~~~~~~|++++++|..12..|......|......"), (std::set<TAktion>{Bombe}));
}

TEST(StarkerComputer, KleineBretterMitGewissemAusgang) {
    // Board, bomb beats ticked, its step, water's next beat; what it then does.
    const std::tuple<std::string, int, std::uint32_t, std::uint32_t, std::set<TAktion>> faelle[] = {
        // Beside the opponent on a tiny board a bomb would leave no way out that the opponent's
        // bomb could not close: no bomb, wherever the two stand, also in the first cell.
        {".12|...", 3, 150, 100, {Keine}},
        {"21.|...", 3, 150, 100, {Keine}},
        {"1.+|.2.", 0, 450, 0, {Keine, Unten, Rechts}},
        // Water near and no way on: away to where it comes later, never to a cell that floods
        // when its own does (then it waits).
        {".....~|o..21~", 3, 450, 4100, {Keine}},
        {".++|12~", 0, 450, 0, {Oben}},
        {"~12|..o", 2, 150, 4000, {Unten}},
        // Ways through the first cell count like any other.
        {"..1|uQ.", 0, 450, 0, {Links}},
        // A block out of reach from where it stands: it walks to a cell to bomb it from.
        {"1...+...2|.########", 0, 450, 0, {Rechts}},
        // ... but looks no farther than six steps for it: the safe spot beside the block is
        // seven away, so it wanders.
        {"######..##|.1.....+2#|#####++###|#####~~###", 0, 450, 0, {Links, Rechts}},
        // Five steps from the opponent a bomb needs a way out the opponent cannot get into
        // first; the water leaves one it can, so it walks on.
        {"~.#~#..~~|#......~#|#1.+.+2##", 0, 150, 1600, {Oben}},
        // Fleeing its bomb, every way is one the opponent gets into first, through the corner
        // as well: it takes any.
        {".2.|.P.", 2, 150, 0, {Links, Rechts}},
        // Caught with no way at all: every action is as good as another.
        {"#PQ", 4, 450, 2000, {Keine, Oben, Unten, Links, Rechts}},
    };
    // Invulnerable for three more seconds as the match counts them, it relies on two.
    EXPECT_EQ(Aktionen(
                  "~Q.|.P.", 0, 450, [](auto& e) { e.Spieler1.Unverwundbar = true; }, 0, 3000),
              (std::set<TAktion>{Keine, Links, Rechts}));
    for (const auto& [brett, zaehler, schritt, wasser, erwartet] : faelle)
        EXPECT_EQ(Aktionen(brett, zaehler, schritt, nullptr, wasser), erwartet) << brett;
}

TEST(StarkerComputer, ErreichtDenGegnerAmEndeDesLabyrinthsUndSperrtIhnEin) {
    // Player 2 does not move; the strong computer finds it through the maze and blasts it.
    TSpielTest t;
    t.z.einst.ComputerArten = {TComputerArt::Stark, TComputerArt::Klassisch};
    ASSERT_TRUE(t.Starten("1..#.....|##.#.###.|...#...#.|.#####.#.|.....#.#.|####...#2",
                          [](auto& e) { e.Spieler1.Computer = true, e.Rundenanzahl = 1; }));
    t.uhr.LaufeBisBedingung([&] { return !t.spiel.FeldAktiv(); }, 60000);
    EXPECT_TRUE(t.spiel.LetztesErgebnis() == 2 && t.spiel.Todesart(2) == TTodesart::GegnerBombe);
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
    EXPECT_TRUE(k.NeueBombeZeit(400) == 2400 && k.BombeDazu(6, 450) == 2400);
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
    // Without a lock a person is still taken to need 100 ms a step.
    TSpielTest u;
    ASSERT_TRUE(u.Starten("1....|....2",
                          [](auto& e) { e.Spieler1.Computer = true, e.SpielerVerzoegerung = 0; }));
    EXPECT_EQ(std::pair(u.spiel.StarkLage(1).Schritt, u.spiel.StarkLage(1).GegnerSchritt),
              std::pair(450u, 100u));
}

TEST(StarkerComputer, VerlaesstDenRingVorDerSturmflutGehtNachInnenUndGewinntDasEnde) {
    // Ring 2 floods in 400 ms, before its next step, the middle a second later: one step in
    // saves it.
    const std::string ring = "#######|#######|##...##|##...##|##.1.##|#######|#######";
    EXPECT_EQ(Aktionen(ring, 0, 450, nullptr, 0, 0, 400, 2), (std::set<TAktion>{Oben}));
    // An extra on the ring: never fetched into the water, though with time enough it is.
    const std::string extra = "#######|#######|##.w.##|##.1.##|##...##|#######|#######";
    EXPECT_FALSE(Aktionen(extra, 0, 450, nullptr, 0, 0, 400, 2).count(Oben));
    EXPECT_EQ(Aktionen(extra, 0, 450, nullptr, 0, 0, 5000, 2), (std::set<TAktion>{Oben}));
    // Nothing to go for: it wanders, until the flood is due and it heads for the middle.
    const std::string weit =
        "....1....|.........|.........|.........|.........|.........|"
        ".........|.........|.........";
    EXPECT_EQ(Aktionen(weit).size(), 3u);
    EXPECT_EQ(Aktionen(weit, 0, 450, nullptr, 0, 0, 90000, 0).size(), 3u);
    EXPECT_EQ(Aktionen(weit, 0, 450, nullptr, 0, 0, 8000, 0), (std::set<TAktion>{Unten}));
    // At the end it wins with a bomb. A corridor whose middle (ring 2) floods last, at 4600 ms; the
    // opponent at the end that floods at 2600. A bomb that keeps it out of the middle until then
    // wins, though the opponent has a quiet cell for now and is out of the bomb's reach.
    const std::string gang = "#########|#########|2..1.....|#########|#########";
    EXPECT_EQ(Aktionen(gang, 0, 450, nullptr, 0, 0, 2600, 0), (std::set<TAktion>{Bombe}));
    // Long before the last ring the opponent would outwait the blast: it comes closer.
    EXPECT_EQ(Aktionen(gang, 0, 450, nullptr, 0, 0, 18100, 0), (std::set<TAktion>{Links}));
    // One cell further on the bomb would leave the opponent the cell before the middle, which
    // floods when its own way out does: no bomb that ends both together.
    const std::string weiter = "#########|#########|2...1.w..|#########|#########";
    EXPECT_EQ(Aktionen(weiter, 0, 450, nullptr, 0, 0, 2600, 0), (std::set<TAktion>{Links}));
}

TEST(StarkerComputer, TreibtDenGegnerVorDemEndeDerSturmflut) {
    // The last ring (the corridor's middle) floods in 14.6 s: a bomb that costs it nothing
    // drives the opponent, within 12 steps; further off, or with the last ring 20.1 s away, it
    // comes closer instead.
    const std::string gang = "#########|#########|2..1.....|#########|#########";
    EXPECT_EQ(Aktionen(gang, 0, 450, nullptr, 0, 0, 12600, 0), (std::set<TAktion>{Bombe}));
    EXPECT_EQ(Aktionen(gang, 0, 450, nullptr, 0, 0, 18000, 0), (std::set<TAktion>{Bombe}));
    const std::string lang =
        "###############|###############|2...........1..|"
        "###############|###############";
    EXPECT_EQ(Aktionen(lang, 0, 450, nullptr, 0, 0, 10000, 0), (std::set<TAktion>{Bombe}));
    const std::string weiter =
        "################|################|2............1..|"
        "################|################";
    EXPECT_EQ(Aktionen(weiter, 0, 450, nullptr, 0, 0, 10000, 0), (std::set<TAktion>{Links}));
    // Shut in a pocket, with the opponent walled in on the edge that floods in 2 s: the bomb
    // would end its life with the opponent's, though the water leaves it 2 s more.
    EXPECT_EQ(Aktionen("#############|#############|##.1#########|#############|############2", 0,
                       450, nullptr, 0, 0, 2000, 0),
              (std::set<TAktion>{Keine}));
    // The corridor's middle floods at 5400 ms. It gets away from its bomb and lives to its
    // ninth step after it (4950 ms); the opponent, stepping every 400 ms, to 5200: no win.
    EXPECT_FALSE(Aktionen("###############|###############|..2...1........|###############|"
                          "###############",
                          0, 450, nullptr, 0, 0, 3400, 0, 400)
                     .count(Bombe));
    // Its way out of the blast is the nook above the cell to its left. An opponent two cells
    // from that cell cannot reach it for a bomb in reply; one cell from it, it could lay its
    // bomb there and shut it in.
    EXPECT_EQ(Aktionen("#########|###.#####|#2..1####|#########", 0, 450, nullptr, 0, 0, 10000, 1),
              (std::set<TAktion>{Bombe}));
    EXPECT_FALSE(
        Aktionen("#########|###.#####|#.2.1####|#########", 0, 450, nullptr, 0, 0, 10000, 1)
            .count(Bombe));
}

TEST(StarkerComputer, HaeltAmEndeAusSoNahAmGegnerWieEsGeht) {
    // No cell stays quiet: the middle (ring 2) floods in 1400 ms, the ring before it in 400.
    // Every move along the middle lives as long, so it takes the one toward the opponent; the
    // step onto ring 1 would drown it first.
    const std::string gang = "#########|#########|2...1....|#########|#########";
    EXPECT_EQ(Aktionen(gang, 0, 450, nullptr, 0, 0, 400, 1), (std::set<TAktion>{Links}));
    const std::string rand = "#########|#########|2.1......|#########|#########";
    EXPECT_EQ(Aktionen(rand, 0, 450, nullptr, 0, 0, 400, 1), (std::set<TAktion>{Keine}));
    // Stepping every 500 ms along ring 1, which floods at 2000 ms, it would reach the way in
    // (ring 2) just as its cell floods: too late, so it stays by the opponent.
    EXPECT_EQ(Aktionen("#########|#21.....#|######.##|#########|#########", 0, 500, nullptr, 0, 0,
                       1000, 0),
              (std::set<TAktion>{Keine}));
    // Fleeing its bomb: the nook up left is the nearer quiet cell, but on ring 1 the water takes
    // it a second before the corridor's middle. Long before the flood's end the nearer one is
    // right; at the end only the one that lives longest.
    const std::string nische = "###########|##.######2#|#..P.....##|###########|###########";
    EXPECT_EQ(Aktionen(nische, 0, 450, nullptr, 0, 0, 6000, 1), (std::set<TAktion>{Rechts}));
    EXPECT_EQ(Aktionen(nische, 0, 450, nullptr, 0, 0, 25000, 1), (std::set<TAktion>{Links}));
}
