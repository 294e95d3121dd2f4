#include "ui/spiel/UBewegung.h"

#include <gtest/gtest.h>

#include "model/UBombenPointer.h"
#include "model/UPointer.h"

namespace {

// A board of one row, its cells set from a string ('1' the first player, 'B' a bomb, 'X' an
// explosion, '#' a block, '~' water, '+' a grave, 'x' an extra, '.' free).
struct Reihe {
    TSpielfeld f;
    TBombenListen b;
    TBewegung bew;
    explicit Reihe(const char* zellen) {
        const TFeldDaten g{"", std::uint16_t(std::char_traits<char>::length(zellen)), 1, 40, 40};
        f.SetzeFeldDaten(g);
        f.ErzeugeFeld(f.Zellenzahl());
        Setzen(zellen);
        bew.Beginnen(f, {100, 2000, 1000, 400});
    }
    void Setzen(const char* zellen) {
        const std::string zeichen = ".1BbXe#~+x";
        const TZellenArt arten[] = {
            zaFrei,        zaSpieler1, zaBombe, zaSpieler1Bombe, zaExplosion, zaSpieler1Explosion,
            zaZerstoerbar, zaWasser,   zaTot,   zaWerfen};
        for (std::uint32_t i = 0; zellen[i]; ++i)
            f.SetzeZelleBei(i + 1, arten[zeichen.find(zellen[i])], 0);
    }
    void Zug(const char* zellen, std::uint64_t t) {
        Setzen(zellen);
        bew.Vergleichen(f, b, t);
    }
};

}  // namespace

TEST(Bewegung, FigurGehtZwischenDenZellenUndStehtAmEndeImZiel) {
    TSpielRecEinstellungen e;
    e.SpielerVerzoegerung = 400;
    EXPECT_EQ(BewegungsDauer(e).Schritt, 150u);
    e.SpielerVerzoegerung = 60;
    EXPECT_EQ(BewegungsDauer(e).Schritt, 60u);

    Reihe r("1...");
    r.Zug(".1..", 1000);
    TFigur f = r.bew.Figur(1, 1050);
    EXPECT_EQ(std::tuple(f.Von, f.Nach, f.Anteil, f.Blick, f.Bild),
              std::tuple(0, 1, 0.5, TRichtung(riRechts), 3));
    // Never more than one step behind its cell: at the step's end it stands in it.
    f = r.bew.Figur(1, 1100);
    EXPECT_TRUE(!f.Geht() && f.Nach == 1 && f.Bild == 0);
    // A figure that lands two cells away (a new round, a jump) stands there at once.
    r.Zug("...1", 1200);
    EXPECT_FALSE(r.bew.Figur(1, 1200).Geht());
}

TEST(Bewegung, ExplosionZuJedemFuenftelIhrerZeit) {
    // Out along the arm within the first tenth: the centre first, the end last.
    for (int abstand = 0; abstand <= 2; ++abstand)
        EXPECT_DOUBLE_EQ(Flamme(abstand, 0.05, 0).Reichweite, 1 - abstand / 2.0) << abstand;
    const double staerke[6] = {1, 1, 1, 1, 0.675, 0.35};
    for (int i = 0; i <= 5; ++i)
        for (int abstand = 0; abstand <= 2; ++abstand) {
            const TFlamme f = Flamme(abstand, i / 5.0, 0);
            EXPECT_EQ(f.Reichweite, i == 0 ? 0.0 : 1.0) << i << " " << abstand;
            EXPECT_NEAR(f.Staerke, staerke[i], 1e-9) << i;
        }
    EXPECT_NE(Flamme(1, 0.5, 0).Flackern, Flamme(1, 0.5, 60).Flackern);

    // Each cell knows how far it lies from the centre of the explosion that reached it.
    Reihe r(".#B...");
    r.b.Anhaengen(0, TPosition{1, 3}, 1, false);
    r.Zug("XXXXX.", 500);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(r.bew.Wechsel(i).Abstand, std::abs(i - 2)) << i;
    EXPECT_EQ(r.bew.Wechsel(1).Vorher, zaZerstoerbar);
    EXPECT_TRUE(r.bew.Laeuft(0, 1499) && !r.bew.Laeuft(0, 1500));
    // A figure walking into the flame leaves its time as it was.
    r.Zug("XXeXX.", 800);
    EXPECT_EQ(r.bew.Wechsel(2).Zeit, 500u);
}

TEST(Bewegung, ZuendungBleibtBeimSchrittVonDerBombeUndBeimWurf) {
    EXPECT_TRUE(Zuendung(0.5, 0).Lunte == 0.5 && Zuendung(0.5, 0).Groesse == 1.0);
    EXPECT_GT(Zuendung(0.95, 0).Groesse, Zuendung(0.85, 0).Groesse);
    Reihe r("1....");
    r.Zug("b....", 100);
    r.Zug("B1...", 600);  // stepping off keeps the fuse
    EXPECT_EQ(r.bew.Wechsel(0).Zeit, 100u);
    r.Zug(".1.B.", 900);  // thrown, the fuse burns on
    EXPECT_TRUE(r.bew.Wechsel(3).Zeit == 100u && r.bew.Laeuft(3, 2099) && !r.bew.Laeuft(3, 2100));
}

TEST(Bewegung, WasserGrabUndGlanzMitIhremUrsprung) {
    Reihe r("~.1XX");
    r.Zug("~~.+x", 700);
    EXPECT_TRUE(r.bew.Wechsel(1).Herkunft == riLinks && r.bew.Wechsel(3).Spieler == 1);
    EXPECT_TRUE(r.bew.Laeuft(1, 1099) && !r.bew.Laeuft(1, 1100));
    EXPECT_TRUE(r.bew.Laeuft(3, 700 + kFallDauer - 1) && r.bew.Laeuft(4, 700 + kGlanzDauer - 1));
    // A cell that turned free has nothing to show on the way.
    EXPECT_FALSE(r.bew.Laeuft(2, 700));
}

TEST(Bewegung, BildwechselNurSolangeEtwasGehtUndEinmalDanach) {
    Reihe r("1.~.");
    EXPECT_TRUE(r.bew.Still());
    r.Zug(".1~~", 1000);
    auto zellen = [&](std::uint64_t t) { return r.bew.Bildwechsel(t); };
    EXPECT_EQ(zellen(1050), (std::vector<int>{0, 1, 3}));
    // The figure has arrived: its cells once more, then the water alone.
    EXPECT_EQ(zellen(1150), (std::vector<int>{0, 1, 3}));
    EXPECT_TRUE(zellen(1300) == (std::vector<int>{3}) && !r.bew.Still());
    EXPECT_TRUE(zellen(1400) == (std::vector<int>{3}) && r.bew.Still() && zellen(1500).empty());
}
