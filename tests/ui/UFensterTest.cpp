// The smaller windows: highscore, image folders, info box.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "UiHilfen.h"
#include "files/URecords.h"
#include "ui/UBildOrdner.h"
#include "ui/UHighscoreAnzeige.h"
#include "ui/UInfo.h"

TEST(TFrm_Highscore, FuellenLoeschenUndFehlschlag) {
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    // Created with an empty file: no message, nothing to delete.
    TFrm_Highscore h(p);
    EXPECT_TRUE(u.Meldungen.Eintraege.empty());
    EXPECT_FALSE(h.Btn_Delete->isEnabled());
    EXPECT_EQ(h.windowTitle(), "Knallfeld - Highscore");
    EXPECT_EQ(h.minimumWidth(), 360);
    EXPECT_EQ(h.maximumWidth(), 360);
    EXPECT_EQ(h.LV_Highscore->columnWidth(1), 154);
    EXPECT_EQ(h.LV_Highscore->columnWidth(2), 80);

    for (auto [name, punkte] :
         std::vector<std::pair<std::string, int>>{{"Anna", 100}, {"Bernd", 300}, {"Cem", 100}})
        p.Highscore.EintragEinfuegen({name, std::uint16_t(punkte)});
    ASSERT_FALSE(HighscoreSpeichern(p.Highscore, p.Fehler, p.HighscoreDatei()));
    h.ListeFuellen();
    ASSERT_EQ(h.LV_Highscore->topLevelItemCount(), 3);
    auto zeile = [&](int i) {
        const QTreeWidgetItem* z = h.LV_Highscore->topLevelItem(i);
        return (z->text(0) + " " + z->text(1) + " " + z->text(2)).toStdString();
    };
    EXPECT_EQ(zeile(0), "1 Bernd 300");
    // At the end of the list a new entry with equal points goes after the older one.
    EXPECT_EQ(zeile(1), "2 Anna 100");
    EXPECT_EQ(zeile(2), "3 Cem 100");
    EXPECT_EQ(h.LV_Highscore->topLevelItem(0)->textAlignment(2) & Qt::AlignRight, Qt::AlignRight);
    EXPECT_TRUE(h.Btn_Delete->isEnabled());

    // Resizing: the list takes the height, the buttons follow 20 pixels below it.
    h.resize(360, 500);
    h.show();
    EXPECT_EQ(h.LV_Highscore->height(), 500 - 128);
    EXPECT_EQ(h.Btn_Delete->y(), h.LV_Highscore->y() + h.LV_Highscore->height() + 20);
    EXPECT_EQ(h.Btn_OK->y(), h.Btn_Delete->y());
    EXPECT_GT(h.Btn_OK->x(), h.Btn_Delete->x());
    h.hide();

    // A delete that cannot write the file (read-only, unlocking declined) brings the list back.
    SchreibschutzSetzen(p.HighscoreDatei(), true);
    u.Meldungen.Antworten.push_back(TAntwort::Nein);
    h.Btn_Delete->click();
    EXPECT_EQ(u.Meldungen.Letzter(),
              "Highscore-Datei ist schreibgeschützt! Soll der "
              "Schreibschutz entfernt werden?");
    EXPECT_EQ(p.Highscore.Liste().size(), 3u);
    EXPECT_EQ(h.LV_Highscore->topLevelItemCount(), 3);
    SchreibschutzSetzen(p.HighscoreDatei(), false);

    // Deleting: an empty view, the button disabled, a file of 0 bytes, no question asked.
    u.Meldungen.Leeren();
    h.Btn_Delete->click();
    EXPECT_TRUE(u.Meldungen.Eintraege.empty());
    EXPECT_EQ(h.LV_Highscore->topLevelItemCount(), 0);
    EXPECT_FALSE(h.Btn_Delete->isEnabled());
    EXPECT_EQ(LiesBytes(p.HighscoreDatei()).size(), 0u);
}

TEST(TFrm_Highscore, FehlendeDateiWirdGemeldet) {
    TUiUmgebung u;
    QFile::remove(QString::fromStdString(u.Daten->HighscoreDatei()));
    TFrm_Highscore h(*u.Daten);
    EXPECT_EQ(u.Meldungen.Letzter(), "Fehler: Die Highscore-Datei ist nicht vorhanden!");
    EXPECT_TRUE(u.Daten->Highscore.Liste().empty());
}

TEST(TFrm_BildOrdner, OkLaedtNeuAbbrechenStelltWiederHer) {
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    TFrm_BildOrdner b(p);
    EXPECT_EQ(b.Ed_UnZerstoer->text().toStdString(), p.Programmordner + "Bilder/UnZerstoer/");
    EXPECT_EQ(b.Ed_Wasser->text().toStdString(), p.Programmordner + "Bilder/Wasser/");
    EXPECT_TRUE(b.Ed_Wasser->isReadOnly());
    EXPECT_EQ(b.size(), QSize(535, 170));
    p.Bilder.BilderNeuLaden();
    ASSERT_EQ(p.Bilder.AnzahlBilder(3), 2u);

    const std::string neu = u.Ordner.Pfad("Meer");
    BitmapAnlegen(neu + "/tief.bmp", qRgb(0, 0, 90));
    // "Abbrechen" after choosing a new water folder: the old one is shown again, sets untouched.
    u.Dialoge.Ordnerwahl.push_back(neu);
    u.Antworten.push_back([&](QDialog&) {
        b.SB_Wasser->click();
        EXPECT_EQ(b.Ed_Wasser->text().toStdString(), neu + "/");
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(b.OrdnerWaehlen());
    EXPECT_EQ(b.Ed_Wasser->text().toStdString(), p.Programmordner + "Bilder/Wasser/");
    EXPECT_EQ(p.Bilder.AnzahlBilder(3), 2u);
    // The folder button always opens at the program's picture folder.
    ASSERT_EQ(u.Dialoge.OrdnerStart.size(), 1u);
    EXPECT_EQ(u.Dialoge.OrdnerStart[0].toStdString(), p.Programmordner + "Bilder/");

    // OK reloads both sets from the folders shown.
    u.Dialoge.Ordnerwahl.push_back(neu);
    u.Antworten.push_back([&](QDialog&) {
        b.SB_Wasser->click();
        return int(QDialog::Accepted);
    });
    EXPECT_TRUE(b.OrdnerWaehlen());
    EXPECT_EQ(p.Bilder.AnzahlBilder(3), 1u);
    EXPECT_EQ(p.Bilder.AnzahlBilder(1), 4u);
    EXPECT_EQ(p.Bilder.Wasserbilderordner, neu + "/");

    // A folder whose path would not fit the 255 characters of a picture path is refused.
    const std::string lang = u.Ordner.Pfad(std::string(250, 'o'));
    QDir().mkpath(QString::fromStdString(lang));
    u.Dialoge.Ordnerwahl.push_back(lang);
    b.SB_UnZerstoerbar->click();
    EXPECT_NE(u.Meldungen.Letzter().find("länger als 255 Zeichen"), std::string::npos);
    EXPECT_EQ(b.Ed_UnZerstoer->text().toStdString(), p.Programmordner + "Bilder/UnZerstoer/");
}

TEST(TFrm_Info, HomepageUndGroesse) {
    TUiUmgebung u;
    QUrl geoeffnet;
    u.Daten->WebseiteOeffnen = [&](const QUrl& url) { geoeffnet = url; };
    TFrm_Info info(*u.Daten);
    EXPECT_EQ(info.size(), QSize(479, 230));
    EXPECT_EQ(info.windowTitle(), "Knallfeld - Info");
    EXPECT_EQ(info.Lb_Version->text(), "Version 1.0");
    EXPECT_EQ(info.Lb_Homepage->text(), "www.example.org/knallfeld");
    EXPECT_EQ(info.Lb_Homepage->cursor().shape(), Qt::PointingHandCursor);
    info.show();
    QMouseEvent druck(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent los(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                    Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(info.Lb_Homepage, &druck);
    QApplication::sendEvent(info.Lb_Homepage, &los);
    EXPECT_EQ(geoeffnet, QUrl("https://www.example.org/knallfeld"));
    info.Btn_OK->click();
    EXPECT_FALSE(info.isVisible());
}
