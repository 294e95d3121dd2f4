#include "werkzeug/USimulieren.h"

#include <gtest/gtest.h>

#include <QImage>
#include <sstream>

#include "files/UDateiFehler.h"
#include "files/UHighscore.h"
#include "files/URecords.h"
#include "hilfen/TestHilfen.h"
#include "model/UPointer.h"
#include "werkzeug/UWerkzeug.h"

namespace {

struct TLauf {
    int Status;
    std::string Aus;
    std::string Fehler;
    std::vector<std::string> Zeilen() const {
        std::vector<std::string> z;
        std::istringstream s(Aus);
        for (std::string zeile; std::getline(s, zeile);) z.push_back(zeile);
        return z;
    }
};

TLauf Lauf(std::vector<std::string> args) {
    args.insert(args.begin(), "simulieren");
    std::ostringstream aus, fehler;
    const int status = WerkzeugAusfuehren(args, aus, fehler);
    return {status, aus.str(), fehler.str()};
}

// A complete level: cells, general record and an image file naming one block picture.
void LevelSchreiben(const TTestOrdner& o, const std::string& name, const std::string& levelname,
                    const std::vector<std::string>& zeilen) {
    const std::string pfad = o.Pfad(name);
    TFeldDaten d;
    d.Name = levelname;
    d.SpielBreite = static_cast<std::uint16_t>(zeilen[0].size());
    d.SpielHoehe = static_cast<std::uint16_t>(zeilen.size());
    const TBytes allg = PackeFeldDaten(d);
    SchreibeBytes(pfad + ".all", {allg.begin(), allg.end()});
    std::vector<unsigned char> zellen;
    const std::string arten = ".+#~1...2";
    for (const auto& zeile : zeilen)
        for (char c : zeile) {
            const TBytes z = PackeZelle({static_cast<TZellenArt>(arten.find(c)), 0, false});
            zellen.insert(zellen.end(), z.begin(), z.end());
        }
    SchreibeBytes(pfad, zellen);
    const std::string bmp = o.Pfad("block.bmp");
    QImage bild(8, 8, QImage::Format_RGB32);
    bild.fill(Qt::gray);
    bild.save(QString::fromStdString(bmp), "BMP");
    const TBytes eintrag = PackeBildEintrag({1, 0, bmp});
    SchreibeBytes(pfad + ".bild", {eintrag.begin(), eintrag.end()});
}

const std::vector<std::string> kArena = {
    "1...+++...", ".#+#.#.#+.", ".+..+.+.+.", ".#+#.#.#..", "+...+++..2",
};

const std::vector<std::string> kGrube = {
    "1.~...", ".#+#..", "..+..+", ".#+#..", ".....2",
};

}  // namespace

TEST(Simulieren, MatchZeilenUndWiederholbarkeit) {
    TTestOrdner o;
    LevelSchreiben(o, "arena.dat", "Arena", kArena);
    LevelSchreiben(o, "grube.dat", "Grube", kGrube);
    const std::vector<std::string> args = {
        "--seed", "42", "--runden", "3", o.Pfad("arena.dat"), o.Pfad("grube.dat")};
    const TLauf a = Lauf(args);
    ASSERT_EQ(a.Status, 0) << a.Fehler;
    EXPECT_EQ(a.Fehler, "");
    const auto z = a.Zeilen();
    ASSERT_EQ(z.size(), 6u) << a.Aus;
    // Levels in list order, the last one again for the third round.
    EXPECT_EQ(z[0].rfind("Runde 1 (Arena): ", 0), 0u);
    EXPECT_EQ(z[1].rfind("Runde 2 (Grube): ", 0), 0u);
    EXPECT_EQ(z[2].rfind("Runde 3 (Grube): ", 0), 0u);
    for (int i = 0; i < 3; ++i) {
        const std::string text = z[i].substr(z[i].find("): ") + 3);
        EXPECT_TRUE(text == "Spieler 1 hat die letzte Runde gewonnen!" ||
                    text == "Spieler 2 hat die letzte Runde gewonnen!" ||
                    text == "Diese Runde geht unendschieden aus!" || text == "abgebrochen")
            << text;
    }
    EXPECT_TRUE(z[3] == "Spieler 1 hat das Match gewonnen!" ||
                z[3] == "Spieler 2 hat das Match gewonnen!" ||
                z[3] == "Das Match geht unendschieden aus!")
        << z[3];
    EXPECT_EQ(z[4].rfind("Punkte: ", 0), 0u);
    EXPECT_EQ(z[5].rfind("Spielzeit: ", 0), 0u);
    EXPECT_NE(z[5].find(" s simuliert in "), std::string::npos);
    EXPECT_NE(z[5].find("-fach Echtzeit)"), std::string::npos);

    // The same seed gives the same match, all but the timing line.
    const auto b = Lauf(args).Zeilen();
    ASSERT_EQ(b.size(), z.size());
    for (int i = 0; i < 5; ++i) EXPECT_EQ(b[i], z[i]);
    EXPECT_EQ(b[5].substr(0, b[5].find(" simuliert")), z[5].substr(0, z[5].find(" simuliert")));
}

TEST(Simulieren, AbbruchNachMaxSekundenUndHighscore) {
    TTestOrdner o;
    // The players can never reach each other: every round runs into the limit.
    LevelSchreiben(o, "getrennt.dat", "Getrennt", {"1.#..", "..#..", "..#.2"});
    const std::string hsk = o.Pfad("Highscore.hsk");
    const TLauf r = Lauf({"--seed", "1", "--runden", "2", "--max-sekunden", "30", "--highscore",
                          hsk, o.Pfad("getrennt.dat")});
    ASSERT_EQ(r.Status, 0) << r.Fehler;
    EXPECT_EQ(r.Zeilen(), (std::vector<std::string>{
                              "Runde 1 (Getrennt): abgebrochen",
                              "Runde 2 (Getrennt): abgebrochen",
                              "Das Match geht unendschieden aus!",
                              "Punkte: 0 : 0",
                              r.Zeilen().back(),
                          }));
    EXPECT_EQ(r.Zeilen().back().rfind("Spielzeit: 60,0 s simuliert in ", 0), 0u);
    TMeldungsProtokoll m;
    TDateiFehler df(m);
    THighscore h;
    HighscoreLaden(h, df, hsk);
    EXPECT_EQ(h.Liste().size(), 2u);
    // A second run adds to the file.
    ASSERT_EQ(Lauf({"--seed", "1", "--runden", "1", "--max-sekunden", "5", "--highscore", hsk,
                    o.Pfad("getrennt.dat")})
                  .Status,
              0);
    THighscore h2;
    HighscoreLaden(h2, df, hsk);
    EXPECT_EQ(h2.Liste().size(), 4u);
}

TEST(Simulieren, EinstellungsdateiUndFehlbedienung) {
    TTestOrdner o;
    LevelSchreiben(o, "arena.dat", "Arena", kArena);
    // A settings file with human players and four rounds; its level list names the arena.
    TSpielRecEinstellungen e = StandardRecord();
    e.Rundenanzahl = 4;
    e.Spieler1.Name = "Jörg";
    const TBytes sps = PackeEinstellungen(e);
    SchreibeBytes(o.Pfad("t.sps"), {sps.begin(), sps.end()});
    const TBytes lev = PackeLevelPfad(o.Pfad("arena.dat"));
    SchreibeBytes(o.Pfad("t.sps.lev"), {lev.begin(), lev.end()});
    const TLauf r =
        Lauf({"--einstellungen", o.Pfad("t.sps"), "--seed", "9", "--schwierigkeit", "5"});
    ASSERT_EQ(r.Status, 0) << r.Fehler;
    const auto z = r.Zeilen();
    ASSERT_EQ(z.size(), 7u) << r.Aus;
    EXPECT_EQ(z[3].rfind("Runde 4 (Arena): ", 0), 0u);

    EXPECT_EQ(Lauf({"--runden", "0", o.Pfad("arena.dat")}).Status, 2);
    EXPECT_EQ(Lauf({"--schwierigkeit", "6", o.Pfad("arena.dat")}).Status, 2);
    EXPECT_EQ(Lauf({"--seed"}).Status, 2);
    EXPECT_EQ(Lauf({"--tanzen"}).Status, 2);
    EXPECT_EQ(Lauf({}).Status, 2) << "no level";
    const TLauf fehlt = Lauf({"--seed", "1", o.Pfad("nichts.dat")});
    EXPECT_EQ(fehlt.Status, 10);
    EXPECT_NE(fehlt.Fehler.find("AllgemeinDatei"), std::string::npos);
    EXPECT_EQ(fehlt.Aus, "");
    const TLauf hilfe = Lauf({"--help"});
    EXPECT_EQ(hilfe.Status, 0);
    EXPECT_EQ(hilfe.Aus.rfind("Aufruf: knallfeld-werkzeug simulieren", 0), 0u);
}
