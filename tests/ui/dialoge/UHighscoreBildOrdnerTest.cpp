// The smaller windows: highscore and image folders.
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>

#include "ui/UiHilfen.h"
#include "ui/dialoge/UBildOrdner.h"
#include "ui/dialoge/UHighscoreAnzeige.h"

TEST(TFrm_Highscore, FuellenLoeschenUndFehlschlag) {
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    // Started with an empty file: no message, nothing to delete.
    TFrm_Highscore::Programmstart(p);
    TFrm_Highscore h(p);
    EXPECT_TRUE(u.Meldungen.Eintraege.empty() && !h.Btn_Delete->isEnabled());
    for (auto [name, punkte] : {std::pair{"Anna", 100}, {"Bernd", 300}, {"Cem", 100}})
        p.Highscore.EintragEinfuegen({name, std::uint16_t(punkte)});
    ASSERT_FALSE(HighscoreSpeichern(p.Highscore, p.Fehler, p.HighscoreDatei()));
    h.ListeFuellen();
    auto zeilen = [&] {
        QStringList z;
        for (int i = 0; i < h.LV_Highscore->topLevelItemCount(); ++i) {
            const QTreeWidgetItem* e = h.LV_Highscore->topLevelItem(i);
            z << e->text(0) + " " + e->text(1) + " " + e->text(2);
        }
        return z;
    };
    EXPECT_EQ(zeilen(), (QStringList{"1 Bernd 300", "2 Anna 100", "3 Cem 100"}));
    EXPECT_TRUE(h.Btn_Delete->isEnabled());

    // A delete that cannot write the file (read-only, unlocking declined) brings the list back.
    SchreibschutzSetzen(p.HighscoreDatei(), true);
    u.Meldungen.Antworten.push_back(TAntwort::Nein);
    h.Btn_Delete->click();
    EXPECT_EQ(zeilen().size(), 3);
    SchreibschutzSetzen(p.HighscoreDatei(), false);
    // Deleting: an empty view, the button disabled.
    h.Btn_Delete->click();
    EXPECT_TRUE(zeilen().empty() && !h.Btn_Delete->isEnabled());
}

TEST(TFrm_BildOrdner, OkLaedtNeuAbbrechenStelltWiederHer) {
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    TFrm_BildOrdner::Programmstart(p);
    TFrm_BildOrdner b(p);
    const std::string wasser = p.Programmordner + "Bilder/Wasser/", neu = u.Ordner.Pfad("Meer");
    EXPECT_EQ(b.Ed_Wasser->text().toStdString(), wasser);
    p.Bilder.BilderNeuLaden();
    BitmapAnlegen(neu + "/tief.bmp", qRgb(0, 0, 90));
    // A new water folder chosen, then "Abbrechen" or OK; the folder button always opens at the
    // program's picture folder.
    for (int antwort : {QDialog::Rejected, QDialog::Accepted}) {
        u.Dialoge.Ordnerwahl.push_back(neu);
        u.Antworten.push_back([&, antwort](QDialog&) {
            b.SB_Wasser->click();
            EXPECT_EQ(b.Ed_Wasser->text().toStdString(), neu + "/");
            return antwort;
        });
        EXPECT_EQ(b.OrdnerWaehlen(), antwort == QDialog::Accepted);
        EXPECT_EQ(u.Dialoge.OrdnerStart.back().toStdString(), p.Programmordner + "Bilder/");
        if (antwort == QDialog::Accepted) break;
        EXPECT_TRUE(b.Ed_Wasser->text().toStdString() == wasser && p.Bilder.AnzahlBilder(3) == 2);
    }
    // OK reloads the sets from the folders shown.
    EXPECT_EQ(p.Bilder.AnzahlBilder(3), 1u);
}
