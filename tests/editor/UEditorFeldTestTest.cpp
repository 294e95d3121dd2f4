#include <gtest/gtest.h>

#include "editor/UEditorFeldTest.h"
#include "hilfen/Brett.h"
#include "hilfen/TestHilfen.h"

TEST(FeldGueltig, NameZuerstDannRegelnInReihenfolge) {
    TSpielfeld feld;
    TMeldungsProtokoll m;
    const std::string fehler = "Das Spielfeld enthält Fehler! ";
    // No start cells either; blanks count as a name; water beside a free cell wins over start
    // cells without room. Every rule's text whole.
    const std::tuple<std::string, std::vector<std::string>, std::string> faelle[] = {
        {"", {"....", "...."}, kNameFehlt},
        {" ", {"....", "...."}, fehler + "Es hat nicht jeder Spieler eine Startposition."},
        {"x", {"1#.~", "##..", "2#.."}, fehler + "Überprüfen Sie bitte die Wasserfelder."},
        {"x",
         {"#####", "#1..#", "##+##", "2...."},
         fehler + "Überprüfen Sie bitte die Startpositionsfreiheit von Spieler 1."},
        {"x",
         {"1...", "....", "##+#", "#2+#"},
         fehler + "Überprüfen Sie bitte die Startpositionsfreiheit von Spieler 2."},
        {"x",
         {"1..#..2", "...#...", "...#..."},
         fehler + "Es gibt keinen freien/zerstörbaren Weg zwischen beiden Startpositionen."},
        {"x", {"1...", "....", "...2"}, ""},
    };
    for (const auto& [name, zeilen, text] : faelle) {
        BrettSetzen(feld, zeilen);
        m.Leeren();
        EXPECT_EQ(FeldGueltig(name, feld, m), text.empty());
        EXPECT_EQ(m.Texte(), std::vector<std::string>(!text.empty(), text));
    }
}

TEST(PruefeFeld, RegelnUndGrenzfaelle) {
    const std::pair<std::vector<std::string>, TFeldFehler> faelle[] = {
        // Corner water enclosed by water and blocks; the border encloses too. A start cell
        // beside water is not enclosing.
        {{"~~+...", "#+....", "1....2"}, 0},
        {{"~.....", "#.....", "1....2"}, 2},
        {{"~1....", "+.....", ".....2"}, 2},
        // Corridor one cell high: three free cells to the right suffice, two do not.
        {{"######", "#1...#", "##+###", "2....."}, 0},
        {{"#####", "#1..#", "##+##", "2...."}, 3},
        // Sideways: one free cell to the right with a free cell above it; free only above and
        // to the right (the step up finds the start cell's right neighbour); player 2 boxed in.
        {{"##.#", "#1.#", "##+#", "2..."}, 0},
        {{"#.##", "#1.#", "##+#", "2..."}, 0},
        {{"1...", "....", "##+#", "#2+#"}, 4},
        // The path goes through destructible blocks, not through indestructible ones or water;
        // side by side it is found at the first step.
        // clang-format off
        {{"1..+..2", "...+...", "...+..."}, 0}, {{"1..#..2", "...#...", "...#..."}, 5},
        {{"1.+~+.2", "..+~+..", "..+~+.."}, 5}, {{"12..", "....", "...."}, 0},
        // clang-format on
        // The rules in their order: where two fail, the earlier one is reported.
        {{"1.~.", "....", "...."}, 1},
        {{"1#..", "##..", "..##", "..#2"}, 3},
        {{"1...", "....", "####", "#2##"}, 4},
        // Row ends: no cell has a neighbour in the next or the previous row, neither for the
        // water, nor for the room in a line, nor for the side step.
        // clang-format off
        {{"1.+~", "...+", "...2"}, 0}, {{"+1..", "~+..", "+..2"}, 0},
        {{"###1", "...#", "####", "2..."}, 3}, {{"###.", "###1", ".###", "2..."}, 3},
        // clang-format on
        // Exact kinds: a player on a bomb or in a blast is no start cell; extras are neither
        // room nor path.
        // clang-format off
        {{"P..", "...", "..2"}, 1}, {{"1..", "...", "..f"}, 1},
        {{"######", "#1www#", "##+###", "2....."}, 3}, {{"1..w..2", "...w...", "...w..."}, 5},
        // clang-format on
    };
    TSpielfeld feld;
    for (const auto& [zeilen, fehler] : faelle) {
        BrettSetzen(feld, zeilen);
        EXPECT_EQ(PruefeFeld(feld), fehler) << zeilen[0] << " " << zeilen[1];
    }

    // A one-cell-wide snake over 65 535 cells: recursion would need that many frames.
    std::vector<std::string> zeilen(65535, ".");
    zeilen[0] = "1", zeilen[65534] = "2";
    BrettSetzen(feld, zeilen);
    const auto vorher = feld.Zellen();
    EXPECT_EQ(PruefeFeld(feld), 0);
    EXPECT_EQ(feld.Zellen(), vorher);  // Neu marks cleared again
}
