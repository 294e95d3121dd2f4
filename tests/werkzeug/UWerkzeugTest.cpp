#include "werkzeug/UWerkzeug.h"

#include <gtest/gtest.h>
#include <QFile>
#include <regex>
#include <set>

#include "editor/UEditorFeldTest.h"
#include "files/URecords.h"
#include "hilfen/Brett.h"
#include "hilfen/TestHilfen.h"
#include "match/UKlang.h"
#include "tests/werkzeug/WerkzeugLauf.h"

namespace {

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
    BitmapAnlegen(o.Pfad("block.bmp"), qRgb(160, 160, 164));
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
        {"x", {"1.#..", "..#..", "..#.2"}, 5, FeldFehlerText(5)},
        {"", {"1...", "....", "...2"}, 6, kNameFehlt},
        {"Grün", {"1...", "....", "...2"}, 0, "Das Spielfeld ist OK!"},
    };
    for (const auto& [titel, zeilen, status, text] : faelle) {
        const auto r = Lauf({"pruefen", LevelSchreiben(o, "l.dat", titel, zeilen)});
        EXPECT_TRUE(r.Status == status && r.Aus == text + "\n");
    }
    // The picture file is read as a round reads it: a moved picture is reported and the check
    // goes on; a broken picture file is a file error.
    const std::string l = o.Pfad("l.dat");
    QFile::remove(QString::fromStdString(o.Pfad("block.bmp")));
    EXPECT_TRUE(Lauf({"pruefen", l})
                    .StatusUndFehler()
                    .starts_with("0 Fehler: Es sind Bilder des gespeicherten Feldes gelöscht"));
    SchreibeBytes(l + ".bild", {});
    EXPECT_EQ(Lauf({"pruefen", l}).StatusUndFehler(),
              "10 Fehler: Grösse der Bilder-Datei stimmt nicht!\n");
}

TEST(Werkzeug, ZeigenHighscoreUndEinstellungen) {
    TTestOrdner o;
    EXPECT_EQ(Lauf({"zeigen", LevelSchreiben(o, "a.dat", "Grün", {"1+#~", ".x.2"})}).Aus,
              "Name: Grün\nGröße: 4 × 2 Zellen\nZellengröße: 30 × 25 Pixel\nFarbe: 0x00208010\n"
              "1+#~\n.?.2\n");
    Schreiben(o.Pfad("h.hsk"), PackeHighscore({"Müller", 300}));
    Schreiben(o.Pfad("h.hsk"), PackeHighscore({"Bot", 20}), true);
    EXPECT_EQ(Lauf({"highscore", o.Pfad("h.hsk")}).Aus,
              "Rang  Name                  Punkte\n"
              "1     Müller                   300\n"
              "2     Bot                       20\n");

    TSpielRecEinstellungen e = StandardRecord();
    e.Spieler2.Name = "Kai";
    Schreiben(o.Pfad("t.sps"), PackeEinstellungen(e));
    Schreiben(o.Pfad("t.sps.lev"), PackeLevelPfad(o.Pfad("a.dat")));
    Schreiben(o.Pfad("t.sps.lev"), PackeLevelPfad("weg.x"), true);
    const auto s = Lauf({"einstellungen", o.Pfad("t.sps")});
    EXPECT_NE(s.Aus.find("\nSpieler2.Name=Kai\n"), std::string::npos);
    EXPECT_TRUE(s.Aus.ends_with("\nLevel=" + o.Pfad("a.dat") + "\n"));
    EXPECT_TRUE(s.Fehler.starts_with("Der gespeicherte Pfad weg.x exsistiert nicht mehr."));
}

TEST(Werkzeug, HilfeUndFehlbedienung) {
    const auto hilfe = Lauf({"simulieren", "--help"});
    EXPECT_TRUE(hilfe.Status == 0 &&
                hilfe.Aus.starts_with("Aufruf: knallfeld-werkzeug simulieren"));
    EXPECT_EQ(Lauf({"simulieren", "--runden", "0", "a"}).StatusUndFehler(),
              "2 --runden braucht eine Zahl von 1 bis 255. Hilfe mit --help.\n");
    EXPECT_TRUE(Lauf({"tanzen"}).Fehler.starts_with("Unbekannter Befehl: tanzen\n\nAufruf:"));
    EXPECT_EQ(Lauf({"simulieren", "nichts.dat"}).StatusUndFehler(),
              "10 Fehler beim Öffnen der AllgemeinDatei!\n");
}

TEST(Werkzeug, SimulierenMatchZeilenUndKlaenge) {
    TTestOrdner o;
    std::vector<std::string> args = {"simulieren", "--seed", "42", "--runden", "3", "--klaenge"};
    args.push_back(LevelSchreiben(o, "arena.dat", "Arena", kArena));
    args.push_back(LevelSchreiben(o, "grube.dat", "Grube", {"1.~..", "....2"}));
    const TLauf a = Lauf(args);
    ASSERT_EQ(a.Status, 0) << a.Fehler;
    // The same seed gives the same match, all but the timing line.
    auto wieder = Lauf(args).Zeilen(), zeilen = a.Zeilen();
    wieder.pop_back(), zeilen.pop_back();
    EXPECT_EQ(wieder, zeilen);
    // Each sound with its simulated time, in time order, between the match's lines.
    std::set<std::string> namen;
    for (int i = 0; i < kKlangAnzahl; ++i) namen.insert(KlangName(TKlang(i)));
    const std::regex klang(R"((\d+)\.(\d{3}) s (.+))");
    std::vector<std::string> z;
    unsigned long zuletzt = 0, explosionen = 0;
    for (const std::string& zeile : a.Zeilen()) {
        std::smatch t;
        if (!std::regex_match(zeile, t, klang)) {
            z.push_back(zeile);
            continue;
        }
        const unsigned long ms = std::stoul(t[1]) * 1000 + std::stoul(t[2]);
        EXPECT_GE(ms, zuletzt) << zeile;
        zuletzt = ms;
        EXPECT_TRUE(namen.contains(t[3])) << zeile;
        explosionen += t[3] == "Explosion";
    }
    EXPECT_GT(explosionen, 0u);
    ASSERT_EQ(z.size(), 6u) << a.Aus;
    // Levels in list order, the last one again for the third round.
    EXPECT_TRUE(z[0].starts_with("Runde 1 (Arena): ") && z[1].starts_with("Runde 2 (Grube): ") &&
                z[2].starts_with("Runde 3 (Grube): "))
        << a.Aus;
    EXPECT_TRUE(z[4].starts_with("Punkte: "));
    EXPECT_TRUE(z[5].starts_with("Spielzeit: ") && z[5].ends_with("-fach Echtzeit)")) << z[5];
}

TEST(Werkzeug, SimulierenAbbruchHighscoreUndEinstellungsdatei) {
    TTestOrdner o;
    // The players can never reach each other: every round runs into the limit.
    const std::string getrennt =
        LevelSchreiben(o, "g.dat", "Getrennt", {"1.#..", "..#..", "..#.2"});
    const std::string hsk = o.Pfad("Highscore.hsk");
    const auto lauf = [&] {
        return Lauf({"simulieren", "--seed", "1", "--runden", "2", "--max-sekunden", "30",
                     "--highscore", hsk, getrennt});
    };
    auto z = lauf().Zeilen();
    ASSERT_EQ(z.size(), 5u);
    EXPECT_TRUE(z.back().starts_with("Spielzeit: 60,0 s simuliert in ")) << z.back();
    z.pop_back();
    EXPECT_EQ(z, (std::vector<std::string>{"Runde 1 (Getrennt): abgebrochen",
                                           "Runde 2 (Getrennt): abgebrochen",
                                           "Das Match geht unendschieden aus!", "Punkte: 0 : 0"}));
    EXPECT_EQ(LiesBytes(hsk).size(), 2 * kGroesseHighscore);
    // On a disk that takes no byte the old list stays and the failure is the exit status.
    EXPECT_EQ(ImKind(Dateigrenze(0), [&] { return lauf().StatusUndFehler(); }),
              "10 Fehler beim Schließen der Highscore-Datei!\n");
    EXPECT_EQ(LiesBytes(hsk).size(), 2 * kGroesseHighscore);

    // Settings file with four rounds; its level list names the arena.
    TSpielRecEinstellungen e = StandardRecord();
    e.Rundenanzahl = 4;
    Schreiben(o.Pfad("t.sps"), PackeEinstellungen(e));
    Schreiben(o.Pfad("t.sps.lev"), PackeLevelPfad(LevelSchreiben(o, "arena.dat", "Arena", kArena)));
    z = Lauf({"simulieren", "--einstellungen", o.Pfad("t.sps"), "--seed", "9"}).Zeilen();
    ASSERT_EQ(z.size(), 7u);
    EXPECT_TRUE(z[3].starts_with("Runde 4 (Arena): "));
}

TEST(Werkzeug, SimulierenMitStarkemComputerUndTodesursachen) {
    TTestOrdner o;
    const std::string l = LevelSchreiben(o, "a.dat", "Arena", kArena);
    EXPECT_EQ(Lauf({"simulieren", "--stark", "3", l}).Status, 2);
    EXPECT_EQ(Lauf({"simulieren", "--sturmflut", "11", l}).Status, 2);
    const std::vector<std::string> basis = {"simulieren", "--seed", "5", "--runden", "8", l};
    auto mit = [&](std::vector<std::string> dazu) {
        std::vector<std::string> a = basis;
        a.insert(a.begin() + 1, dazu.begin(), dazu.end());
        return Lauf(a).Zeilen();
    };
    const auto klassisch = mit({"--ursachen"});
    const auto stark = mit({"--stark", "2", "--ursachen"});
    EXPECT_NE(stark, klassisch);
    // After every round one line per player killed in it, the loser's.
    int siege2 = 0;
    for (std::size_t i = 0; i + 1 < stark.size(); ++i) {
        if (!stark[i].starts_with("Runde ") || stark[i].ends_with("abgebrochen")) continue;
        const bool zweiGewinnt = stark[i].find("Spieler 2 hat") != std::string::npos;
        siege2 += zweiGewinnt;
        const std::regex verlierer(std::string("  Spieler ") + (zweiGewinnt ? "1" : "2") +
                                   ": (eigene Bombe|Bombe des Gegners|ertrunken|Sturmflut)");
        EXPECT_TRUE(std::regex_match(stark[i + 1], verlierer)) << stark[i + 1];
    }
    EXPECT_GE(siege2, 6) << "the strong computer in seat 2";
    // With the flood after a minute, both strong: it ends rounds, and is named.
    const auto flut = mit({"--stark", "beide", "--sturmflut", "1", "--ursachen"});
    EXPECT_TRUE(std::count(flut.begin(), flut.end(), "  Spieler 1: Sturmflut") +
                    std::count(flut.begin(), flut.end(), "  Spieler 2: Sturmflut") >
                0);
    const auto ohne = mit({"--stark", "2"});
    EXPECT_EQ(std::count_if(ohne.begin(), ohne.end(),
                            [](const std::string& z) { return z.starts_with("  Spieler"); }),
              0);
}
