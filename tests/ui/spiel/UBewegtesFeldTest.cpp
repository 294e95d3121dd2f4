#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "model/UBombenPointer.h"
#include "ui/UiHilfen.h"
#include "ui/spiel/USpielGitter.h"
#include "ui/vorlieben/UBildWahl.h"

namespace {

const QRgb kGruen = qRgb(0, 128, 0);

struct BewegtesFeldTest : TFensterTest {
    TBombenListen bomben;
    std::uint64_t t = 1000;
    // The motion's clock: the test's own, or the window's.
    std::function<std::uint64_t()> uhr = [this] { return t; };

    void TearDown() override { BewegteBilderSpeichern(false); }

    // A row of free cells on the test's own clock, motion on.
    void Reihe(std::uint16_t breite) {
        Geometrie(breite, 1, 40, 40);
        f->SG_Feld->BewegungEinrichten(true, uhr);
        f->SG_Feld->RundeBeginnt({100, 2000, 1000, 400});
    }
    void Zug(std::initializer_list<std::pair<TIndex, TZellenArt>> zellen) {
        for (auto [i, art] : zellen) p.Feld.SetzeZelleBei(i, art, 0);
        f->SG_Feld->FeldGeaendert(bomben);
    }
    QImage Bild(bool bewegt = true) {
        f->SG_Feld->BewegungEinrichten(bewegt, uhr);
        const QImage b = f->SG_Feld->grab().toImage();
        f->SG_Feld->BewegungEinrichten(true, uhr);
        return b;
    }
    // Where the cells' pictures are, across the board: the mean column of what is not board.
    static double Mitte(const QImage& b) {
        double summe = 0, n = 0;
        for (int y = 2; y < 42; ++y)
            for (int x = 2; x < b.width() - 2; ++x)
                if (b.pixel(x, y) != kGruen && b.pixel(x, y) != QColor(kGruen).darker(150).rgb())
                    summe += x, ++n;
        return n ? summe / n : -1;
    }
    static int Flammen(const QImage& b) {
        int n = 0;
        for (int y = 2; y < 42; ++y)
            for (int x = 2; x < b.width() - 2; ++x) n += qRed(b.pixel(x, y)) > 180;
        return n;
    }
};

}  // namespace

TEST_F(BewegtesFeldTest, FigurHalbWegsUndAmEndeWieDasStehendeBild) {
    Reihe(3);
    Zug({{1, zaSpieler1}});
    f->SG_Feld->RundeBeginnt(f->SG_Feld->Bewegung().Dauer());
    Zug({{1, zaFrei}, {2, zaSpieler1}});
    t = 1050;
    const double halb = Mitte(Bild());
    t = 1100;
    const QImage ende = Bild();
    EXPECT_NEAR(halb, Mitte(ende) - 41 / 2.0, 2.0);
    EXPECT_EQ(ende, Bild(false));

    // A replay's jump shows the state at once: no step, and no flame that burnt before it.
    Zug({{3, zaExplosion}});
    f->SG_Feld->Springen(true);
    Zug({{2, zaFrei}, {1, zaSpieler1}});
    f->SG_Feld->Springen(false);
    EXPECT_EQ(Bild(), Bild(false));

    // Without a running match clock (a network match, a replay at its end) the wall clock moves
    // the figure on, and its step ends as the still picture.
    TSpielGitter& g = *f->SG_Feld;
    uhr = [this] { return f->Bildzeit(); };
    g.BewegungEinrichten(true, uhr);
    Zug({{1, zaFrei}, {2, zaSpieler1}});
    ASSERT_TRUE(g.BilderLaufen() && WarteBis([&] { return !g.BilderLaufen(); }, 1000));
    EXPECT_EQ(Bild(), Bild(false));
}

TEST_F(BewegtesFeldTest, PunkteZaehlenAufDerUhrDesFeldesSprungUndOhneBewegungSofort) {
    // Counted on the board's clock: half way at half the time, held while it stands, the new
    // value at the end; at once in a replay's jump and with motion off.
    const QLabel& l = *f->Panel->Lb_Punkte_Anzeige[0];
    f->Panel->Bewegt(true, [this] { return t; });
    f->Panel->Punkte(10, 0);
    const auto zeigt = [&](std::uint64_t zeit, const char* text) {
        t = 1000 + zeit;
        return WarteBis([&] { return l.text() == text; }, 500);
    };
    EXPECT_TRUE(l.text() == "0" && zeigt(200, "5"));
    WarteBis([] { return false; }, 50);
    EXPECT_TRUE(l.text() == "5" && zeigt(399, "9") && zeigt(400, "10"));
    f->Panel->Springen(true);
    f->Panel->Punkte(30, 0);
    f->Panel->Springen(false);
    EXPECT_EQ(l.text(), "30");
    f->Panel->Bewegt(false, [this] { return t; });
    f->Panel->Punkte(32, 0);
    EXPECT_EQ(l.text(), "32");
}

TEST_F(BewegtesFeldTest, ExplosionZuJedemFuenftelVerbundenUndAmEndeWieHeute) {
    Reihe(5);
    bomben.Anhaengen(0, TPosition{1, 3}, 1, false);
    Zug({{1, zaExplosion}, {2, zaExplosion}, {3, zaExplosion}, {4, zaExplosion}, {5, zaExplosion}});
    std::vector<QImage> fuenftel;
    for (int k = 0; k <= 5; ++k) {
        t = 1000 + std::uint64_t(k) * 200;
        fuenftel.push_back(Bild());
    }
    EXPECT_EQ(Flammen(fuenftel[0]), 0);
    // One flame along the arm: it burns over the lines between the cells too.
    for (int x : {42, 83, 124, 165}) EXPECT_GT(qRed(fuenftel[1].pixel(x, 21)), 180) << x;
    EXPECT_LT(Flammen(fuenftel[4]), Flammen(fuenftel[2]));
    EXPECT_TRUE(fuenftel[5] == Bild(false) && fuenftel[2] != Bild(false));
}

TEST_F(BewegtesFeldTest, StillWieHeuteBilderNurWennEtwasGehtPauseHaeltAn) {
    BewegteBilderSpeichern(true);
    u.EinLevel("KleinesDuell.dat", [](TSpielRecEinstellungen& e) { e.SpielerVerzoegerung = 100; });
    ASSERT_TRUE(f->MatchStarten());
    f->show();
    TSpielGitter& g = *f->SG_Feld;
    ASSERT_TRUE(g.Bewegt() && !g.BilderLaufen());
    uhr = [this] { return f->Bildzeit(); };
    EXPECT_EQ(Bild(), Bild(false));

    const TIndex vorher = p.Feld.FindeSpieler(1).Index;
    Druecken(&g, Qt::Key_D);
    EXPECT_TRUE(g.BilderLaufen() && p.Feld.FindeSpieler(1).Index != vorher);
    // The step done, the frames stop and the picture is the still one.
    ASSERT_TRUE(WarteBis([&] { return !g.BilderLaufen(); }, 1000));
    EXPECT_EQ(Bild(), Bild(false));

    WarteBis([] { return false; }, 120);  // the player's waiting time
    Druecken(&g, Qt::Key_E);
    EXPECT_TRUE(g.BilderLaufen());
    // A paused clock: the same picture, no frames, until it runs.
    f->Takt().SetzeFaktor(0);
    ASSERT_TRUE(WarteBis([&] { return !g.BilderLaufen(); }, 500));
    const QImage angehalten = g.grab().toImage();
    WarteBis([] { return false; }, 60);
    EXPECT_TRUE(angehalten == g.grab().toImage() && angehalten != Bild(false));
    f->Takt().SetzeFaktor(1);
    EXPECT_TRUE(g.BilderLaufen());
    f->close();
}

TEST_F(BewegtesFeldTest, HinterDerMeldungDesRundenendesStehtDasFeldWieEsIst) {
    BewegteBilderSpeichern(true);
    u.EinLevel("KleinesDuell.dat", [](TSpielRecEinstellungen& e) { e.PlatzExplo = 300; });
    ASSERT_TRUE(f->MatchStarten());
    f->show();
    uhr = [this] { return f->Bildzeit(); };
    QImage hinter;
    QString punkte;
    u.Meldungen.WaehrendDerMeldung = [&](const std::string&) {
        WarteBis([] { return false; }, 100);
        hinter = f->SG_Feld->grab().toImage(), punkte = f->Panel->Lb_Punkte_Anzeige[1]->text();
    };
    Druecken(f->SG_Feld, Qt::Key_E);  // player 1 stays on its bomb
    ASSERT_TRUE(WarteBis([&] { return !hinter.isNull(); }, 5000));
    // The grave and the flames, not the first frame of their coming.
    EXPECT_TRUE(hinter == Bild(false) && punkte == "100");
    f->close();
}
