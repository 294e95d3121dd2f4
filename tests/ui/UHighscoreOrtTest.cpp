// Where the highscore file lives when the game is installed read-only for its users.
#include <gtest/gtest.h>

#include <QDir>
#include <QPushButton>
#include <QTreeWidget>

#include "UiHilfen.h"
#include "files/UHighscore.h"
#include "files/URecords.h"
#include "ui/UHighscoreAnzeige.h"
#include "ui/UHighscoreOrt.h"

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
    const THighscoreOrt s = HighscoreOrtWaehlen(false, "/usr/lib/knallfeld/", "/home/a/K/");
    EXPECT_EQ(s.Datei + "|" + s.Vorlage,
              "/home/a/K/Highscore.hsk|/usr/lib/knallfeld/Highscore.hsk");

    // A folder without write permission counts as read-only even for root.
    TSchreibgeschuetzterOrdner g;
    EXPECT_FALSE(OrdnerBeschreibbar(g.Programm()));
    EXPECT_FALSE(OrdnerBeschreibbar(g.Programm() + "Highscore.hsk"));  // a file, not a folder
    EXPECT_TRUE(OrdnerBeschreibbar(g.Ordner.Ordner()));
}

TEST(HighscoreOrt, ErsteSpeicherungImDatenordnerDannLiestUndLoeschtDasFensterSie) {
    TSchreibgeschuetzterOrdner o;
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    p.HighscoreOrt = HighscoreOrtWaehlen(false, o.Programm(), o.Daten());
    // Before the first save the shipped empty file is read, quietly, and nothing is created.
    EXPECT_EQ(p.HighscoreLesedatei(), o.Programm() + "Highscore.hsk");
    TFrm_Highscore::Programmstart(p);
    TFrm_Highscore(p).ListeFuellen();
    EXPECT_TRUE(u.Meldungen.Eintraege.empty());
    EXPECT_FALSE(QDir(QString::fromStdString(o.Daten())).exists());

    p.Highscore.EintragEinfuegen({"Anna", 400});
    p.Highscore.EintragEinfuegen({"Bernd", 0});
    ASSERT_FALSE(HighscoreSpeichern(p.Highscore, p.Fehler, p.HighscoreDatei()));
    EXPECT_EQ(LiesBytes(o.Daten() + "Highscore.hsk").size(), 2 * kGroesseHighscore);
    // From now on the user's own list is the one read, and the one deleted.
    p.Highscore.Leeren();
    TFrm_Highscore::Programmstart(p);
    TFrm_Highscore g(p);
    g.ListeFuellen();
    EXPECT_EQ(g.LV_Highscore->topLevelItem(0)->text(1), "Anna");
    g.Btn_Delete->click();
    EXPECT_TRUE(u.Meldungen.Eintraege.empty());
    EXPECT_TRUE(LiesBytes(o.Daten() + "Highscore.hsk").empty());
}
