#include <gtest/gtest.h>

#include "editor/UEditorFeldTest.h"
#include "hilfen/Brett.h"
#include "hilfen/TestHilfen.h"

namespace {

TFeldFehler Pruefe(const std::vector<std::string>& zeilen) {
    TSpielfeld feld;
    BrettSetzen(feld, zeilen);
    return PruefeFeld(feld);
}

}  // namespace

TEST(FeldGueltig, NameZuerstDannRegelnInReihenfolge) {
    TSpielfeld feld;
    BrettSetzen(feld, {"....", "...."});  // no start cells either
    TMeldungsProtokoll m;
    EXPECT_FALSE(FeldGueltig("", feld, m));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{kNameFehlt});
    EXPECT_EQ(m.Eintraege[0].Typ, TBoxTyp::Warnung);

    m.Leeren();
    EXPECT_FALSE(FeldGueltig(" ", feld, m));  // blanks count as a name
    EXPECT_EQ(m.Letzter(),
              "Das Spielfeld enthält Fehler! Es hat nicht jeder Spieler eine Startposition.");

    // Water beside a free cell wins over start cells without room.
    BrettSetzen(feld, {"1#.~", "##..", "2#.."});
    m.Leeren();
    EXPECT_FALSE(FeldGueltig("x", feld, m));
    EXPECT_EQ(m.Letzter(), "Das Spielfeld enthält Fehler! Überprüfen Sie bitte die Wasserfelder.");

    BrettSetzen(feld, {"1...", "....", "...2"});
    m.Leeren();
    EXPECT_TRUE(FeldGueltig("x", feld, m));
    EXPECT_TRUE(m.Eintraege.empty());
}

TEST(PruefeFeld, Wasserregel) {
    // Corner water enclosed by water and blocks; the border encloses too.
    EXPECT_EQ(Pruefe({"~~+...", "#+....", "1....2"}), 0);
    EXPECT_EQ(Pruefe({"~.....", "#.....", "1....2"}), 2);
    // A start cell beside water is not enclosing.
    EXPECT_EQ(Pruefe({"~1....", "+.....", ".....2"}), 2);
}

TEST(PruefeFeld, Startfreiheit) {
    // Corridor one cell high: three free cells to the right suffice, two do not.
    EXPECT_EQ(Pruefe({"######", "#1...#", "##+###", "2....."}), 0);
    EXPECT_EQ(Pruefe({"#####", "#1..#", "##+##", "2...."}), 3);
    // One free cell to the right with a free cell above it.
    EXPECT_EQ(Pruefe({"##.#", "#1.#", "##+#", "2..."}), 0);
    // Free only above and to the right: the step up finds the start cell's right neighbour.
    EXPECT_EQ(Pruefe({"#.##", "#1.#", "##+#", "2..."}), 0);
    // Player 2 boxed in.
    EXPECT_EQ(Pruefe({"1...", "....", "##+#", "#2+#"}), 4);
}

TEST(PruefeFeld, Wegsuche) {
    // Only destructible blocks between them.
    EXPECT_EQ(Pruefe({"1..+..2", "...+...", "...+..."}), 0);
    EXPECT_EQ(Pruefe({"1..#..2", "...#...", "...#..."}), 5);
    EXPECT_EQ(Pruefe({"1.+~+.2", "..+~+..", "..+~+.."}), 5);
    // Side by side: found at the first step.
    EXPECT_EQ(Pruefe({"12..", "....", "...."}), 0);
}

TEST(PruefeFeld, LaesstBrettUnveraendertUndSchafftRiesigeFelder) {
    TSpielfeld feld;
    // A one-cell-wide snake over 65 535 cells: recursion would need that many frames.
    std::vector<std::string> zeilen(65535, ".");
    zeilen[0] = "1";
    zeilen[65534] = "2";
    BrettSetzen(feld, zeilen);
    const auto vorher = feld.Zellen();
    EXPECT_EQ(PruefeFeld(feld), 0);
    EXPECT_EQ(feld.Zellen(), vorher);  // Neu marks cleared again
}
