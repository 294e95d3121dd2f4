#include "werkzeug/UWerkzeug.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QImage>
#include <set>
#include <sstream>

#include "editor/UEditorFeldTest.h"
#include "files/UHighscore.h"
#include "files/URecords.h"
#include "hilfen/Brett.h"
#include "hilfen/TestHilfen.h"
#include "match/UKlang.h"

namespace {

struct TLauf {
    int Status;
    std::string Aus, Fehler;
    std::vector<std::string> Zeilen() const {
        std::vector<std::string> z;
        std::istringstream s(Aus);
        for (std::string zeile; std::getline(s, zeile);) z.push_back(zeile);
        return z;
    }
};

TLauf Lauf(const std::vector<std::string>& argumente) {
    std::ostringstream aus, fehler;
    const int status = WerkzeugAusfuehren(argumente, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

void Schreiben(const std::string& pfad, const TBytes& bytes, bool anhaengen = false) {
    auto alt = anhaengen ? LiesBytes(pfad) : std::vector<unsigned char>{};
    alt.insert(alt.end(), bytes.begin(), bytes.end());
    SchreibeBytes(pfad, alt);
}

// A level as the game writes it: cells from text rows, general record (30 x 25 pixels, colour
// 0x00208010) and an image file naming one block picture.
std::string LevelSchreiben(const TTestOrdner& o, const std::string& name, const std::string& titel,
                           const std::vector<std::string>& zeilen) {
    const std::string pfad = o.Pfad(name);
    Schreiben(pfad + ".all", PackeFeldDaten({titel, std::uint16_t(zeilen[0].size()),
                                             std::uint16_t(zeilen.size()), 30, 25, 0x00208010}));
    SchreibeBytes(pfad, {});
    for (const auto& zeile : zeilen)
        for (char c : zeile) Schreiben(pfad, PackeZelle({ArtVonZeichen(c), 0, false}), true);
    QImage bild(8, 8, QImage::Format_RGB32);
    bild.fill(Qt::gray);
    bild.save(QString::fromStdString(o.Pfad("block.bmp")), "BMP");
    Schreiben(pfad + ".bild", PackeBildEintrag({1, 0, o.Pfad("block.bmp")}));
    return pfad;
}

const std::vector<std::string> kArena = {
    "1...+++...", ".#+#.#.#+.", ".+..+.+.+.", ".#+#.#.#..", "+...+++..2",
};

}  // namespace

TEST(Werkzeug, PruefenGibtRegelUndStatus) {
    TTestOrdner o;
    const std::tuple<std::string, std::vector<std::string>, int, std::string> faelle[] = {
        {"Grün", {"1...", "....", "...2"}, 0, "Das Spielfeld ist OK!"},
        {"x",
         {"1.#..", "..#..", "..#.2"},
         5,
         "Das Spielfeld enthält Fehler! Es gibt keinen freien/zerstörbaren Weg zwischen beiden "
         "Startpositionen."},
        {"x", {"1...", "....", "...."}, 1, FeldFehlerText(1)},
        {"x", {"1#..", "##..", "...2"}, 3, FeldFehlerText(3)},
        {"", {"1...", "....", "...2"}, 6, kNameFehlt},
    };
    for (const auto& [titel, zeilen, status, text] : faelle) {
        const auto r = Lauf({"pruefen", LevelSchreiben(o, "l.dat", titel, zeilen)});
        EXPECT_EQ(r.Status, status);
        EXPECT_EQ(r.Aus, text + "\n");
    }
    // The picture file is read as a round reads it: a moved picture is reported and the check
    // goes on; a broken picture file is a file error.
    const std::string l = LevelSchreiben(o, "l.dat", "Grün", {"1...", "....", "...2"});
    QFile::remove(QString::fromStdString(o.Pfad("block.bmp")));
    auto r = Lauf({"pruefen", l});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Fehler,
              "Fehler: Es sind Bilder des gespeicherten Feldes gelöscht/verschoben worden! Das "
              "Feld könnte anderes aussehen.\n");
    SchreibeBytes(l + ".bild", {});
    r = Lauf({"pruefen", l});
    EXPECT_EQ(r.Status, 10);
    EXPECT_EQ(r.Fehler, "Fehler: Grösse der Bilder-Datei stimmt nicht!\n");
}

TEST(Werkzeug, ZeigenHighscoreUndEinstellungen) {
    TTestOrdner o;
    const auto r = Lauf({"zeigen", LevelSchreiben(o, "a.dat", "Grün", {"1+#~", ".x.2"})});
    EXPECT_EQ(r.Status, 0);
    EXPECT_EQ(r.Aus,
              "Name: Grün\nGröße: 4 × 2 Zellen\nZellengröße: 30 × 25 Pixel\nFarbe: 0x00208010\n"
              "1+#~\n.?.2\n");

    Schreiben(o.Pfad("h.hsk"), PackeHighscore({"Müller", 300}));
    Schreiben(o.Pfad("h.hsk"), PackeHighscore({"Bot", 20}), true);
    EXPECT_EQ(Lauf({"highscore", o.Pfad("h.hsk")}).Aus,
              "Rang  Name                  Punkte\n"
              "1     Müller                   300\n"
              "2     Bot                       20\n");
    SchreibeBytes(o.Pfad("kaputt.hsk"), std::vector<unsigned char>(25, 0));
    const auto kaputt = Lauf({"highscore", o.Pfad("kaputt.hsk")});
    EXPECT_EQ(kaputt.Status, 10);
    EXPECT_EQ(kaputt.Fehler, "Fehler: Grösse der Highscore-Datei stimmt nicht!\n");

    TSpielRecEinstellungen e = StandardRecord();
    e.Spieler2.Name = "Kai";
    e.Spieler2.Computer = true;
    e.Rundenanzahl = 7;
    Schreiben(o.Pfad("t.sps"), PackeEinstellungen(e));
    Schreiben(o.Pfad("t.sps.lev"), PackeLevelPfad(o.Pfad("a.dat")));
    Schreiben(o.Pfad("t.sps.lev"), PackeLevelPfad("weg.x"), true);
    const auto s = Lauf({"einstellungen", o.Pfad("t.sps")});
    EXPECT_EQ(s.Status, 0);
    for (const char* zeile :
         {"\nSpieler2.Name=Kai\n", "\nSpieler2.TasteWerfen=17\n", "\nSpieler2.Computer=1\n",
          "\nRundenanzahl=7\nLevelZufall=0\n", "\nPlatzExplo=2000\n"})
        EXPECT_NE(s.Aus.find(zeile), std::string::npos) << zeile;
    EXPECT_TRUE(s.Aus.ends_with("\nLevel=" + o.Pfad("a.dat") + "\n"));
    EXPECT_EQ(s.Fehler,
              "Der gespeicherte Pfad weg.x exsistiert nicht mehr. Daher wurde dieses Level aus der "
              "Liste gelöscht.\n");
    SchreibeBytes(o.Pfad("t.sps.lev"), std::vector<unsigned char>(300, 0));
    EXPECT_EQ(Lauf({"einstellungen", o.Pfad("t.sps")}).Status, 10);
}

TEST(Werkzeug, HilfeUndFehlbedienung) {
    TTestOrdner o;
    const std::string level = LevelSchreiben(o, "a.dat", "A", {"1..2"});
    for (const char* befehl : {"pruefen", "zeigen", "highscore", "einstellungen", "simulieren"}) {
        const auto r = Lauf({befehl, "--help"});
        EXPECT_EQ(r.Status, 0) << befehl;
        EXPECT_TRUE(r.Aus.starts_with(std::string("Aufruf: knallfeld-werkzeug ") + befehl));
    }
    EXPECT_EQ(Lauf({"--help"}).Status, 0);
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"pruefen", "a", "b"}, "Zu viele Argumente."},
        {{"zeigen"}, "Es fehlt ein Dateiname."},
        {{"simulieren", "--runden", "0", level}, "--runden braucht eine Zahl von 1 bis 255."},
        {{"simulieren", "--schwierigkeit", "6", level},
         "--schwierigkeit braucht eine Zahl von 1 bis 5."},
        {{"simulieren", "--seed"}, "--seed braucht eine ganze Zahl ab 0."},
        {{"simulieren", "--tanzen"}, "Unbekannte Option: --tanzen"},
        {{"simulieren"}, "Es ist kein Level angegeben."},
    };
    for (const auto& [argumente, text] : faelle) {
        const auto r = Lauf(argumente);
        EXPECT_EQ(r.Status, 2) << text;
        EXPECT_EQ(r.Fehler, text + " Hilfe mit --help.\n");
    }
    EXPECT_EQ(Lauf({}).Status, 2);
    EXPECT_TRUE(Lauf({"tanzen"}).Fehler.starts_with("Unbekannter Befehl: tanzen\n\nAufruf:"));
    for (const char* befehl : {"pruefen", "zeigen", "simulieren"}) {
        const auto r = Lauf({befehl, o.Pfad("nichts.dat")});
        EXPECT_EQ(r.Status, 10);
        EXPECT_EQ(r.Aus, "");
        EXPECT_EQ(r.Fehler, "Fehler beim Öffnen der AllgemeinDatei!\n");
    }
}

TEST(Werkzeug, SimulierenMatchZeilenUndWiederholbarkeit) {
    TTestOrdner o;
    const std::vector<std::string> args = {
        "simulieren",
        "--seed",
        "42",
        "--runden",
        "3",
        LevelSchreiben(o, "arena.dat", "Arena", kArena),
        LevelSchreiben(o, "grube.dat", "Grube",
                       {"1.~...", ".#+#..", "..+..+", ".#+#..", ".....2"})};
    const TLauf a = Lauf(args);
    ASSERT_EQ(a.Status, 0) << a.Fehler;
    EXPECT_EQ(a.Fehler, "");
    const auto z = a.Zeilen();
    ASSERT_EQ(z.size(), 6u) << a.Aus;
    // Levels in list order, the last one again for the third round.
    EXPECT_TRUE(z[0].starts_with("Runde 1 (Arena): ") && z[1].starts_with("Runde 2 (Grube): ") &&
                z[2].starts_with("Runde 3 (Grube): "))
        << a.Aus;
    const std::set<std::string> match = {"Spieler 1 hat das Match gewonnen!",
                                         "Spieler 2 hat das Match gewonnen!",
                                         "Das Match geht unendschieden aus!"};
    EXPECT_TRUE(match.contains(z[3])) << z[3];
    EXPECT_TRUE(z[4].starts_with("Punkte: "));
    EXPECT_TRUE(z[5].starts_with("Spielzeit: ") && z[5].ends_with("-fach Echtzeit)")) << z[5];
    EXPECT_NE(z[5].find(" s simuliert in "), std::string::npos);

    // The same seed gives the same match, all but the timing line.
    const auto b = Lauf(args).Zeilen();
    ASSERT_EQ(b.size(), z.size());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(b[i], z[i]);
    EXPECT_EQ(b[5].substr(0, b[5].find(" simuliert")), z[5].substr(0, z[5].find(" simuliert")));

    // With --klaenge the same match, and each sound with its simulated time, in time order.
    auto mitKlaengen = args;
    mitKlaengen.push_back("--klaenge");
    std::set<std::string> namen;
    for (int i = 0; i < kKlangAnzahl; ++i) namen.insert(KlangName(TKlang(i)));
    std::vector<std::string> ohne, gehoert;
    unsigned long zuletzt = 0;
    for (const std::string& zeile : Lauf(mitKlaengen).Zeilen()) {
        unsigned long sek = 0, ms = 0;
        int ende = 0;
        if (std::sscanf(zeile.c_str(), "%lu.%3lu s %n", &sek, &ms, &ende) != 2 || ende == 0 ||
            zeile[zeile.find('.') + 4] != ' ') {
            ohne.push_back(zeile);
            continue;
        }
        EXPECT_GE(sek * 1000 + ms, zuletzt) << zeile;
        zuletzt = sek * 1000 + ms;
        gehoert.push_back(zeile.substr(std::size_t(ende)));
        EXPECT_TRUE(namen.contains(gehoert.back())) << zeile;
    }
    ASSERT_EQ(ohne.size(), z.size());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(ohne[i], z[i]);
    EXPECT_GT(std::count(gehoert.begin(), gehoert.end(), "Explosion"), 0);
}

TEST(Werkzeug, SimulierenAbbruchHighscoreUndEinstellungsdatei) {
    TTestOrdner o;
    // The players can never reach each other: every round runs into the limit.
    const std::string getrennt =
        LevelSchreiben(o, "g.dat", "Getrennt", {"1.#..", "..#..", "..#.2"});
    const std::string hsk = o.Pfad("Highscore.hsk");
    const auto lauf = [&](const char* runden) {
        return Lauf({"simulieren", "--seed", "1", "--runden", runden, "--max-sekunden", "30",
                     "--highscore", hsk, getrennt});
    };
    const TLauf r = lauf("2");
    ASSERT_EQ(r.Status, 0) << r.Fehler;
    auto z = r.Zeilen();
    ASSERT_EQ(z.size(), 5u) << r.Aus;
    EXPECT_TRUE(z.back().starts_with("Spielzeit: 60,0 s simuliert in ")) << z.back();
    z.pop_back();
    EXPECT_EQ(z, (std::vector<std::string>{"Runde 1 (Getrennt): abgebrochen",
                                           "Runde 2 (Getrennt): abgebrochen",
                                           "Das Match geht unendschieden aus!", "Punkte: 0 : 0"}));
    ASSERT_EQ(lauf("1").Status, 0);
    // Both runs entered both players.
    TMeldungsProtokoll m;
    TDateiFehler df(m);
    THighscore h;
    HighscoreLaden(h, df, hsk);
    EXPECT_EQ(h.Liste().size(), 4u);
    // On a disk that takes no byte the old list stays and the failure is the exit status.
    const auto vorher = LiesBytes(hsk);
    EXPECT_EQ(ImKind(Dateigrenze(0),
                     [&] {
                         const TLauf v = lauf("1");
                         return std::to_string(v.Status) + " " + v.Fehler;
                     }),
              "10 Fehler beim Schließen der Highscore-Datei!\n");
    EXPECT_EQ(LiesBytes(hsk), vorher);

    // Settings file with human players and four rounds; its level list names the arena.
    TSpielRecEinstellungen e = StandardRecord();
    e.Rundenanzahl = 4;
    Schreiben(o.Pfad("t.sps"), PackeEinstellungen(e));
    Schreiben(o.Pfad("t.sps.lev"), PackeLevelPfad(LevelSchreiben(o, "arena.dat", "Arena", kArena)));
    z = Lauf({"simulieren", "--einstellungen", o.Pfad("t.sps"), "--seed", "9", "--schwierigkeit",
              "5"})
            .Zeilen();
    ASSERT_EQ(z.size(), 7u);
    EXPECT_TRUE(z[3].starts_with("Runde 4 (Arena): "));
}
