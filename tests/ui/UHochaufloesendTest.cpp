// Pictures on high-density screens: scaled to the screen's own pixels, not enlarged afterwards.
#include <gtest/gtest.h>

#include "hilfen/TestHilfen.h"
#include "model/USpielRecEinstellungen.h"
#include "ui/USpielBilder.h"
#include "ui/editor/UBildZwischenspeicher.h"

namespace {

struct TBilderMitSatz {
    TBilderMitSatz() : Fehler(Meldungen), Bilder(Fehler) {
        BildAnlegen(Ordner.Pfad("block.bmp"), Qt::red);
        BildAnlegen(Ordner.Pfad("wasser.bmp"), Qt::blue);
        Bilder.BildAnhaengen(Ordner.Pfad("block.bmp"), kBlockbilder);
        Bilder.BildAnhaengen(Ordner.Pfad("wasser.bmp"), kWasserbilder);
    }
    static void BildAnlegen(const std::string& pfad, Qt::GlobalColor farbe) {
        QImage b(40, 40, QImage::Format_RGB32);
        b.fill(farbe);
        b.save(QString::fromStdString(pfad), "BMP");
    }
    TTestOrdner Ordner;
    TMeldungsProtokoll Meldungen;
    TDateiFehler Fehler;
    TBilderSets Bilder;
};

}  // namespace

TEST(Hochaufloesend, SpielbilderInDenPixelnDesBildschirms) {
    TBilderMitSatz s;
    TSpielBilder b(s.Bilder);
    b.RundeVorbereiten(TSpielRecEinstellungen{}, QSize(30, 20), Qt::darkGreen);
    ASSERT_NE(b.Satzbild(0, kBlockbilder), nullptr);
    EXPECT_EQ(b.Satzbild(0, kBlockbilder)->size(), QSize(30, 20));
    const int skaliert = b.Skalierungen();

    b.Pixelverhaeltnis(2);
    for (const QPixmap* p :
         {&b.Spieler(1), &b.Bombe(), &b.Extra(3), b.Satzbild(0, kWasserbilder)}) {
        EXPECT_EQ(p->size(), QSize(60, 40));
        EXPECT_EQ(p->devicePixelRatio(), 2.0);
        // Drawn at the cell's size in the window's units.
        EXPECT_EQ(p->deviceIndependentSize(), QSizeF(30, 20));
    }
    EXPECT_EQ(b.Skalierungen(), skaliert + 1);
    // The same ratio on every paint scales nothing again.
    b.Pixelverhaeltnis(2);
    b.Satzbild(0, kBlockbilder);
    EXPECT_EQ(b.Skalierungen(), skaliert + 1);
    // A new round keeps the screen's ratio.
    b.RundeVorbereiten(TSpielRecEinstellungen{}, QSize(40, 40), Qt::darkGreen);
    EXPECT_EQ(b.Bombe().size(), QSize(80, 80));
}

TEST(Hochaufloesend, EditorbilderInDenPixelnDesBildschirms) {
    TBilderMitSatz s;
    TBildZwischenspeicher z(s.Bilder);
    const QPixmap* einfach = z.Bild(0, kBlockbilder, QSize(25, 25));
    ASSERT_NE(einfach, nullptr);
    EXPECT_EQ(einfach->size(), QSize(25, 25));
    const QPixmap* doppelt = z.Bild(0, kBlockbilder, QSize(25, 25), 2);
    EXPECT_EQ(doppelt->size(), QSize(50, 50));
    EXPECT_EQ(doppelt->devicePixelRatio(), 2.0);
    EXPECT_EQ(z.Skalierungen(), 2);
    z.Bild(0, kWasserbilder, QSize(25, 25), 2);
    EXPECT_EQ(z.Skalierungen(), 2);
}
