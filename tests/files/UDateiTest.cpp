#include "files/UDatei.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QImage>

#include "files/UTypDatei.h"
#include "hilfen/TestHilfen.h"

namespace {

using TRoh = std::vector<unsigned char>;

void BmpAnlegen(const std::string& pfad) {
    QDir().mkpath(QFileInfo(QString::fromStdString(pfad)).absolutePath());
    QImage bild(2, 2, QImage::Format_RGB32);
    bild.fill(Qt::gray);
    ASSERT_TRUE(bild.save(QString::fromStdString(pfad), "BMP"));
}

// Makes the n-th write or commit (counted from 1) of any typed file fail, for one test.
struct TStoerung {
    explicit TStoerung(int n) {
        TTypDatei::SchreibStoerung = [n, zaehler = 0]() mutable { return ++zaehler == n; };
    }
    ~TStoerung() { TTypDatei::SchreibStoerung = nullptr; }
};

// The general record, byte by byte from its layout.
TRoh AllgemeinBytes(const std::string& name, std::uint16_t b, std::uint16_t h, std::uint16_t eb,
                    std::uint16_t eh, std::uint32_t farbe) {
    TRoh r(36, 0);
    r[0] = static_cast<unsigned char>(name.size());
    std::copy(name.begin(), name.end(), r.begin() + 1);
    r[22] = b & 0xFF, r[23] = b >> 8, r[24] = h & 0xFF, r[25] = h >> 8;
    r[26] = eb & 0xFF, r[27] = eb >> 8, r[28] = eh & 0xFF, r[29] = eh >> 8;
    for (int i = 0; i < 4; ++i) r[32 + i] = (farbe >> (8 * i)) & 0xFF;
    return r;
}

void ZelleAnhaengen(TRoh& r, unsigned char art, std::uint16_t bild, unsigned char neu = 0) {
    r.insert(r.end(), {art, 0, static_cast<unsigned char>(bild & 0xFF),
                       static_cast<unsigned char>(bild >> 8), neu, 0});
}

void BildAnhaengen(TRoh& r, unsigned char art, std::uint16_t nummer, const std::string& pfad) {
    TRoh e(260, 0);
    e[0] = art;
    e[2] = nummer & 0xFF, e[3] = nummer >> 8;
    e[4] = static_cast<unsigned char>(pfad.size());
    std::copy(pfad.begin(), pfad.end(), e.begin() + 5);
    r.insert(r.end(), e.begin(), e.end());
}

TRoh Verbunden(const TRoh& a, const TRoh& b) {
    TRoh r = a;
    r.insert(r.end(), b.begin(), b.end());
    return r;
}

const std::string kOeffnen = "Fehler beim Öffnen der ";
const std::string kLesen = "Fehler beim Lesen eines Datensatzes der ";
const std::string kSpeichern = "Fehler beim Speichern eines Datensatzes der ";
const std::string kSchliessen = "Fehler beim Schließen der ";
const std::string kGroesse = "Fehler: Grösse der ";
const std::string kVerschoben =
    "Fehler: Es sind Bilder des gespeicherten Feldes gelöscht/verschoben worden! Das Feld "
    "könnte anderes aussehen.";

struct LevelTest : ::testing::Test {
    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TDateiFehler fehler{meldungen};
    TSpielfeld feld;
    TBilderSets bilder{fehler};
    TLevelDateien dateien{feld, bilder, fehler};
    std::string block, wasser, arena;

    void SetUp() override {
        block = ordner.Pfad("Bilder/UnZerstoer/");
        wasser = ordner.Pfad("Bilder/Wasser/");
        bilder.StandardOrdner(ordner.Ordner());
        BmpAnlegen(block + "a.bmp");
        BmpAnlegen(block + "b.bmp");
        BmpAnlegen(wasser + "w.bmp");
        bilder.BilderNeuLaden();
        arena = ordner.Pfad("Arena.dat");
    }

    // A 3 x 2 level: a block row above a water cell and both start cells.
    void LevelBauen() {
        feld.SetzeFeldDaten({"Arena", 3, 2, 30, 25, 0x00112233});
        feld.LoescheFeld();
        feld.ErzeugeFeld(6);
        feld.SetzeZelleBei(1, zaZerstoerbar, 1);
        feld.SetzeZelleBei(2, zaUnzerstoerbar, 0);
        feld.SetzeZelleBei(4, zaWasser, 0);
        feld.SetzeZelleBei(5, zaSpieler1, 0);
        feld.SetzeZelleBei(6, zaSpieler2, 0);
    }

    TRoh ErwarteteZellen() const {
        TRoh r;
        ZelleAnhaengen(r, 1, 1);
        ZelleAnhaengen(r, 2, 0);
        ZelleAnhaengen(r, 0, 0);
        ZelleAnhaengen(r, 3, 0);
        ZelleAnhaengen(r, 4, 0);
        ZelleAnhaengen(r, 8, 0);
        return r;
    }

    void Gespeichert() {
        LevelBauen();
        ASSERT_FALSE(dateien.LevelSpeichernUnter(arena));
        ASSERT_FALSE(dateien.LevelSpeichern());
        meldungen.Leeren();
    }
};

}  // namespace

TEST_F(LevelTest, SpeichernSchreibtDieDreiDateienBytegenau) {
    Gespeichert();
    EXPECT_EQ(LiesBytes(arena), ErwarteteZellen());
    EXPECT_EQ(LiesBytes(arena + ".all"), AllgemeinBytes("Arena", 3, 2, 30, 25, 0x00112233));
    TRoh bild;
    BildAnhaengen(bild, 1, 1, block + "a.bmp");
    BildAnhaengen(bild, 1, 2, block + "b.bmp");
    BildAnhaengen(bild, 3, 1, wasser + "w.bmp");
    EXPECT_EQ(LiesBytes(arena + ".bild"), bild);
    EXPECT_TRUE(dateien.Gebunden());
    EXPECT_TRUE(meldungen.Eintraege.empty());

    // A name with a character the ANSI code page lacks is stored with "?".
    TFeldDaten d = feld.HoleFeldDaten();
    d.Name = "Zoë ★";
    feld.SetzeFeldDaten(d);
    ASSERT_FALSE(dateien.LevelSpeichern());
    EXPECT_EQ(LiesBytes(arena + ".all"), AllgemeinBytes("Zo\xEB ?", 3, 2, 30, 25, 0x00112233));
}

TEST_F(LevelTest, LadenGibtFeldZellenUndBildsaetzeZurueck) {
    Gespeichert();
    const auto blockVorher = bilder.Satz(kBlockbilder);
    const auto zellenVorher = feld.Zellen();
    feld.SetzeStandardGroesse();
    feld.LoescheFeld();
    bilder.AlleFreigeben();

    ASSERT_FALSE(dateien.LevelLaden(arena));
    EXPECT_EQ(feld.FeldDaten(), (TFeldDaten{"Arena", 3, 2, 30, 25, 0x00112233}));
    EXPECT_EQ(feld.Zellen(), zellenVorher);
    ASSERT_EQ(bilder.AnzahlBilder(kBlockbilder), 2u);
    ASSERT_EQ(bilder.AnzahlBilder(kWasserbilder), 1u);
    EXPECT_EQ(bilder.Satz(kBlockbilder)[1].Daten, blockVorher[1].Daten);
    EXPECT_TRUE(meldungen.Eintraege.empty());

    // Without water pictures only block entries are stored, and none comes back twice.
    QDir(QString::fromStdString(wasser)).removeRecursively();
    bilder.BilderNeuLaden();
    ASSERT_FALSE(dateien.LevelSpeichern());
    EXPECT_EQ(LiesBytes(arena + ".bild").size(), 2u * 260);
    ASSERT_FALSE(dateien.BilderLesen(arena + ".bild"));
    EXPECT_EQ(bilder.AnzahlBilder(kBlockbilder), 2u);
    EXPECT_EQ(bilder.AnzahlBilder(kWasserbilder), 0u);
}

TEST_F(LevelTest, UeberschreibenFrage) {
    Gespeichert();
    const TRoh alt = LiesBytes(arena);
    const std::string neu = ordner.Pfad("Neu.dat");
    SchreibeBytes(neu, {1, 2, 3});

    meldungen.Antworten = {TAntwort::Nein};
    EXPECT_TRUE(dateien.LevelSpeichernUnter(neu));
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{"Die Datei " + neu +
                                                          " existiert bereits. Soll sie "
                                                          "überschrieben werden?"});
    EXPECT_EQ(meldungen.Eintraege[0].Typ, TBoxTyp::Warnung);
    EXPECT_EQ(LiesBytes(neu), (TRoh{1, 2, 3}));
    EXPECT_FALSE(DateiExistiert(neu + ".all"));
    EXPECT_EQ(dateien.GebundenerPfad(), arena);

    // Only the companions exist: no question, and both are replaced by the save.
    meldungen.Leeren();
    const std::string halb = ordner.Pfad("Halb.dat");
    SchreibeBytes(halb + ".all", {9});
    SchreibeBytes(halb + ".bild", {9});
    ASSERT_FALSE(dateien.LevelSpeichernUnter(halb));
    ASSERT_FALSE(dateien.LevelSpeichern());
    EXPECT_TRUE(meldungen.Eintraege.empty());
    EXPECT_EQ(LiesBytes(halb), alt);
    EXPECT_EQ(LiesBytes(halb + ".all").size(), 36u);
    EXPECT_EQ(LiesBytes(halb + ".bild").size(), 3u * 260);
}

TEST_F(LevelTest, AnlegenZerstoertNichtsUndEinGescheitertesSpeichernBehaeltDieAltenDateien) {
    Gespeichert();
    const TRoh zellen = LiesBytes(arena), allgemein = LiesBytes(arena + ".all"),
               bild = LiesBytes(arena + ".bild");
    ASSERT_FALSE(dateien.LevelDateienAnlegen(arena));
    EXPECT_EQ(LiesBytes(arena), zellen);
    EXPECT_EQ(LiesBytes(arena + ".all"), allgemein);
    EXPECT_EQ(LiesBytes(arena + ".bild"), bild);

    // Every file gets new contents, so an old file that survives can be told apart.
    feld.SetzeZelleBei(3, zaZerstoerbar, 1);
    TFeldDaten d = feld.HoleFeldDaten();
    d.Name = "Umgebaut";
    feld.SetzeFeldDaten(d);
    BmpAnlegen(wasser + "w2.bmp");
    ASSERT_TRUE(bilder.BildAnhaengen(wasser + "w2.bmp", kWasserbilder));
    struct Fall {
        int stoerung;  // which write or commit fails
        std::string meldung;
    };
    // Cells: 6 writes + commit; general: 1 write + commit; pictures: 4 writes + commit.
    const Fall faelle[] = {
        {2, kSpeichern + "Felddatei!"},      {7, kSchliessen + "Felddatei!"},
        {8, kSpeichern + "AllgemeinDatei!"}, {9, kSchliessen + "AllgemeinDatei!"},
        {10, kSpeichern + "Bilderdatei!"},   {14, kSchliessen + "Bilder-Datei!"},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.meldung);
        meldungen.Leeren();
        {
            TStoerung s(f.stoerung);
            EXPECT_TRUE(dateien.LevelSpeichern());
        }
        EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{f.meldung});
        // Files whose turn came before the failure are new, the rest untouched.
        EXPECT_EQ(LiesBytes(arena) == zellen, f.stoerung <= 7);
        EXPECT_EQ(LiesBytes(arena + ".all") == allgemein, f.stoerung <= 9);
        EXPECT_EQ(LiesBytes(arena + ".bild"), bild);
        SchreibeBytes(arena, zellen);
        SchreibeBytes(arena + ".all", allgemein);
    }
    EXPECT_FALSE(dateien.LevelSpeichern());
    EXPECT_EQ(LiesBytes(arena + ".bild").size(), 4u * 260);
    // No temporary files are left behind.
    EXPECT_EQ(QDir(QString::fromStdString(ordner.Ordner())).entryList(QDir::Files).size(), 3);
}

TEST_F(LevelTest, OeffnenFehlerBeimAnlegenUndSpeichern) {
    LevelBauen();
    // A folder where the general file should be.
    QDir().mkpath(QString::fromStdString(arena + ".all"));
    EXPECT_TRUE(dateien.LevelSpeichernUnter(arena));
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{kOeffnen + "AllgemeinDatei!"});
    EXPECT_FALSE(dateien.Gebunden());
    meldungen.Leeren();
    EXPECT_TRUE(dateien.LevelSpeichern());
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{kOeffnen + "Felddatei!"});

    // The image file turns into a folder after binding: its create message has its odd name.
    const std::string b = ordner.Pfad("B.dat");
    ASSERT_FALSE(dateien.LevelSpeichernUnter(b));
    QFile::remove(QString::fromStdString(b + ".bild"));
    QDir().mkpath(QString::fromStdString(b + ".bild"));
    meldungen.Leeren();
    EXPECT_TRUE(dateien.LevelSpeichern());
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{kOeffnen + "Biler-Datei!"});
    EXPECT_EQ(LiesBytes(b).size(), 36u);  // the cell file was written before
}

TEST_F(LevelTest, SchreibgeschuetzteDateienWerdenEinzelnErfragt) {
    Gespeichert();
    SchreibschutzSetzen(arena, true);
    SchreibschutzSetzen(arena + ".bild", true);
    const std::string frage = " ist schreibgeschützt! Soll der Schreibschutz entfernt werden?";

    meldungen.Antworten = {TAntwort::Ja, TAntwort::Ja, TAntwort::Nein};
    EXPECT_TRUE(dateien.LevelSpeichernUnter(arena));
    EXPECT_EQ(meldungen.Texte(),
              (std::vector<std::string>{
                  "Die Datei " + arena + " existiert bereits. Soll sie überschrieben werden?",
                  "Felddatei" + frage, "Bilder-Datei" + frage}));
    EXPECT_FALSE(IstSchreibgeschuetzt(arena));
    EXPECT_TRUE(IstSchreibgeschuetzt(arena + ".bild"));

    // A read-only level can always be loaded.
    meldungen.Leeren();
    SchreibschutzSetzen(arena, true);
    SchreibschutzSetzen(arena + ".all", true);
    EXPECT_FALSE(dateien.LevelLaden(arena));
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST_F(LevelTest, AllgemeinDateiGroesseUndGeometrie) {
    const TFeldDaten vorher = feld.HoleFeldDaten();
    const std::string all = ordner.Pfad("X.dat.all");
    const std::string groesse = kGroesse + "AllgemeinDatei stimmt nicht!";
    const TRoh gut = AllgemeinBytes("Gut", 4, 5, 10, 10, 7);
    const TRoh falsche[] = {
        {},
        TRoh(35, 0),
        AllgemeinBytes("Leer", 0, 5, 10, 10, 7),
        AllgemeinBytes("Leer", 5, 0, 10, 10, 7),
        AllgemeinBytes("Riesig", 256, 256, 10, 10, 7),
    };
    for (const TRoh& inhalt : falsche) {
        meldungen.Leeren();
        SchreibeBytes(all, inhalt);
        EXPECT_TRUE(dateien.AllgemeinLesen(all));
        EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{groesse});
        EXPECT_EQ(feld.FeldDaten(), vorher);
    }

    meldungen.Leeren();
    SchreibeBytes(all, AllgemeinBytes("Rand", 255, 257, 10, 10, 7));  // 65 535 cells
    EXPECT_FALSE(dateien.AllgemeinLesen(all));
    SchreibeBytes(all, Verbunden(gut, AllgemeinBytes("Zweiter", 9, 9, 9, 9, 9)));
    EXPECT_FALSE(dateien.AllgemeinLesen(all));
    EXPECT_EQ(feld.FeldDaten(), (TFeldDaten{"Gut", 4, 5, 10, 10, 7}));
    EXPECT_TRUE(meldungen.Eintraege.empty());

    EXPECT_TRUE(dateien.AllgemeinLesen(ordner.Pfad("fehlt.dat.all")));
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{kOeffnen + "AllgemeinDatei!"});
}

TEST_F(LevelTest, ZellenLesenBleibtImFeld) {
    const std::string dat = ordner.Pfad("Z.dat");
    feld.SetzeFeldDaten({"Z", 2, 2, 10, 10, 0});
    feld.ErzeugeFeld(4);

    // One record short: the first three are taken, the last read fails.
    TRoh kurz;
    ZelleAnhaengen(kurz, 200, 9999, 1);  // unknown kind and a picture far beyond any set
    ZelleAnhaengen(kurz, 2, 1);
    ZelleAnhaengen(kurz, 3, 0);
    SchreibeBytes(dat, kurz);
    EXPECT_TRUE(dateien.ZellenLesen(dat, 4));
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{kLesen + "Felddatei!"});
    EXPECT_EQ(feld.Zellen()[0], (TZelle{200, 9999, true}));
    EXPECT_EQ(feld.Zellen()[2], (TZelle{3, 0, false}));
    EXPECT_EQ(feld.Zellen()[3], TZelle{});
    ASSERT_NE(bilder.BildHolen(9999 + 1, kBlockbilder), nullptr);

    // More records than cells, and a caller asking for more than the board holds.
    meldungen.Leeren();
    TRoh lang;
    for (int i = 0; i < 9; ++i) ZelleAnhaengen(lang, 1, static_cast<std::uint16_t>(i));
    SchreibeBytes(dat, lang);
    EXPECT_FALSE(dateien.ZellenLesen(dat, 9));
    EXPECT_EQ(feld.AnzahlKnoten(), 4u);
    EXPECT_EQ(feld.Zellen()[3], (TZelle{1, 3, false}));
    EXPECT_TRUE(meldungen.Eintraege.empty());

    SchreibeBytes(dat, TRoh(7, 0));
    EXPECT_TRUE(dateien.ZellenLesen(dat, 4));
    EXPECT_EQ(meldungen.Letzter(), kGroesse + "Felddatei stimmt nicht!");
}

TEST_F(LevelTest, BilderAusDemOrdnerDesSatzes) {
    Gespeichert();
    // The pictures move to a new folder that becomes the current one: found by name.
    const std::string neuBlock = ordner.Pfad("neu/block/");
    BmpAnlegen(neuBlock + "a.bmp");
    BmpAnlegen(neuBlock + "b.bmp");
    QDir(QString::fromStdString(block)).removeRecursively();
    bilder.Blockbilderordner = neuBlock;

    ASSERT_FALSE(dateien.BilderLesen(arena + ".bild"));
    EXPECT_TRUE(meldungen.Eintraege.empty());
    ASSERT_EQ(bilder.AnzahlBilder(kBlockbilder), 2u);
    EXPECT_EQ(bilder.Satz(kBlockbilder)[1].Daten, (TBildEintrag{1, 2, neuBlock + "b.bmp"}));
    ASSERT_FALSE(dateien.LevelSpeichern());
    TRoh erwartet;
    BildAnhaengen(erwartet, 1, 1, neuBlock + "a.bmp");
    BildAnhaengen(erwartet, 1, 2, neuBlock + "b.bmp");
    BildAnhaengen(erwartet, 3, 1, wasser + "w.bmp");
    EXPECT_EQ(LiesBytes(arena + ".bild"), erwartet);

    // A level saved on Windows names its pictures with backslashes.
    TRoh windows;
    BildAnhaengen(windows, 3, 4, "C:\\Spiele\\Knallfeld\\Bilder\\Wasser\\w.bmp");
    SchreibeBytes(arena + ".bild", windows);
    ASSERT_FALSE(dateien.BilderLesen(arena + ".bild"));
    EXPECT_EQ(bilder.AnzahlBilder(kBlockbilder), 0u);
    EXPECT_EQ(bilder.Satz(kWasserbilder)[0].Daten, (TBildEintrag{3, 4, wasser + "w.bmp"}));

    // A stored path that holds no bitmap any more, with a good one of that name in the folder.
    SchreibeBytes(ordner.Pfad("kaputt/w.bmp"), {'n', 'i', 'x'});
    TRoh kaputt;
    BildAnhaengen(kaputt, 3, 1, ordner.Pfad("kaputt/w.bmp"));
    SchreibeBytes(arena + ".bild", kaputt);
    ASSERT_FALSE(dateien.BilderLesen(arena + ".bild"));
    EXPECT_EQ(bilder.Satz(kWasserbilder)[0].Daten.Pfad, wasser + "w.bmp");
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST_F(LevelTest, FehlendeBilderLassenDieSaetzeUnveraendert) {
    Gespeichert();
    QFile::remove(QString::fromStdString(block + "b.bmp"));
    const auto blockVorher = bilder.Satz(kBlockbilder).size();
    const auto stand = bilder.Stand();

    EXPECT_FALSE(dateien.LevelLaden(arena));
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{kVerschoben});
    EXPECT_EQ(bilder.Satz(kBlockbilder).size(), blockVorher);
    EXPECT_EQ(bilder.Stand(), stand);
    EXPECT_EQ(feld.Zellen()[0], (TZelle{zaZerstoerbar, 1, false}));

    meldungen.Leeren();
    SchreibeBytes(arena + ".bild", TRoh(261, 0));
    EXPECT_TRUE(dateien.BilderLesen(arena + ".bild"));
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{kGroesse + "Bilder-Datei stimmt nicht!"});

    meldungen.Leeren();
    QFile::remove(QString::fromStdString(arena + ".bild"));
    EXPECT_TRUE(dateien.LevelLaden(arena));
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>{kOeffnen + "Bilder-Datei!"});
}
