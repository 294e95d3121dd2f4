// Where the highscore file lives when the game is installed read-only for its users.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTreeWidget>

#include "UiHilfen.h"
#include "files/UHighscore.h"
#include "files/URecords.h"
#include "ui/UHighscoreAnzeige.h"
#include "ui/UHighscoreOrt.h"

namespace {

void OrdnerSchreibschutz(const std::string& ordner, bool an) {
    const QString p = QString::fromStdString(ordner);
    auto rechte = QFile::permissions(p);
    if (an)
        rechte &= ~(QFileDevice::WriteOwner | QFileDevice::WriteUser | QFileDevice::WriteGroup |
                    QFileDevice::WriteOther);
    else
        rechte |= QFileDevice::WriteOwner;
    QFile::setPermissions(p, rechte);
}

// A program folder with the shipped empty highscore file, made read-only like an installed one.
struct TSchreibgeschuetzterOrdner {
    TSchreibgeschuetzterOrdner() {
        SchreibeBytes(Ordner.Pfad("programm/Highscore.hsk"), {});
        OrdnerSchreibschutz(Programm(), true);
    }
    ~TSchreibgeschuetzterOrdner() { OrdnerSchreibschutz(Programm(), false); }
    std::string Programm() const { return Ordner.Pfad("programm") + "/"; }
    std::string Daten() const { return Ordner.Pfad("home/.local/share/Knallfeld") + "/"; }
    TTestOrdner Ordner;
};

}  // namespace

TEST(HighscoreOrt, BeschreibbarerProgrammordnerBehaeltDieDateiNebenDemSpiel) {
    const THighscoreOrt o = HighscoreOrtWaehlen(true, "/spiel/", "/home/a/.local/share/Knallfeld/");
    EXPECT_EQ(o.Datei, "/spiel/Highscore.hsk");
    EXPECT_EQ(o.Vorlage, "/spiel/Highscore.hsk");
    // Without a data folder (no home) the program folder is the only place there is.
    EXPECT_EQ(HighscoreOrtWaehlen(false, "/spiel/", "").Datei, "/spiel/Highscore.hsk");

    const THighscoreOrt s = HighscoreOrtWaehlen(false, "/usr/lib/knallfeld/", "/home/a/K/");
    EXPECT_EQ(s.Datei, "/home/a/K/Highscore.hsk");
    EXPECT_EQ(s.Vorlage, "/usr/lib/knallfeld/Highscore.hsk");
}

TEST(HighscoreOrt, SchreibgeschuetzterOrdnerZaehltAuchFuerRoot) {
    TSchreibgeschuetzterOrdner o;
    EXPECT_FALSE(OrdnerBeschreibbar(o.Programm()));
    EXPECT_FALSE(OrdnerBeschreibbar(o.Ordner.Pfad("fehlt/")));
    EXPECT_FALSE(OrdnerBeschreibbar(o.Programm() + "Highscore.hsk"));  // a file, not a folder
    EXPECT_TRUE(OrdnerBeschreibbar(o.Ordner.Ordner()));
}

TEST(HighscoreOrt, ErsteSpeicherungLegtOrdnerUndDateiImDatenordnerAn) {
    TSchreibgeschuetzterOrdner o;
    const THighscoreOrt ort = HighscoreOrtWaehlen(false, o.Programm(), o.Daten());
    TMeldungsProtokoll meldungen;
    TDateiFehler fehler(meldungen);
    THighscore h;

    // Before the first save the shipped empty file is read, quietly, and nothing is created.
    EXPECT_EQ(ort.LeseDatei(), o.Programm() + "Highscore.hsk");
    HighscoreLaden(h, fehler, ort.LeseDatei());
    EXPECT_TRUE(meldungen.Eintraege.empty());
    EXPECT_FALSE(QDir(QString::fromStdString(o.Daten())).exists());

    h.EintragEinfuegen({"Anna", 400});
    h.EintragEinfuegen({"Bernd", 0});
    ASSERT_FALSE(HighscoreSpeichern(h, fehler, ort.SchreibDatei()));
    EXPECT_TRUE(meldungen.Eintraege.empty());
    EXPECT_EQ(LiesBytes(o.Daten() + "Highscore.hsk").size(), 2 * kGroesseHighscore);
    EXPECT_TRUE(LiesBytes(o.Programm() + "Highscore.hsk").empty());

    // From now on the user's own list is the one read.
    ASSERT_EQ(ort.LeseDatei(), o.Daten() + "Highscore.hsk");
    THighscore neu;
    HighscoreLaden(neu, fehler, ort.LeseDatei());
    ASSERT_EQ(neu.Liste().size(), 2u);
    EXPECT_EQ(neu.Liste().front().Punkte, 400);
}

TEST(HighscoreOrt, HighscoreFensterLiestUndLoeschtDieListeDesBenutzers) {
    TSchreibgeschuetzterOrdner o;
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    p.HighscoreOrt = HighscoreOrtWaehlen(false, o.Programm(), o.Daten());
    THighscore h;
    h.EintragEinfuegen({"Cem", 120});
    ASSERT_FALSE(HighscoreSpeichern(h, p.Fehler, p.HighscoreDatei()));

    TFrm_Highscore f(p);
    f.ListeFuellen();
    EXPECT_EQ(f.LV_Highscore->topLevelItemCount(), 1);
    f.Btn_Delete->click();
    EXPECT_TRUE(u.Meldungen.Eintraege.empty());
    EXPECT_EQ(f.LV_Highscore->topLevelItemCount(), 0);
    EXPECT_TRUE(LiesBytes(o.Daten() + "Highscore.hsk").empty());
}
