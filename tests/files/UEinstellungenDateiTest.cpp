#include "files/UEinstellungenDatei.h"

#include <gtest/gtest.h>
#include <QFile>

#include "files/URecords.h"
#include "hilfen/TestHilfen.h"

// Loading and saving failures of both halves are in the hostile-file tables.
TEST(EinstellungenDatei, SpeichernUndLadenBytegenau) {
    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TDateiFehler fehler{meldungen};
    const std::string sps = ordner.Pfad("Turnier.sps");
    // Stored as given, even with a redundant "./" in it.
    const std::vector<std::string> level = {ordner.Ordner() + "./eins.dat", ordner.Pfad("zwei.dat"),
                                            ordner.Pfad("drei.dat")};
    TEinstellungen e;
    std::vector<unsigned char> lev;
    for (const auto& l : level) {
        SchreibeBytes(l, std::vector<unsigned char>(6, 0));
        e.LevelAnhaengen(l);
        const TBytes satz = PackeLevelPfad(l);
        lev.insert(lev.end(), satz.begin(), satz.end());
    }
    TSpielRecEinstellungen r = e.EinstellungenHolen();
    r.Rundenanzahl = 7;
    r.Spieler2.Name = "Zoë ★";
    e.EinstellungenSetzen(r);

    EinstellungenSpeichern(e, fehler, sps);
    EXPECT_TRUE(meldungen.Eintraege.empty());
    const auto konfig = LiesBytes(sps);
    ASSERT_EQ(konfig.size(), 1634u);
    EXPECT_EQ(konfig[596], 7);
    EXPECT_EQ(std::vector<unsigned char>(konfig.begin() + 310, konfig.begin() + 316),
              (std::vector<unsigned char>{5, 'Z', 'o', 0xEB, ' ', '?'}));
    EXPECT_EQ(LiesBytes(sps + ".lev"), lev);

    // Into other settings; a level that vanished meanwhile is reported and left out.
    QFile::remove(QString::fromStdString(level[1]));
    TEinstellungen geladen;
    geladen.LevelAnhaengen("/irgendwo/alt.dat");
    EXPECT_FALSE(EinstellungenLaden(geladen, fehler, sps));
    r.Spieler2.Name = "Zoë ?";
    EXPECT_EQ(geladen.EinstellungenHolen(), r);
    EXPECT_EQ(geladen.Levelliste(), (std::vector<std::string>{level[0], level[2]}));
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Der gespeicherte Pfad " + level[1] +
                                       " exsistiert nicht mehr. Daher wurde dieses Level aus der "
                                       "Liste gelöscht."});
    EXPECT_EQ(meldungen.Eintraege[0].Typ, TBoxTyp::Fehler);
    EXPECT_EQ(LiesBytes(sps + ".lev"), lev);  // the file keeps it
}
