#include "ui/spiel/USpielFenster.h"

#include <QApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <cmath>

#include "files/URecords.h"
#include "model/UVirtuelleTasten.h"
#include "ui/UiHilfen.h"
#include "ui/basis/UEingebauteBilder.h"
#include "ui/spiel/UFeldMassstab.h"
#include "ui/spiel/USpielGitter.h"

namespace {

struct SpielFensterTest : TFensterTest {
    // One cell as DrawFeld paints it.
    QImage Zelle(TZellenArt art, std::uint16_t bild = 0) {
        TSpielfeld::SetzeZellenDaten(p.Feld.KnotenBei(1), TZelle{art, bild, false});
        const TFeldDaten& g = p.Feld.FeldDaten();
        QImage bildchen(g.EinzelBreite, g.EinzelHoehe, QImage::Format_RGB32);
        bildchen.fill(Qt::magenta);
        QPainter maler(&bildchen);
        f->SG_Feld->DrawFeld(maler, 0, 0, bildchen.rect());
        return bildchen;
    }

    // A running match on a sample level.
    void MatchAuf(const std::string& level, std::uint16_t platzExplo = 2000,
                  std::uint8_t runden = 3) {
        u.EinLevel(level, [&](TSpielRecEinstellungen& e) {
            e.PlatzExplo = platzExplo, e.Rundenanzahl = runden;
        });
        ASSERT_TRUE(f->MatchStarten());
        f->show();
        QApplication::setActiveWindow(f.get());
        f->SG_Feld->setFocus();
    }

    void Taste(int qtTaste, Qt::KeyboardModifiers mod = Qt::NoModifier, bool wiederholt = false) {
        QKeyEvent ueber(QEvent::ShortcutOverride, qtTaste, mod, QString(), wiederholt);
        QApplication::sendEvent(QApplication::focusWidget(), &ueber);
        QKeyEvent k(QEvent::KeyPress, qtTaste, mod, QString(), wiederholt);
        QApplication::sendEvent(QApplication::focusWidget(), &k);
        // Past the players' waiting time (10 ms by default).
        WarteBis([] { return false; }, 40);
    }

    TIndex SpielerIndex(int s) { return p.Feld.FindeSpieler(s).Index; }
};

}  // namespace

TEST_F(SpielFensterTest, LayoutFormel) {
    // The default board: a grid of 823 x 659 pixels, the panel 10 px right of it.
    Geometrie(20, 16, 40, 40);
    EXPECT_EQ(f->SG_Feld->size(), QSize(823, 659));
    EXPECT_EQ(f->Pn_Feld->geometry(), QRect(10, 8, 823, 659));
    for (QWidget* w :
         std::initializer_list<QWidget*>{f->Panel->GB_Spiel, f->Panel->GB_Spieler, f->Btn_Next})
        EXPECT_EQ(w->x(), 843);
    EXPECT_EQ(f->Btn_Neustart->geometry().right(), f->Panel->GB_Spieler->geometry().right());
    EXPECT_EQ(f->size(), QSize(843 + 223 + 15, 8 + 659 + 40));
    // 10 x 5 cells of 30 x 20: the height follows the buttons, as the grid is shorter.
    Geometrie(10, 5, 30, 20);
    EXPECT_EQ(f->SG_Feld->size(), QSize(313, 108));
    EXPECT_EQ(f->width(), f->Panel->GB_Spiel->geometry().right() + 1 + 15);
    EXPECT_EQ(f->height(), f->Btn_Next->y() + f->Btn_Next->height() + 40);
    EXPECT_EQ(
        (std::array{f->Panel->GB_Spiel->size(), f->Panel->GB_Spieler->size(), f->Btn_Next->size()}),
        (std::array{QSize(223, 81), QSize(223, 345), QSize(97, 25)}));
}

TEST_F(SpielFensterTest, ZellenNachIhrerArt) {
    Geometrie(3, 3, 40, 40);
    const QRgb gruen = qRgb(0, 128, 0);
    EXPECT_EQ(Zelle(zaFrei).pixel(20, 20), gruen);
    // Blocks by their picture number; beyond the set the last picture.
    EXPECT_EQ(Zelle(zaUnzerstoerbar, 200), Zelle(zaZerstoerbar, 3));
    EXPECT_NE(Zelle(zaZerstoerbar, 1), Zelle(zaZerstoerbar, 3));
    // A player on a bomb shows the bomb behind the player; an explosion that hides an extra
    // looks like any other; unknown kinds draw nothing.
    EXPECT_EQ(Zelle(zaSpieler1).pixel(8, 30), gruen);
    EXPECT_EQ(Zelle(zaSpieler1Bombe).pixel(8, 30), Zelle(zaBombe).pixel(8, 30));
    EXPECT_EQ(Zelle(zaSpieler2ExplosionExtra), Zelle(zaSpieler2Explosion));
    EXPECT_EQ(Zelle(200).pixel(20, 20), qRgb(255, 0, 255));
    // An empty set (after a failed picture load) draws the board colour instead of crashing.
    EXPECT_NE(Zelle(zaWasser).pixel(20, 20), gruen);
    p.Bilder.AlleFreigeben();
    EXPECT_EQ(Zelle(zaWasser).pixel(20, 20), gruen);
    EXPECT_EQ(Zelle(zaUnzerstoerbar, 1).pixel(5, 5), gruen);
}

TEST_F(SpielFensterTest, BilderEinmalProRundeSkaliert) {
    Geometrie(20, 16, 40, 40);
    for (int i = 1; i <= 320; ++i) p.Feld.SetzeZelleBei(i, i % 2 ? zaZerstoerbar : zaWasser, 0);
    for (int i = 0; i < 5; ++i) (void)f->SG_Feld->grab();
    EXPECT_EQ(f->Bilder().Skalierungen(), 1);
    // A new level's pictures scale again, once.
    p.Bilder.BilderNeuLaden();
    for (int i = 0; i < 2; ++i) (void)f->SG_Feld->grab();
    EXPECT_EQ(f->Bilder().Skalierungen(), 2);
}

TEST_F(SpielFensterTest, SpielerbilderMitErsatz) {
    // A missing player picture falls back to the built-in one, silently; a bitmap player is
    // see-through where its bottom-left colour is.
    const std::string figur = u.Ordner.Pfad("figur.bmp");
    QImage b(40, 40, QImage::Format_RGB32);
    b.fill(qRgb(255, 0, 255));
    QPainter(&b).fillRect(10, 10, 20, 20, Qt::blue);
    b.save(QString::fromStdString(figur), "BMP");
    TSpielRecEinstellungen e = p.Einstellungen.EinstellungenHolen();
    e.Spieler1.Bild = figur, e.Spieler2.Bild = u.Ordner.Pfad("weg.bmp");
    Geometrie(3, 3, 40, 40);
    f->StatusAnzeigen("Test", e);
    EXPECT_EQ(f->Bilder().Spielerbild(2).convertToFormat(QImage::Format_ARGB32),
              EingebautesBild(TEingebaut::Spieler2).convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(u.Meldungen.Eintraege.empty());
    const QImage z = Zelle(zaSpieler1);
    EXPECT_TRUE(z.pixel(2, 2) == qRgb(0, 128, 0) && z.pixel(20, 20) == qRgb(0, 0, 255));
}

TEST_F(SpielFensterTest, TastenGehenNurAnDieSpieler) {
    MatchAuf("KleinesDuell.dat");
    ASSERT_EQ(QApplication::focusWidget(), f->SG_Feld);
    const TIndex start2 = SpielerIndex(2);  // bottom-right corner, 99 of 9 x 11
    EXPECT_EQ(start2, 99u);
    // Tab, Return, Escape and Ctrl neither move the focus, nor press a button, nor close.
    for (int k : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape, Qt::Key_Backtab})
        Taste(k);
    Taste(Qt::Key_Control, Qt::ControlModifier);
    EXPECT_TRUE(QApplication::focusWidget() == f->SG_Feld && f->isVisible() &&
                f->Spiel().Runde() == 1 && SpielerIndex(2) == start2);
    // Arrows move player 2, also as auto-repeat; Space lays its bomb.
    Taste(Qt::Key_Left);
    Taste(Qt::Key_Left, Qt::NoModifier, true);
    EXPECT_EQ(SpielerIndex(2), start2 - 2);
    Taste(Qt::Key_Space);
    EXPECT_EQ(p.Feld.KnotenBei(start2 - 2)->Art, zaSpieler2Bombe);
    EXPECT_EQ(QApplication::focusWidget(), f->SG_Feld);
    // A letter with Alt is still the letter, not a mnemonic.
    Taste(Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(SpielerIndex(1), 12u);
    f->close();
}

TEST_F(SpielFensterTest, RundenendeUndNeustart) {
    // The match's end is played from the main menu; here the end of a round.
    MatchAuf("KleinesDuell.dat", 500, 2);
    EXPECT_TRUE(!f->Btn_Next->isEnabled() && f->Panel->Lb_Runden_Anzeige3->text() == "2");
    Taste(Qt::Key_E);  // player 1 lays a bomb and stays on it
    ASSERT_TRUE(WarteBis([&] { return f->Spiel().LetztesErgebnis() != 0; }, 5000));
    EXPECT_EQ(u.Meldungen.Letzter(), "Spieler 2 hat die letzte Runde gewonnen!");
    EXPECT_EQ(u.Meldungen.Eintraege.back().Typ, TBoxTyp::Information);
    EXPECT_EQ(f->Panel->Lb_Punkte_Anzeige[1]->text(), "100");
    EXPECT_TRUE(f->Btn_Next->isEnabled() && !f->SG_Feld->isEnabled());
    // Between rounds Escape and Return do not close the window or press "Nächste Runde".
    for (int k : {Qt::Key_Escape, Qt::Key_Return}) Druecken(f.get(), k);
    EXPECT_TRUE(f->isVisible() && f->Panel->Lb_Runde_Anzeige->text() == "1");
    f->Btn_Next->click();
    EXPECT_TRUE(f->Panel->Lb_Runde_Anzeige->text() == "2" &&
                QApplication::focusWidget() == f->SG_Feld);
    // Neustart: round 1, no points; closing releases the board.
    f->Btn_Neustart->click();
    EXPECT_EQ(f->Panel->Lb_Runde_Anzeige->text() + " " + f->Panel->Lb_Punkte_Anzeige[1]->text(),
              "1 0");
    f->close();
    EXPECT_EQ(p.Feld.AnzahlKnoten(), 0u);
}

TEST_F(SpielFensterTest, GrossesFeldRolltZuDenSpielern) {
    // 25 x 25 cells of 100 px, both players near the bottom-right corner: the grid keeps its
    // size, the window stays on the screen and the board scrolls.
    f->Bildschirmflaeche = [] { return QRect(0, 0, 1280, 1000); };
    Geometrie(25, 25, 100, 100);
    p.Feld.SetzeZelleBei(25 * 20 + 21, zaSpieler1, 0);
    p.Feld.SetzeZelleBei(25 * 22 + 23, zaSpieler2, 0);
    ASSERT_FALSE(p.Level.LevelDateienAnlegen(u.Level("Riesig.dat")) || p.Level.LevelSpeichern());
    MatchAuf("Riesig.dat");
    EXPECT_TRUE(u.Meldungen.Eintraege.empty()) << u.Meldungen.Letzter();
    EXPECT_EQ(f->SG_Feld->size(), QSize(2528, 2528));
    // The view fills the screen but for the window frame (16 x 48).
    EXPECT_TRUE(f->Pn_Feld->size() == QSize(1006, 904) && f->size() == QSize(1264, 952));
    EXPECT_EQ(f->Panel->GB_Spiel->x(), 10 + f->Pn_Feld->width() + 10);
    auto sichtbarerTeil = [&] { return QRect(-f->SG_Feld->pos(), f->Pn_Feld->viewport()->size()); };
    EXPECT_TRUE(sichtbarerTeil().contains(f->SG_Feld->ZellRechteck(20, 20) |
                                          f->SG_Feld->ZellRechteck(22, 22)));
    // Walking left keeps player 1 in view.
    for (int i = 0; i < 12; ++i) Taste(Qt::Key_A);
    EXPECT_EQ(SpielerIndex(1), TIndex(25 * 20 + 9));
    EXPECT_TRUE(sichtbarerTeil().intersects(f->SG_Feld->ZellRechteck(8, 20)));
    // A screen too small for anything keeps a view of 200 x 200.
    f->Bildschirmflaeche = [] { return QRect(0, 0, 300, 250); };
    f->FensterEinrichten(p.Feld.FeldDaten());
    EXPECT_EQ(f->Pn_Feld->size(), QSize(200, 200));
    f->close();
}

TEST(FeldMassstab, SeitenverhaeltnisEinpassenUndKleinsteZelle) {
    const auto m = [](QSize flaeche, std::uint16_t b, std::uint16_t h, std::uint16_t zb,
                      std::uint16_t zh) {
        return FeldMassstab(flaeche, TFeldDaten{"", b, h, zb, zh});
    };
    // The default board in its own area keeps its cells; on 3840 x 2160 the height limits.
    EXPECT_EQ(m({823, 659}, 20, 16, 40, 40).Zelle, QSize(40, 40));
    EXPECT_EQ(m({822, 659}, 20, 16, 40, 40).Zelle, QSize(39, 39));
    EXPECT_EQ(m({3500, 2144}, 20, 16, 40, 40).Zelle, QSize(132, 132));
    EXPECT_EQ(m({2000, 658}, 20, 16, 40, 40).Zelle, QSize(39, 39));
    // Wide cells stay twice as wide as high; the width limits here.
    EXPECT_EQ(m({1000, 2000}, 10, 10, 40, 20).Zelle, QSize(98, 49));
    // A single row or column scales like any board; a board without cells keeps its own.
    EXPECT_EQ(m({823, 1000}, 1, 16, 40, 40).Zelle, QSize(61, 61));
    EXPECT_EQ(m({1000, 823}, 20, 1, 40, 40).Zelle, QSize(48, 48));
    EXPECT_EQ(m({823, 1000}, 0, 16, 40, 40).Zelle, QSize(40, 40));
    EXPECT_EQ(m({1000, 823}, 20, 0, 40, 40).Zelle, QSize(40, 40));
    // Cells of 8 pixels are still drawn (100 of them and their lines: (8 + 1) x 100 + 3 = 903
    // pixels); below, the board keeps its own cells and scrolls.
    for (const auto& [breite, zelle] : {std::pair{903, 8}, {902, 40}}) {
        const TFeldMassstab g = m({breite, 2000}, 100, 10, 40, 40);
        EXPECT_TRUE(g.Zelle == QSize(zelle, zelle) && g.Rollen == (zelle == 40)) << breite;
    }
    // The height alone reaching its limit: wide cells of 16 x 8 are drawn, 14 x 7 are not.
    for (const auto& [hoehe, zelle] : {std::pair{93, QSize(16, 8)}, {92, QSize(40, 20)}}) {
        const TFeldMassstab g = m({4000, hoehe}, 10, 10, 40, 20);
        EXPECT_TRUE(g.Zelle == zelle && g.Rollen == (zelle.height() == 20)) << hoehe;
    }
    // The status panel grows with the height while it takes at most a third of the width.
    EXPECT_EQ(PanelFaktor({1081, 515}), 1.0);
    EXPECT_DOUBLE_EQ(PanelFaktor({3000, 1030}), 2.0);
    EXPECT_DOUBLE_EQ(PanelFaktor({3 * 248 * 3 / 2, 5000}), 1.5);
    EXPECT_EQ(PanelFaktor({20000, 20000}), 4.0);
}

TEST_F(SpielFensterTest, GroesseDesSpielersGiltBisZumMatchende) {
    MatchAuf("Arena.dat");
    const QSize berechnet(843 + 223 + 15, 8 + 659 + 40);
    ASSERT_EQ(f->size(), berechnet);
    EXPECT_FALSE(f->EigeneGroesse());
    // The player doubles the window: cells grow keeping their aspect, the board stands in the
    // middle of its area, the panel grows with the height.
    f->resize(2000, 1400);
    ASSERT_TRUE(f->EigeneGroesse());
    const double faktor = PanelFaktor({2000, 1400});
    const int panelX = 2000 - int(std::lround(238 * faktor));
    EXPECT_EQ(f->Panel->GB_Spiel->x(), panelX);
    EXPECT_EQ(f->Panel->GB_Spiel->width(), int(std::lround(223 * faktor)));
    EXPECT_GT(f->Panel->Lb_SpielName->font().pointSizeF(), f->font().pointSizeF());
    EXPECT_EQ(f->Pn_Feld->geometry(), QRect(10, 8, panelX - 20, 1384));
    const QSize zelle = f->SG_Feld->Zelle();
    EXPECT_EQ(zelle, FeldMassstab(f->Pn_Feld->size(), p.Feld.FeldDaten()).Zelle);
    EXPECT_GT(zelle.width(), 40);
    const QRect gitter = f->SG_Feld->geometry();
    EXPECT_LE(std::abs(gitter.center().x() - f->Pn_Feld->width() / 2), 1);
    EXPECT_LE(std::abs(gitter.center().y() - f->Pn_Feld->height() / 2), 1);
    // The pictures are scaled to the new cells once, not at every paint.
    EXPECT_EQ(f->Bilder().Spieler(1).size(), zelle);
    const int skaliert = f->Bilder().Skalierungen();
    for (int i = 0; i < 2; ++i) (void)f->SG_Feld->grab();
    EXPECT_EQ(f->Bilder().Skalierungen(), skaliert + 1);
    // The next round keeps the player's size; a new match opens at the computed one.
    f->Spiel().RundenEnde(2);
    f->Btn_Next->click();
    EXPECT_TRUE(f->size() == QSize(2000, 1400) && f->SG_Feld->Zelle() == zelle);
    f->close();
    ASSERT_TRUE(f->MatchStarten());
    EXPECT_FALSE(f->EigeneGroesse());
    EXPECT_TRUE(f->size() == berechnet && f->SG_Feld->Zelle() == QSize(40, 40));
    EXPECT_EQ(f->Panel->GB_Spiel->geometry(), QRect(843, 8, 223, 81));
    // Each side on its own: the lowest window the buttons allow limits the cells by its height;
    // the narrowest would make them smaller than 8, so the board keeps its own and scrolls.
    f->show();
    f->resize(2000, 100);
    EXPECT_TRUE(f->size() == QSize(2000, 515) && f->SG_Feld->Zelle() == QSize(30, 30));
    f->resize(100, 515);
    EXPECT_TRUE(f->size() == QSize(358, 515) && f->SG_Feld->Zelle() == QSize(40, 40));
    EXPECT_GT(f->Pn_Feld->horizontalScrollBar()->maximum(), 0);
}

TEST_F(SpielFensterTest, VollbildMitF11UndEscape) {
    MatchAuf("KleinesDuell.dat");
    const QSize berechnet = f->size();
    const QRect panel = f->Panel->GB_Spiel->geometry(), feld = f->Pn_Feld->geometry();
    Taste(Qt::Key_F11);
    EXPECT_TRUE(f->isFullScreen() && f->A_Vollbild->isChecked() && f->EigeneGroesse());
    // Leaving full screen gives back the layout of before, and the next round its own size.
    Taste(Qt::Key_Escape);
    EXPECT_FALSE(f->isFullScreen() || f->EigeneGroesse());
    EXPECT_TRUE(f->size() == berechnet && f->Panel->GB_Spiel->geometry() == panel &&
                f->Pn_Feld->geometry() == feld);
    EXPECT_EQ(f->SG_Feld->Zelle(),
              QSize(p.Feld.FeldDaten().EinzelBreite, p.Feld.FeldDaten().EinzelHoehe));
    f->Btn_Vollbild->click();
    EXPECT_TRUE(f->isFullScreen());
    // A player whose key is Escape (or F11) keeps it: the window does not take it.
    TSpielRecEinstellungen e = p.Einstellungen.EinstellungenHolen();
    e.Spieler2.TasteLinks = vkEscape;
    p.Einstellungen.EinstellungenSetzen(e);
    const TIndex start2 = SpielerIndex(2);
    Taste(Qt::Key_Escape);
    EXPECT_TRUE(f->isFullScreen() && SpielerIndex(2) == start2 - 1);
    f->A_Vollbild->trigger();
    EXPECT_FALSE(f->isFullScreen());
    // Full screen through the next round: back at the size the round's level computes.
    f->A_Vollbild->trigger();
    f->Spiel().RundenEnde(2);
    f->Btn_Next->click();
    f->A_Vollbild->trigger();
    EXPECT_TRUE(!f->EigeneGroesse() && WarteBis([&] { return f->size() == berechnet; }, 2000));
    f->close();
}

TEST_F(SpielFensterTest, NamenAusDateienAlsTextUndGanzImGrossenPanel) {
    // A level and a player named in markup show the markup as it is written.
    const std::string level = u.Level("KleinesDuell.dat");
    const std::string allgemein = level + ".all";
    TFeldDaten g = EntpackeFeldDaten(LiesBytes(allgemein).data());
    g.Name = "<u>Fett</u><s>xx</s>";
    const TBytes neu = PackeFeldDaten(g);
    SchreibeBytes(allgemein, std::vector<unsigned char>(neu.begin(), neu.end()));
    u.EinLevel("KleinesDuell.dat",
               [](TSpielRecEinstellungen& e) { e.Spieler1.Name = "<b>Anna</b>"; });
    ASSERT_TRUE(f->MatchStarten());
    f->show();
    for (QLabel* l : {f->Panel->Lb_SpielName, f->Panel->Lb_Name[0]})
        EXPECT_EQ(l->textFormat(), Qt::PlainText);
    EXPECT_EQ(f->Panel->Lb_SpielName->text() + f->Panel->Lb_Name[0]->text(),
              "<u>Fett</u><s>xx</s><b>Anna</b>");
    // Grown, the panel shows every text whole ("Kleines Duell" was cut at full screen).
    g.Name = "Kleines Duell";
    f->StatusAnzeigen(g.Name, p.Einstellungen.EinstellungenHolen());
    for (const QSize groesse : {QSize(1280, 800), QSize(1920, 1080), QSize(3840, 2160)}) {
        f->resize(groesse);
        for (QLabel* l : f->findChildren<QLabel*>()) {
            if (l->text().isEmpty() || !l->isVisible()) continue;
            EXPECT_LE(l->fontMetrics().horizontalAdvance(l->text()), l->contentsRect().width())
                << groesse.width() << " " << l->text().toStdString();
        }
    }
    f->close();
}

TEST_F(SpielFensterTest, SturmflutImPanel) {
    // Off: the line stays empty; on, the match counts down in the panel and then floods.
    MatchAuf("KleinesDuell.dat");
    QLabel* zeile = f->Panel->Lb_Sturmflut;
    EXPECT_FALSE(zeile->isVisible());
    f->SturmflutAnzeigen(30);
    EXPECT_TRUE(zeile->isVisible() && zeile->text() == "Sturmflut in 30 s");
    f->SturmflutAnzeigen(0);
    EXPECT_EQ(zeile->text(), "Sturmflut!");
    // A new round clears it.
    f->Btn_Neustart->click();
    EXPECT_FALSE(zeile->isVisible());
    EXPECT_LE(zeile->geometry().bottom(), f->Panel->GB_Spiel->height());
    f->close();
}
