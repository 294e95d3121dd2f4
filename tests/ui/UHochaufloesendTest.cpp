// Pictures on high-density screens: scaled to the screen's own pixels, not enlarged afterwards,
// and only when a set, the cell size or the screen changes.
#include <gtest/gtest.h>

#include "UiHilfen.h"
#include "ui/USpielBilder.h"

TEST(Hochaufloesend, SpielbilderInDenPixelnDesBildschirms) {
    TTestOrdner o;
    TMeldungsProtokoll m;
    TDateiFehler fehler(m);
    TBilderSets s(fehler);
    for (std::uint8_t satz : {kBlockbilder, kWasserbilder}) {
        BitmapAnlegen(o.Pfad("b.bmp"), qRgb(255, 0, 0), 40);
        s.BildAnhaengen(o.Pfad("b.bmp"), satz);
    }

    TSpielBilder b(s);
    b.RundeVorbereiten(TSpielRecEinstellungen{}, QSize(30, 20), Qt::darkGreen);
    const int skaliert = b.Skalierungen();
    b.Pixelverhaeltnis(2);
    for (const QPixmap* p :
         {&b.Spieler(1), &b.Bombe(), &b.Extra(3), b.Satzbild(0, kWasserbilder)}) {
        EXPECT_EQ(p->size(), QSize(60, 40));
        EXPECT_EQ(p->deviceIndependentSize(), QSizeF(30, 20));  // drawn at the cell's size
    }
    // The same ratio on every paint scales nothing again; a new round keeps the ratio.
    b.Pixelverhaeltnis(2);
    b.Satzbild(0, kBlockbilder);
    EXPECT_EQ(b.Skalierungen(), skaliert + 1);
    b.RundeVorbereiten(TSpielRecEinstellungen{}, QSize(40, 40), Qt::darkGreen);
    EXPECT_EQ(b.Bombe().size(), QSize(80, 80));
}
