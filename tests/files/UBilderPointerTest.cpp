#include "files/UBilderPointer.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QImage>

#include "hilfen/TestHilfen.h"
#include "model/UAnsi.h"

namespace {

const std::string kBildFehlt = "Fehler beim Laden eines Bildes! Bild ist nicht mehr vorhanden";

QRgb FarbeVon(const QImage* bild) {
    return bild ? bild->pixel(0, 0) : 0;
}

struct BilderTest : ::testing::Test {
    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TDateiFehler fehler{meldungen};
    TBilderSets bilder{fehler};
};

}  // namespace

TEST_F(BilderTest, OrdnerNachNamenNurGueltigeBitmaps) {
    const std::string o = ordner.Pfad("block") + "/";
    BitmapAnlegen(o + "e.bmp", qRgb(0, 0, 2));
    BitmapAnlegen(o + "a.bmp", qRgb(0, 0, 1));
    BitmapAnlegen(o + "f.BMP", qRgb(0, 0, 3));       // the suffix in any case
    BitmapAnlegen(o + "źdźbło.bmp", qRgb(0, 0, 4));  // would be saved as another name
    SchreibeBytes(o + "b.bmp", {'k', 'e', 'i', 'n', ' ', 'b', 'i', 'l', 'd'});
    QImage png(2, 2, QImage::Format_RGB32);
    png.fill(Qt::blue);
    ASSERT_TRUE(png.save(QString::fromStdString(o + "c.bmp"), "PNG"));
    // A header claiming 65 536 x 65 536 pixels must be refused, not allocated.
    std::vector<unsigned char> riesig = {'B', 'M', 0x36, 0, 0, 0, 0, 0, 0, 0, 0x36, 0, 0, 0,  40,
                                         0,   0,   0,    0, 0, 1, 0, 0, 0, 1, 0,    1, 0, 24, 0};
    riesig.resize(0x36 + 16, 0);
    SchreibeBytes(o + "d.bmp", riesig);
    SchreibeBytes(o + "notiz.txt", {'x'});
    QDir().mkpath(QString::fromStdString(o + "ordner.bmp"));

    bilder.OrdnerLaden(o, kBlockbilder);
    EXPECT_EQ(meldungen.Texte(), std::vector<std::string>(3, kBildFehlt));
    ASSERT_EQ(bilder.AnzahlBilder(kBlockbilder), 3u);
    EXPECT_EQ(bilder.Satz(kBlockbilder)[2].Daten, (TBildEintrag{kBlockbilder, 3, o + "f.BMP"}));
    // 1-based; 0 and beyond the end fall back to the first and the last; an empty set has none.
    for (auto [nr, blau] : {std::pair{0, 1}, {2, 2}, {8, 3}})
        EXPECT_EQ(FarbeVon(bilder.BildHolen(std::uint16_t(nr), kBlockbilder)), qRgb(0, 0, blau));
    EXPECT_EQ(bilder.BildHolen(1, kWasserbilder), nullptr);

    EXPECT_FALSE(bilder.BildAnhaengen(o + "b.bmp", kWasserbilder) ||
                 bilder.IstGeladen(kWasserbilder));
    // A folder gets its separator once, whichever it ends with.
    for (const char* ordner : {"/a/b", "/a/b/", "C:\\b\\"})
        EXPECT_EQ(ImOrdner(ordner, "c.bmp"),
                  std::string(ordner) + (std::string(ordner).ends_with("b") ? "/" : "") + "c.bmp");
}

TEST_F(BilderTest, AnhaengenUndEintraegeAusDerLeveldatei) {
    const std::string a = ordner.Pfad("x/a.bmp"), d = ordner.Pfad("woanders/d.bmp");
    BitmapAnlegen(a, qRgb(200, 10, 10));
    BitmapAnlegen(d, qRgb(200, 10, 10));
    ASSERT_TRUE(bilder.BildAnhaengen(a, kBlockbilder));
    ASSERT_TRUE(bilder.BildAnhaengen(d, kBlockbilder));
    // "Already used" compares the file name only, also in a Windows path.
    EXPECT_TRUE(bilder.SchonBenutzt("C:\\Spiel\\Bilder\\a.bmp", kBlockbilder));
    EXPECT_FALSE(bilder.SchonBenutzt("/x/A.bmp", kBlockbilder) ||
                 bilder.SchonBenutzt("/x/a.bmp", kWasserbilder));

    // A stored entry keeps its number; any kind but 1 belongs to the water set.
    ASSERT_TRUE(bilder.EintragAusDatei({3, 17, d}));
    ASSERT_TRUE(bilder.EintragAusDatei({2, 5, a}));
    EXPECT_EQ(bilder.Satz(kWasserbilder)[0].Daten, (TBildEintrag{3, 17, d}));
    EXPECT_EQ(bilder.AnzahlBilder(kWasserbilder), 2u);
    const auto vorher = bilder.Stand();
    bilder.AlleFreigeben();
    EXPECT_GT(bilder.Stand(), vorher);

    // A path far beyond 255 characters is cut between characters, never inside one.
    std::string pfad = ordner.Ordner();
    for (int i = 0; i < 70; ++i) pfad += "äöüß/";
    pfad += "bild.bmp";
    BitmapAnlegen(pfad, qRgb(200, 10, 10));
    ASSERT_TRUE(bilder.BildAnhaengen(pfad, kWasserbilder));
    const std::string& gespeichert = bilder.Satz(kWasserbilder)[0].Daten.Pfad;
    EXPECT_EQ(gespeichert, Utf8Kuerzen(pfad, 255));
    EXPECT_EQ(Utf8NachAnsi(gespeichert).find('?'), std::string::npos);
}
