#include "files/UDatei.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QImage>
#include <string>

using namespace std::literals;

#include "hilfen/Brett.h"
#include "hilfen/TestHilfen.h"

namespace {

using TRoh = std::vector<unsigned char>;

void BmpAnlegen(const std::string& pfad) {
    QDir().mkpath(QFileInfo(QString::fromStdString(pfad)).absolutePath());
    QImage bild(2, 2, QImage::Format_RGB32);
    bild.fill(Qt::gray);
    ASSERT_TRUE(bild.save(QString::fromStdString(pfad), "BMP"));
}

TRoh Bilddatei(std::initializer_list<TBildEintrag> eintraege) {
    TRoh r;
    for (const auto& e : eintraege) {
        const TBytes b = PackeBildEintrag(e);
        r.insert(r.end(), b.begin(), b.end());
    }
    return r;
}

struct LevelTest : ::testing::Test {
    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TDateiFehler fehler{meldungen};
    TSpielfeld feld;
    TBilderSets bilder{fehler};
    TLevelDateien dateien{feld, bilder, fehler};
    std::string block, wasser, arena;

    // A saved 3 x 2 level; pictures a.bmp, b.bmp (blocks) and w.bmp (water) in the standard
    // folders.
    void SetUp() override {
        block = ordner.Pfad("Bilder/UnZerstoer/");
        wasser = ordner.Pfad("Bilder/Wasser/");
        bilder.StandardOrdner(ordner.Ordner());
        for (const auto& p : {block + "a.bmp", block + "b.bmp", wasser + "w.bmp"}) BmpAnlegen(p);
        bilder.BilderNeuLaden();
        arena = ordner.Pfad("Arena.dat");
        feld.SetzeFeldDaten({"Arena", 3, 2, 30, 25, 0x00112233});
        BrettSetzen(feld, {"+#.", "~12"});
        feld.SetzeZelleBei(1, zaZerstoerbar, 1);
        ASSERT_TRUE(dateien.LevelSpeichern());  // not bound yet
        EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{"Fehler beim Öffnen der Felddatei!"});
        ASSERT_FALSE(dateien.LevelSpeichernUnter(arena) || dateien.LevelSpeichern());
        meldungen.Leeren();
    }
};

}  // namespace

TEST_F(LevelTest, SpeichernUndLadenBytegenau) {
    EXPECT_EQ(LiesBytes(arena), (TRoh{1, 0, 1, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                      3, 0, 0, 0, 0, 0, 4, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0}));
    const TBytes all = PackeFeldDaten({"Arena", 3, 2, 30, 25, 0x00112233});
    EXPECT_EQ(LiesBytes(arena + ".all"), TRoh(all.begin(), all.end()));
    EXPECT_EQ(
        LiesBytes(arena + ".bild"),
        Bilddatei({{1, 1, block + "a.bmp"}, {1, 2, block + "b.bmp"}, {3, 1, wasser + "w.bmp"}}));

    // Loaded back over another board, from read-only files: no message, no picture twice.
    const auto zellen = feld.Zellen();
    const auto saetze =
        std::pair{bilder.Satz(kBlockbilder).size(), bilder.Satz(kWasserbilder).size()};
    BrettSetzen(feld, {"..", ".."});
    for (const auto& p : {arena, arena + ".all", arena + ".bild"}) SchreibschutzSetzen(p, true);
    ASSERT_FALSE(dateien.LevelLaden(arena));
    EXPECT_EQ(feld.FeldDaten(), (TFeldDaten{"Arena", 3, 2, 30, 25, 0x00112233}));
    EXPECT_EQ(feld.Zellen(), zellen);
    EXPECT_EQ(std::pair(bilder.Satz(kBlockbilder).size(), bilder.Satz(kWasserbilder).size()),
              saetze);
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST_F(LevelTest, UeberschreibenFrageUndBindung) {
    const TRoh zellen = LiesBytes(arena), allgemein = LiesBytes(arena + ".all");
    const std::string neu = ordner.Pfad("Neu.dat");
    SchreibeBytes(neu, {1, 2, 3});
    meldungen.Antworten = {TAntwort::Nein};
    EXPECT_TRUE(dateien.LevelSpeichernUnter(neu));
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Die Datei " + neu +
                                       " existiert bereits. Soll sie überschrieben werden?"});
    EXPECT_EQ(meldungen.Eintraege[0].Typ, TBoxTyp::Warnung);
    EXPECT_EQ(LiesBytes(neu), (TRoh{1, 2, 3}));
    EXPECT_FALSE(DateiExistiert(neu + ".all"));

    // A level whose general file cannot be created is not bound.
    QDir().mkpath(QString::fromStdString(ordner.Pfad("X.dat.all")));
    EXPECT_TRUE(dateien.LevelSpeichernUnter(ordner.Pfad("X.dat")));
    EXPECT_EQ(dateien.GebundenerPfad(), arena);
    // Binding an existing level truncates nothing.
    ASSERT_FALSE(dateien.LevelDateienAnlegen(arena));
    EXPECT_EQ(LiesBytes(arena), zellen);
    EXPECT_EQ(LiesBytes(arena + ".all"), allgemein);

    // Only the companions exist: no question, and both are replaced.
    meldungen.Leeren();
    const std::string halb = ordner.Pfad("Halb.dat");
    SchreibeBytes(halb + ".all", {9});
    SchreibeBytes(halb + ".bild", {9});
    ASSERT_FALSE(dateien.LevelSpeichernUnter(halb) || dateien.LevelSpeichern());
    EXPECT_TRUE(meldungen.Eintraege.empty());
    EXPECT_EQ(LiesBytes(halb + ".all"), allgemein);
    EXPECT_EQ(LiesBytes(halb + ".bild").size(), 3u * 260);
}

TEST_F(LevelTest, ZellenLesenBleibtImFeld) {
    const std::string dat = ordner.Pfad("Z.dat");
    BrettSetzen(feld, {"..", ".."});
    // One record short: the first three are taken, the last read fails. An unknown kind and a
    // picture far beyond any set are kept; drawing falls back to the last picture.
    SchreibeBytes(dat, {200, 0, 0x0F, 0x27, 1, 0, 2, 0, 1, 0, 0, 0, 3, 0, 0, 0, 0, 0});
    EXPECT_TRUE(dateien.ZellenLesen(dat, 4));
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Fehler beim Lesen eines Datensatzes der Felddatei!"});
    EXPECT_EQ(feld.Zellen()[0], (TZelle{200, 9999, true}));
    EXPECT_EQ(feld.Zellen()[2], (TZelle{3, 0, false}));
    EXPECT_EQ(feld.Zellen()[3], TZelle{});
    EXPECT_EQ(bilder.BildHolen(9999 + 1, kBlockbilder), &bilder.Satz(kBlockbilder)[1].Bitmap);

    // More records than cells, and a caller asking for more than the board holds.
    meldungen.Leeren();
    TRoh lang;
    for (unsigned char i = 0; i < 9; ++i) lang.insert(lang.end(), {1, 0, i, 0, 0, 0});
    SchreibeBytes(dat, lang);
    EXPECT_FALSE(dateien.ZellenLesen(dat, 9));
    EXPECT_EQ(feld.AnzahlKnoten(), 4u);
    EXPECT_EQ(feld.Zellen()[3], (TZelle{1, 3, false}));
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST_F(LevelTest, BilderAusDemOrdnerDesSatzes) {
    // The pictures move to a new folder that becomes the current one: found by name, and the
    // next save stores the new paths.
    const std::string neuBlock = ordner.Pfad("neu/block/");
    BmpAnlegen(neuBlock + "a.bmp");
    BmpAnlegen(neuBlock + "b.bmp");
    QDir(QString::fromStdString(block)).removeRecursively();
    bilder.Blockbilderordner = neuBlock;
    ASSERT_FALSE(dateien.BilderLesen(arena + ".bild") || dateien.LevelSpeichern());
    const TRoh erwartet = Bilddatei(
        {{1, 1, neuBlock + "a.bmp"}, {1, 2, neuBlock + "b.bmp"}, {3, 1, wasser + "w.bmp"}});
    EXPECT_EQ(LiesBytes(arena + ".bild"), erwartet);

    // A Windows path with backslashes, and a stored path that holds no bitmap any more.
    SchreibeBytes(ordner.Pfad("kaputt/w.bmp"), {'n', 'i', 'x'});
    for (const std::string& p :
         {"C:\\Spiele\\Knallfeld\\Bilder\\Wasser\\w.bmp"s, ordner.Pfad("kaputt/w.bmp")}) {
        SchreibeBytes(arena + ".bild", Bilddatei({{3, 4, p}}));
        ASSERT_FALSE(dateien.BilderLesen(arena + ".bild"));
        EXPECT_EQ(bilder.AnzahlBilder(kBlockbilder), 0u);
        EXPECT_EQ(bilder.Satz(kWasserbilder).at(0).Daten, (TBildEintrag{3, 4, wasser + "w.bmp"}));
    }
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST_F(LevelTest, FehlendeBilderLassenDieSaetzeUnveraendert) {
    QFile::remove(QString::fromStdString(block + "b.bmp"));
    BrettSetzen(feld, {"..", ".."});
    const auto stand = bilder.Stand();
    EXPECT_FALSE(dateien.LevelLaden(arena));
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{
                  "Fehler: Es sind Bilder des gespeicherten Feldes gelöscht/verschoben worden! "
                  "Das Feld könnte anderes aussehen."});
    EXPECT_EQ(bilder.Stand(), stand);
    EXPECT_EQ(bilder.AnzahlBilder(kBlockbilder), 2u);
    EXPECT_EQ(feld.Zellen()[0], (TZelle{zaZerstoerbar, 1, false}));
}
