#include "files/UEinstellungenDatei.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>

#include "files/UTypDatei.h"
#include "hilfen/TestHilfen.h"

namespace {

using TRoh = std::vector<unsigned char>;

TRoh LevelSatz(const std::string& ansi) {
    TRoh r(256, 0);
    r[0] = static_cast<unsigned char>(ansi.size());
    std::copy(ansi.begin(), ansi.end(), r.begin() + 1);
    return r;
}

const std::string kFehltLev = "Fehler: Die Level-Datei ist nicht vorhanden!";

struct EinstellungenTest : ::testing::Test {
    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TDateiFehler fehler{meldungen};
    TEinstellungen e;
    std::string sps, l1, l2, l3;

    void SetUp() override {
        sps = ordner.Pfad("Turnier.sps");
        // Stored as given, even with a redundant "./" in it.
        l1 = ordner.Ordner() + "./eins.dat";
        l2 = ordner.Pfad("zwei.dat");
        l3 = ordner.Pfad("drei.dat");
        for (const auto& l : {l1, l2, l3}) SchreibeBytes(l, TRoh(6, 0));
        for (const auto& l : {l1, l2, l3}) e.LevelAnhaengen(l);
        TSpielRecEinstellungen r = e.EinstellungenHolen();
        r.Rundenanzahl = 7;
        r.Spieler2.Name = "Zoë ★";
        e.EinstellungenSetzen(r);
    }

    // A second owner with other settings and one other level, to load into.
    TEinstellungen Anderes() {
        TEinstellungen a;
        TSpielRecEinstellungen r = a.EinstellungenHolen();
        r.Schwierigkeit = 5;
        a.EinstellungenSetzen(r);
        a.LevelAnhaengen("/irgendwo/alt.dat");
        return a;
    }
};

}  // namespace

TEST_F(EinstellungenTest, SpeichernUndLadenBytegenau) {
    EinstellungenSpeichern(e, fehler, sps);
    EXPECT_TRUE(meldungen.Eintraege.empty());
    const TRoh konfig = LiesBytes(sps);
    ASSERT_EQ(konfig.size(), 1634u);
    EXPECT_EQ(konfig[596], 7);
    EXPECT_EQ(TRoh(konfig.begin() + 298 + 12, konfig.begin() + 298 + 18),
              (TRoh{5, 'Z', 'o', 0xEB, ' ', '?'}));
    TRoh lev = LevelSatz(l1);
    for (const auto& l : {l2, l3}) {
        const TRoh s = LevelSatz(l);
        lev.insert(lev.end(), s.begin(), s.end());
    }
    EXPECT_EQ(LiesBytes(sps + ".lev"), lev);

    TEinstellungen geladen = Anderes();
    EXPECT_FALSE(EinstellungenLaden(geladen, fehler, sps));
    TSpielRecEinstellungen erwartet = e.EinstellungenHolen();
    erwartet.Spieler2.Name = "Zoë ?";
    EXPECT_EQ(geladen.EinstellungenHolen(), erwartet);
    EXPECT_EQ(geladen.Levelliste(), (std::vector<std::string>{l1, l2, l3}));
    EXPECT_TRUE(meldungen.Eintraege.empty());

    // Two records: the first counts.
    TRoh doppelt = konfig;
    doppelt.insert(doppelt.end(), konfig.begin(), konfig.end());
    doppelt[1634 + 596] = 99;
    SchreibeBytes(sps, doppelt);
    EXPECT_FALSE(EinstellungenLaden(geladen, fehler, sps));
    EXPECT_EQ(geladen.EinstellungenHolen().Rundenanzahl, 7);
}

TEST_F(EinstellungenTest, VerschwundeneLevelWerdenEinzelnGemeldet) {
    EinstellungenSpeichern(e, fehler, sps);
    QFile::remove(QString::fromStdString(l2));
    TEinstellungen geladen = Anderes();
    EXPECT_FALSE(EinstellungenLaden(geladen, fehler, sps));
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Der gespeicherte Pfad " + l2 +
                                       " exsistiert nicht mehr. Daher wurde dieses Level aus der "
                                       "Liste gelöscht."});
    EXPECT_EQ(meldungen.Eintraege[0].Typ, TBoxTyp::Fehler);
    EXPECT_EQ(geladen.Levelliste(), (std::vector<std::string>{l1, l3}));
    EXPECT_EQ(LiesBytes(sps + ".lev").size(), 768u);  // the file keeps it
}

TEST_F(EinstellungenTest, FalscheOderFehlendeDateienAendernDieEinstellungenNicht) {
    EinstellungenSpeichern(e, fehler, sps);
    const TRoh konfig = LiesBytes(sps), lev = LiesBytes(sps + ".lev");
    TEinstellungen geladen = Anderes();
    const TSpielRecEinstellungen vorher = geladen.EinstellungenHolen();
    const auto lauf = [&](const std::vector<std::string>& texte) {
        meldungen.Leeren();
        EXPECT_TRUE(EinstellungenLaden(geladen, fehler, sps));
        EXPECT_EQ(meldungen.Texte(), texte);
        EXPECT_EQ(geladen.EinstellungenHolen(), vorher);
    };

    for (std::size_t n : {0u, 1633u}) {
        SchreibeBytes(sps, TRoh(n, 0));
        lauf({"Fehler: Grösse der Konfig-Datei stimmt nicht!"});
        EXPECT_EQ(geladen.Levelliste().size(), 1u);
    }
    SchreibeBytes(sps, konfig);

    QFile::remove(QString::fromStdString(sps + ".lev"));
    lauf({kFehltLev});
    EXPECT_EQ(geladen.Levelliste().size(), 1u);

    // A folder in place of the level list is no file either.
    QDir().mkpath(QString::fromStdString(sps + ".lev"));
    lauf({kFehltLev});
    QDir().rmdir(QString::fromStdString(sps + ".lev"));

    // An unusable level list empties the list in memory before it gives up.
    for (std::size_t n : {0u, 300u}) {
        geladen.LevelAnhaengen("/irgendwo/alt.dat");
        SchreibeBytes(sps + ".lev", TRoh(n, 0));
        lauf({"Fehler: Grösse der Level-Datei stimmt nicht!"});
        EXPECT_TRUE(geladen.Levelliste().empty());
    }
}

TEST_F(EinstellungenTest, ZweiUnabhaengigeHaelftenBeimSpeichern) {
    EinstellungenSpeichern(e, fehler, sps);
    const TRoh konfig = LiesBytes(sps), lev = LiesBytes(sps + ".lev");
    e.LevellisteLoeschen();
    e.LevelAnhaengen(l3);
    TSpielRecEinstellungen r = e.EinstellungenHolen();
    r.Rundenanzahl = 1;
    e.EinstellungenSetzen(r);

    // Declining to unlock the settings file still writes the level list.
    SchreibschutzSetzen(sps, true);
    meldungen.Antworten = {TAntwort::Nein};
    EinstellungenSpeichern(e, fehler, sps);
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{
                  "Konfig-Datei ist schreibgeschützt! Soll der Schreibschutz entfernt werden?"});
    EXPECT_EQ(meldungen.Eintraege[0].Typ, TBoxTyp::Warnung);
    EXPECT_EQ(LiesBytes(sps), konfig);
    EXPECT_EQ(LiesBytes(sps + ".lev"), LevelSatz(l3));

    // Yes removes only the owner's write bit; the other permissions stay.
    const QString p = QString::fromStdString(sps);
    QFile::setPermissions(p, QFile::ReadOwner | QFile::ReadGroup | QFile::ExeOther);
    meldungen.Leeren();
    EinstellungenSpeichern(e, fehler, sps);
    EXPECT_EQ(meldungen.Texte().size(), 1u);
    EXPECT_EQ(QFile::permissions(p) & (QFile::ReadGroup | QFile::ExeOther | QFile::WriteOwner),
              QFile::ReadGroup | QFile::ExeOther | QFile::WriteOwner);
    EXPECT_EQ(LiesBytes(sps)[596], 1);

    // A failed record write keeps the old file; the other half goes on.
    SchreibeBytes(sps, konfig);
    SchreibeBytes(sps + ".lev", lev);
    e.LevelAnhaengen(l1);
    meldungen.Leeren();
    TTypDatei::SchreibStoerung = [n = 0]() mutable { return ++n == 1; };
    EinstellungenSpeichern(e, fehler, sps);
    TTypDatei::SchreibStoerung = nullptr;
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{
                                     "Fehler beim Speichern eines Datensatzes der Konfig-Datei!"});
    EXPECT_EQ(LiesBytes(sps), konfig);
    EXPECT_EQ(LiesBytes(sps + ".lev").size(), 512u);

    meldungen.Leeren();
    TTypDatei::SchreibStoerung = [n = 0]() mutable { return ++n == 3; };
    EinstellungenSpeichern(e, fehler, sps);
    TTypDatei::SchreibStoerung = nullptr;
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Fehler beim Speichern eines Datensatzes der Level-Datei!"});
    EXPECT_EQ(LiesBytes(sps)[596], 1);
    EXPECT_EQ(LiesBytes(sps + ".lev").size(), 512u);

    meldungen.Leeren();
    TTypDatei::SchreibStoerung = [n = 0]() mutable { return ++n == 2; };
    EinstellungenSpeichern(e, fehler, sps);
    TTypDatei::SchreibStoerung = nullptr;
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Fehler beim Schließen der Konfig-Datei!"});

    // A folder where the settings file should be: the open message, the list is still written.
    const std::string ordnerSps = ordner.Pfad("Ordner.sps");
    QDir().mkpath(QString::fromStdString(ordnerSps));
    meldungen.Leeren();
    EinstellungenSpeichern(e, fehler, ordnerSps);
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{"Fehler beim Öffnen der Konfig-Datei!"});
    EXPECT_EQ(LiesBytes(ordnerSps + ".lev").size(), 512u);
}
