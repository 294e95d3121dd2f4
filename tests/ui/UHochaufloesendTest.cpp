// Pictures on high-density screens: scaled to the screen's own pixels, not enlarged afterwards,
// and only when a set, the cell size or the screen changes.
#include <gtest/gtest.h>

#include "UiHilfen.h"
#include "ui/USpielBilder.h"
#include "ui/editor/UBildZwischenspeicher.h"

TEST(Hochaufloesend, SpielUndEditorbilderInDenPixelnDesBildschirms) {
    TTestOrdner o;
    TMeldungsProtokoll m;
    TDateiFehler fehler(m);
    TBilderSets s(fehler);
    BitmapAnlegen(o.Pfad("block.bmp"), qRgb(255, 0, 0), 40);
    BitmapAnlegen(o.Pfad("wasser.bmp"), qRgb(0, 0, 255), 40);
    s.BildAnhaengen(o.Pfad("block.bmp"), kBlockbilder);
    s.BildAnhaengen(o.Pfad("wasser.bmp"), kWasserbilder);

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

    // The editor's cache: both sets scaled in one go.
    TBildZwischenspeicher z(s);
    EXPECT_EQ(z.Bild(0, kBlockbilder, QSize(25, 25), 2)->size(), QSize(50, 50));
    z.Bild(0, kWasserbilder, QSize(25, 25), 2);
    EXPECT_EQ(z.Skalierungen(), 1);
}
