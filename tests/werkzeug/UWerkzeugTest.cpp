#include <gtest/gtest.h>

#include <sstream>

#include "hilfen/TestHilfen.h"
#include "werkzeug/UWerkzeug.h"

namespace {

struct TErgebnis {
    int Status;
    std::string Aus;
    std::string Fehler;
};

TErgebnis Lauf(std::vector<std::string> argumente) {
    std::ostringstream aus, fehler;
    const int status = WerkzeugAusfuehren(argumente, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

// A level as another program would write it: rows of . + # ~ 1 2 and a Windows-1252 name.
void LevelSchreiben(const std::string& pfad, const std::string& ansiName,
                    const std::vector<std::string>& zeilen) {
    const auto breite = static_cast<unsigned char>(zeilen[0].size());
    const auto hoehe = static_cast<unsigned char>(zeilen.size());
    std::vector<unsigned char> allg(36, 0);
    allg[0] = static_cast<unsigned char>(ansiName.size());
    std::copy(ansiName.begin(), ansiName.end(), allg.begin() + 1);
    allg[22] = breite;
    allg[24] = hoehe;
    allg[26] = 30;
    allg[28] = 25;
    allg[32] = 0x10, allg[33] = 0x80, allg[34] = 0x20;  // 0x00208010
    SchreibeBytes(pfad + ".all", allg);
    std::vector<unsigned char> zellen;
    for (const auto& zeile : zeilen)
        for (char c : zeile) {
            const std::string arten = ".+#~1";
            unsigned char art = c == '2'   ? 8
                                : c == '!' ? 14
                                           : static_cast<unsigned char>(arten.find(c));
            zellen.insert(zellen.end(), {art, 0, 0, 0, 0, 0});
        }
    SchreibeBytes(pfad, zellen);
}

}  // namespace

TEST(Werkzeug, PruefenGibtRegelUndStatus) {
    TTestOrdner o;
    LevelSchreiben(o.Pfad("gut.dat"), "Gr\xFCn", {"1...", "....", "...2"});
    auto r = Lauf({"pruefen", o.Pfad("gut.dat")});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Aus, "Das Spielfeld ist OK!\n");

    LevelSchreiben(o.Pfad("mauer.dat"), "x", {"1.#..", "..#..", "..#.2"});
    r = Lauf({"pruefen", o.Pfad("mauer.dat")});
    EXPECT_EQ(r.Status, 5);
    EXPECT_EQ(r.Aus,
              "Das Spielfeld enthält Fehler! Es gibt keinen freien/zerstörbaren Weg zwischen "
              "beiden Startpositionen.\n");

    LevelSchreiben(o.Pfad("namenlos.dat"), "", {"1...", "....", "...2"});
    r = Lauf({"pruefen", o.Pfad("namenlos.dat")});
    EXPECT_EQ(r.Status, 6);
    EXPECT_EQ(r.Aus, "Dem Spielfeld fehlt ein Name. Bitte geben Sie einen Spielfeldnamen ein!\n");

    r = Lauf({"pruefen", o.Pfad("fehlt.dat")});
    EXPECT_EQ(r.Status, 10);
    EXPECT_EQ(r.Fehler, "Fehler beim Öffnen der AllgemeinDatei!\n");

    // One record short.
    auto zellen = LiesBytes(o.Pfad("gut.dat"));
    zellen.resize(zellen.size() - 6);
    SchreibeBytes(o.Pfad("gut.dat"), zellen);
    r = Lauf({"pruefen", o.Pfad("gut.dat")});
    EXPECT_EQ(r.Status, 10);
    EXPECT_EQ(r.Fehler, "Fehler beim Lesen eines Datensatzes der Felddatei!\n");
}

TEST(Werkzeug, ZeigenInUtf8) {
    TTestOrdner o;
    LevelSchreiben(o.Pfad("a.dat"), "Gr\xFCn", {"1+#~", ".!.2"});
    const auto r = Lauf({"zeigen", o.Pfad("a.dat")});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Aus,
              "Name: Grün\nGröße: 4 × 2 Zellen\nZellengröße: 30 × 25 Pixel\nFarbe: 0x00208010\n"
              "1+#~\n.?.2\n");
    EXPECT_EQ(Lauf({"zeigen"}).Status, 2);
    EXPECT_EQ(Lauf({"zeigen", o.Pfad("nix.dat")}).Status, 10);
}

TEST(Werkzeug, HighscoreUndEinstellungen) {
    TTestOrdner o;
    std::vector<unsigned char> hsk(48, 0);
    const std::string m = "M\xFCller";
    hsk[0] = static_cast<unsigned char>(m.size());
    std::copy(m.begin(), m.end(), hsk.begin() + 1);
    hsk[22] = 0x2C, hsk[23] = 0x01;  // 300
    hsk[24] = 3, hsk[25] = 'B', hsk[26] = 'o', hsk[27] = 't';
    hsk[46] = 20;
    SchreibeBytes(o.Pfad("h.hsk"), hsk);
    auto r = Lauf({"highscore", o.Pfad("h.hsk")});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Aus,
              "Rang  Name                  Punkte\n"
              "1     Müller                   300\n"
              "2     Bot                       20\n");
    SchreibeBytes(o.Pfad("kaputt.hsk"), std::vector<unsigned char>(25, 0));
    r = Lauf({"highscore", o.Pfad("kaputt.hsk")});
    EXPECT_EQ(r.Status, 10);
    EXPECT_EQ(r.Fehler, "Fehler: Grösse der Highscore-Datei stimmt nicht!\n");

    // A settings file written by hand: defaults of player 2 only where the test looks.
    std::vector<unsigned char> sps(1634, 0);
    sps[298 + 12] = 3, sps[298 + 13] = 'K', sps[298 + 14] = 'a', sps[298 + 15] = 'i';
    sps[298 + 10] = 0x11;
    sps[298 + 289] = 1;
    sps[596] = 7;
    sps[602] = 0xD0, sps[603] = 0x07;
    SchreibeBytes(o.Pfad("t.sps"), sps);
    LevelSchreiben(o.Pfad("l1.dat"), "x", {"1..2"});
    std::vector<unsigned char> lev(512, 0);
    const std::string p1 = o.Pfad("l1.dat");
    lev[0] = static_cast<unsigned char>(p1.size());
    std::copy(p1.begin(), p1.end(), lev.begin() + 1);
    lev[256] = 5, lev[257] = 'w', lev[258] = 'e', lev[259] = 'g', lev[260] = '.', lev[261] = 'x';
    SchreibeBytes(o.Pfad("t.sps.lev"), lev);
    r = Lauf({"einstellungen", o.Pfad("t.sps")});
    EXPECT_EQ(r.Status, 0);
    EXPECT_NE(r.Aus.find("Spieler2.Name=Kai\n"), std::string::npos);
    EXPECT_NE(r.Aus.find("Spieler2.TasteWerfen=17\n"), std::string::npos);
    EXPECT_NE(r.Aus.find("Spieler2.Computer=1\n"), std::string::npos);
    EXPECT_NE(r.Aus.find("Rundenanzahl=7\nLevelZufall=0\n"), std::string::npos);
    EXPECT_NE(r.Aus.find("PlatzExplo=2000\n"), std::string::npos);
    EXPECT_EQ(r.Aus.substr(r.Aus.size() - p1.size() - 7), "Level=" + p1 + "\n");
    EXPECT_EQ(r.Fehler,
              "Der gespeicherte Pfad weg.x exsistiert nicht mehr. Daher wurde dieses Level aus der "
              "Liste gelöscht.\n");

    SchreibeBytes(o.Pfad("t.sps.lev"), std::vector<unsigned char>(300, 0));
    EXPECT_EQ(Lauf({"einstellungen", o.Pfad("t.sps")}).Status, 10);
}

TEST(Werkzeug, HilfeUndFehlbedienung) {
    for (const char* befehl : {"pruefen", "zeigen", "highscore", "einstellungen"}) {
        const auto r = Lauf({befehl, "--help"});
        EXPECT_EQ(r.Status, 0) << befehl;
        EXPECT_EQ(r.Aus.rfind(std::string("Aufruf: knallfeld-werkzeug ") + befehl, 0), 0u);
    }
    EXPECT_EQ(Lauf({"--help"}).Status, 0);
    EXPECT_EQ(Lauf({}).Status, 2);
    EXPECT_EQ(Lauf({"tanzen"}).Status, 2);
    EXPECT_EQ(Lauf({"pruefen", "a", "b"}).Status, 2);
}
