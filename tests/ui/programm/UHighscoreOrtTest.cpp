// Where the highscore file lives when the game is installed read-only for its users.
#include <QDir>
#include <QPushButton>

#include "files/UHighscore.h"
#include "files/URecords.h"
#include "ui/UiHilfen.h"
#include "ui/dialoge/UHighscoreAnzeige.h"
#include "ui/programm/UHighscoreOrt.h"

namespace {

// A program folder with the shipped empty highscore file, made read-only like an installed one.
struct TSchreibgeschuetzterOrdner {
    TSchreibgeschuetzterOrdner() {
        SchreibeBytes(Ordner.Pfad("programm/Highscore.hsk"), {});
        SchreibschutzSetzen(Programm(), true);
    }
    ~TSchreibgeschuetzterOrdner() { SchreibschutzSetzen(Programm(), false); }
    std::string Programm() const { return Ordner.Pfad("programm") + "/"; }
    std::string Daten() const { return Ordner.Pfad("home/.local/share/Knallfeld") + "/"; }
    TTestOrdner Ordner;
};

}  // namespace

TEST(HighscoreOrt, ProgrammordnerNurWennBeschreibbar) {
    EXPECT_EQ(HighscoreOrtWaehlen(true, "/spiel/", "/home/a/K/").Datei, "/spiel/Highscore.hsk");
    // Without a data folder (no home) the program folder is the only place there is.
    EXPECT_EQ(HighscoreOrtWaehlen(false, "/spiel/", "").Datei, "/spiel/Highscore.hsk");
    // A folder without write permission counts as read-only even for root.
    TSchreibgeschuetzterOrdner o;
    EXPECT_FALSE(OrdnerBeschreibbar(o.Programm()));
    EXPECT_FALSE(OrdnerBeschreibbar(o.Programm() + "Highscore.hsk"));  // a file, not a folder
    EXPECT_TRUE(OrdnerBeschreibbar(o.Ordner.Ordner()));

    // Read-only: before the first save the shipped empty file is read, quietly, and nothing is
    // created; the first save goes to the user's data folder, which is read from then on.
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    p.HighscoreOrt = HighscoreOrtWaehlen(false, o.Programm(), o.Daten());
    EXPECT_EQ(p.HighscoreLesedatei(), o.Programm() + "Highscore.hsk");
    TFrm_Highscore::Programmstart(p);
    TFrm_Highscore(p).ListeFuellen();
    EXPECT_TRUE(u.Meldungen.Eintraege.empty() && !QDir(QString::fromStdString(o.Daten())).exists());
    p.Highscore.EintragEinfuegen({"Anna", 400});
    ASSERT_FALSE(HighscoreSpeichern(p.Highscore, p.Fehler, p.HighscoreDatei()));
    EXPECT_EQ(LiesBytes(o.Daten() + "Highscore.hsk").size(), kGroesseHighscore);
    EXPECT_EQ(p.HighscoreLesedatei(), o.Daten() + "Highscore.hsk");
    // The window deletes the user's own list.
    TFrm_Highscore g(p);
    g.ListeFuellen();
    g.Btn_Delete->click();
    EXPECT_TRUE(u.Meldungen.Eintraege.empty() && LiesBytes(o.Daten() + "Highscore.hsk").empty());
}
