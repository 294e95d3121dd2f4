#include "ui/USpielEinstellungen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

#include "UiHilfen.h"
#include "files/UEinstellungenDatei.h"
#include "ui/UEingebauteBilder.h"
#include "ui/USteuerungEinstellungen.h"
#include "ui/UTasteFenster.h"

namespace {

struct EinstellungenTest : ::testing::Test {
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    TFenster fenster;
    TFrm_Spieleinstellungen dlg{p, fenster};
    TFrm_Steuerung steuerung{p, fenster};
    TFrm_Taste taste;

    void SetUp() override {
        fenster.Spieleinstellungen = &dlg;
        fenster.Steuerung = &steuerung;
        fenster.Taste = &taste;
    }
    void LevelHinzufuegen(const std::string& datei) {
        u.Dialoge.Dateien.push_back(datei);
        dlg.AddLevel();
    }
    int Zeilen() const { return dlg.LV_Level->topLevelItemCount(); }
    QImage Bild(int nr) const { return dlg.Im_Bilder[nr]->pixmap().toImage(); }
};

bool GleichesBild(const QImage& a, const QImage& b) {
    return a.convertToFormat(QImage::Format_ARGB32) == b.convertToFormat(QImage::Format_ARGB32);
}

}  // namespace

TEST_F(EinstellungenTest, ArbeitskopieBeiOkAbbrechenUndTitelleiste) {
    dlg.DialogLaden();
    // First opening: the defaults.
    EXPECT_EQ(dlg.SE_Rundenanzahl->value(), 3);
    EXPECT_EQ(dlg.SE_PlatzExplo->value(), 2000);
    EXPECT_EQ(dlg.SE_PlatzExplo->minimum(), 500);
    EXPECT_EQ(dlg.Ed_Namen1->text(), "Spieler 1");
    const TSpielRecEinstellungen start = p.Einstellungen.EinstellungenHolen();
    EXPECT_EQ(p.Einstellungen.Arbeitskopie, start);

    // Every control writes straight into the working copy, not into the record.
    dlg.SE_Rundenanzahl->setValue(7);
    dlg.Ed_Namen1->setText("Anna");
    dlg.CB_Computer2->setChecked(true);
    dlg.SE_Schwierigkeit->setValue(5);
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Rundenanzahl, 7);
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Spieler1.Name, "Anna");
    EXPECT_TRUE(p.Einstellungen.Arbeitskopie.Spieler2.Computer);
    EXPECT_EQ(p.Einstellungen.EinstellungenHolen(), start);

    // "&Abbrechen": the working copy is the record again.
    LevelHinzufuegen(u.Level("Arena.dat"));
    dlg.AbbrechenClick();
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
    EXPECT_EQ(p.Einstellungen.Arbeitskopie, start);
    EXPECT_TRUE(p.Einstellungen.Levelliste().empty());
    EXPECT_EQ(p.Einstellungen.LevelAnzahl, 0);

    // The title bar acts the same, so abandoned edits never reach the next match.
    dlg.DialogLaden();
    dlg.show();
    dlg.SE_Rundenanzahl->setValue(9);
    LevelHinzufuegen(u.Level("Arena.dat"));
    EXPECT_EQ(p.Einstellungen.LevelAnzahl, 1);
    dlg.close();
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(p.Einstellungen.Arbeitskopie, start);
    EXPECT_EQ(p.Einstellungen.LevelAnzahl, 0);

    // OK commits the working copy and the list.
    dlg.DialogLaden();
    dlg.show();
    dlg.SE_Rundenanzahl->setValue(5);
    LevelHinzufuegen(u.Level("Arena.dat"));
    dlg.Btn_OKClick();
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(p.Einstellungen.EinstellungenHolen().Rundenanzahl, 5);
    EXPECT_EQ(p.Einstellungen.Arbeitskopie, p.Einstellungen.EinstellungenHolen());
    ASSERT_EQ(p.Einstellungen.Levelliste().size(), 1u);
    EXPECT_EQ(p.Einstellungen.Levelliste()[0], u.Level("Arena.dat"));
    EXPECT_EQ(p.Einstellungen.LevelAnzahl, 1);
}

TEST_F(EinstellungenTest, Levelliste) {
    dlg.DialogLaden();
    LevelHinzufuegen(u.Level("Arena.dat"));
    ASSERT_EQ(Zeilen(), 1);
    QTreeWidgetItem* z = dlg.LV_Level->topLevelItem(0);
    EXPECT_EQ(z->text(0), "Arena");
    EXPECT_EQ(z->text(1), "16 x 20");  // rows x columns
    EXPECT_EQ(z->text(2), QString::fromStdString(u.Level("Arena.dat")));
    // The chooser opens in the sample levels' folder.
    ASSERT_FALSE(u.Dialoge.Gefragt.empty());
    EXPECT_EQ(u.Dialoge.Gefragt.back().Titel, "Bitte wählen Sie ein Spielfeld");
    EXPECT_EQ(u.Dialoge.Gefragt.back().Ordner, QString::fromStdString(p.SpielfelderOrdner()));
    // Reading a level replaced the geometry: the editor opened next starts with it.
    EXPECT_EQ(p.Feld.FeldDaten().Name, "Arena");

    // The same level twice, no duplicate check; then two more.
    LevelHinzufuegen(u.Level("Arena.dat"));
    LevelHinzufuegen(u.Level("KleinesDuell.dat"));
    LevelHinzufuegen(u.Level("Labyrinth.dat"));
    EXPECT_EQ(dlg.LV_Level->topLevelItem(2)->text(1), "9 x 11");
    EXPECT_EQ(Zeilen(), 4);
    EXPECT_EQ(p.Einstellungen.LevelAnzahl, 4);

    // A missing level is reported and not listed; cancelling the chooser adds nothing.
    LevelHinzufuegen(u.Ordner.Pfad("fehlt.dat"));
    EXPECT_EQ(u.Meldungen.Letzter(), "Fehler beim Öffnen der AllgemeinDatei!");
    dlg.AddLevel();
    EXPECT_EQ(Zeilen(), 4);

    // A path longer than its 255-character field is refused instead of being stored cut off.
    u.Meldungen.Leeren();
    const std::string lang = u.Ordner.Pfad(std::string(260, 'x') + ".dat");
    LevelHinzufuegen(lang);
    EXPECT_EQ(Zeilen(), 4);
    ASSERT_EQ(u.Meldungen.Eintraege.size(), 1u);
    EXPECT_EQ(u.Meldungen.Eintraege[0].Typ, TBoxTyp::Fehler);
    EXPECT_NE(u.Meldungen.Letzter().find("länger als 255 Zeichen"), std::string::npos);

    // Deleting three selected rows removes all three.
    for (int i = 1; i < 4; ++i) dlg.LV_Level->topLevelItem(i)->setSelected(true);
    dlg.SB_LoeschenClick();
    EXPECT_EQ(Zeilen(), 1);
    EXPECT_EQ(p.Einstellungen.LevelAnzahl, 1);

    LevelHinzufuegen(u.Level("Arena.dat"));
    dlg.Btn_OKClick();
    ASSERT_EQ(p.Einstellungen.Levelliste().size(), 2u);
    EXPECT_EQ(p.Einstellungen.Levelliste()[1], u.Level("Arena.dat"));

    // Filling again: a level whose general file has gone drops out of the dialog only.
    QFile::remove(QString::fromStdString(u.Level("Arena.dat.all")));
    dlg.DialogLaden();
    EXPECT_EQ(Zeilen(), 0);
    EXPECT_EQ(p.Einstellungen.Levelliste().size(), 2u);
}

TEST_F(EinstellungenTest, RundenfeldNimmtGetippteZahlenImBereich) {
    dlg.DialogLaden();
    dlg.show();
    dlg.SE_Rundenanzahl->setFocus();
    dlg.SE_Rundenanzahl->selectAll();
    QLineEdit* text = dlg.SE_Rundenanzahl->findChild<QLineEdit*>();
    ASSERT_NE(text, nullptr);
    for (QChar c : QStringLiteral("150")) {
        QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(text, &k);
    }
    EXPECT_EQ(text->text(), "150");
    // Leaving the field makes it the maximum, in the field and in the record.
    dlg.SE_Rundenanzahl->interpretText();
    EXPECT_EQ(dlg.SE_Rundenanzahl->value(), 100);
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Rundenanzahl, 100);
    // The other fields take no typing at all.
    QLineEdit* fuse = dlg.SE_PlatzExplo->findChild<QLineEdit*>();
    ASSERT_NE(fuse, nullptr);
    EXPECT_TRUE(fuse->isReadOnly());
    dlg.SE_PlatzExplo->stepUp();
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.PlatzExplo, 2010);
    dlg.hide();
}

TEST_F(EinstellungenTest, BilderUndIhreErsatzbilder) {
    const std::string held1 = u.Ordner.Pfad("a/held.bmp"), held2 = u.Ordner.Pfad("b/held.bmp");
    const std::string Held = u.Ordner.Pfad("c/Held.bmp"), extra = u.Ordner.Pfad("x.bmp");
    BitmapAnlegen(held1, qRgb(200, 0, 0));
    BitmapAnlegen(held2, qRgb(0, 200, 0));
    BitmapAnlegen(Held, qRgb(0, 0, 200));
    BitmapAnlegen(extra, qRgb(9, 9, 9));

    // A picture that has gone shows the built-in one, and its path is cleared.
    TSpielRecEinstellungen r = p.Einstellungen.EinstellungenHolen();
    r.Spieler2.Bild = held2;
    r.BildKrankheit = u.Ordner.Pfad("weg.bmp");
    p.Einstellungen.EinstellungenSetzen(r);
    dlg.DialogLaden();
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Spieler2.Bild, held2);
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.BildKrankheit, "");
    EXPECT_TRUE(GleichesBild(Bild(5), EingebautesBild(TEingebaut::Krankheit)));
    EXPECT_TRUE(GleichesBild(Bild(0), EingebautesBild(TEingebaut::Spieler1)));
    EXPECT_EQ(Bild(1).pixel(0, 0), qRgb(0, 200, 0));

    // Player 1 may not use a file of the same name as player 2's, whatever its folder.
    u.Dialoge.Dateien.push_back(held1);
    dlg.SB_Bilder[0]->click();
    EXPECT_EQ(u.Meldungen.Letzter(), "Bild wird schon verwendet. Bitte ein anderes wählen!");
    EXPECT_EQ(u.Meldungen.Eintraege.back().Typ, TBoxTyp::Warnung);
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Spieler1.Bild, "");
    // The comparison is case-sensitive.
    u.Dialoge.Dateien.push_back(Held);
    dlg.SB_Bilder[0]->click();
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Spieler1.Bild, Held);
    EXPECT_EQ(Bild(0).pixel(0, 0), qRgb(0, 0, 200));
    EXPECT_EQ(u.Dialoge.Gefragt.back().Titel, "Bitte wählen Sie ein Bild aus");
    EXPECT_TRUE(u.Dialoge.Gefragt.back().MitVorschau);

    // The four extras may share one picture.
    for (int nr = 2; nr < 6; ++nr) {
        u.Dialoge.Dateien.push_back(extra);
        dlg.SB_Bilder[nr]->click();
    }
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.BildWerfen, extra);
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.BildKrankheit, extra);

    // A file that is no bitmap, or a path too long for its field, is refused with a box.
    const std::string kaputt = u.Ordner.Pfad("kaputt.bmp");
    SchreibeBytes(kaputt, {'n', 'i', 'x'});
    u.Dialoge.Dateien.push_back(kaputt);
    dlg.SB_Bilder[2]->click();
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.BildWerfen, extra);
    EXPECT_EQ(u.Meldungen.Eintraege.back().Typ, TBoxTyp::Fehler);
    const std::string lang = u.Ordner.Pfad(std::string(250, 'y') + "/bild.bmp");
    BitmapAnlegen(lang, qRgb(1, 2, 3));
    u.Dialoge.Dateien.push_back(lang);
    dlg.SB_Bilder[3]->click();
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.BildMehrBomben, extra);
    EXPECT_NE(u.Meldungen.Letzter().find("länger als 255 Zeichen"), std::string::npos);
}

TEST_F(EinstellungenTest, SteuerungNurNachOk) {
    dlg.DialogLaden();
    auto druecke = [this](std::uint16_t code) {
        u.Antworten.push_back([code](QDialog& d) {
            static_cast<TFrm_Taste&>(d).TastenDruck(code);
            return int(QDialog::Accepted);
        });
    };
    // Cancelled: nothing changes.
    u.Antworten.push_back([&](QDialog&) {
        druecke('Q');
        steuerung.Knoepfe[0]->click();
        return int(QDialog::Rejected);
    });
    dlg.SteuerungEinstellen();
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Spieler1.TasteOben, 'W');
    // OK: all twelve keys come back into the working copy.
    u.Antworten.push_back([&](QDialog&) {
        EXPECT_EQ(steuerung.Knoepfe[0]->text(), "w");  // set up again from the working copy
        druecke('Q');
        steuerung.Knoepfe[0]->click();
        steuerung.Btn_OKClick();
        return int(QDialog::Accepted);
    });
    dlg.SteuerungEinstellen();
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Spieler1.TasteOben, 'Q');
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Spieler2.TasteWerfen, 17);
    EXPECT_EQ(p.Einstellungen.EinstellungenHolen().Spieler1.TasteOben, 'W');
}

TEST_F(EinstellungenTest, SpeichernUndLaden) {
    dlg.DialogLaden();
    // No level: nothing is saved or committed.
    dlg.SE_Rundenanzahl->setValue(8);
    dlg.DateiSpeichern();
    EXPECT_EQ(u.Meldungen.Letzter(), "Bitte wählen sie mindestens ein Level aus!");
    EXPECT_EQ(p.Einstellungen.EinstellungenHolen().Rundenanzahl, 3);

    // Saving commits first, so a later Cancel keeps the saved values.
    LevelHinzufuegen(u.Level("Arena.dat"));
    const std::string datei = u.Ordner.Pfad("Turnier.sps");
    u.Dialoge.Dateien.push_back(datei);
    dlg.DateiSpeichern();
    EXPECT_EQ(u.Dialoge.Gefragt.back().Titel, "Spiel-Einstellungen speichern");
    EXPECT_EQ(LiesBytes(datei).size(), 1634u);
    EXPECT_EQ(LiesBytes(datei + ".lev").size(), 256u);
    dlg.AbbrechenClick();
    EXPECT_EQ(p.Einstellungen.EinstellungenHolen().Rundenanzahl, 8);
    EXPECT_EQ(p.Einstellungen.Levelliste().size(), 1u);

    // Loading replaces record and list and shows them again.
    p.Einstellungen.StandardEinstellungen();
    p.Einstellungen.LevellisteLoeschen();
    dlg.DialogLaden();
    EXPECT_EQ(dlg.SE_Rundenanzahl->value(), 3);
    u.Dialoge.Dateien.push_back(datei);
    dlg.DateiLaden();
    EXPECT_EQ(u.Dialoge.Gefragt.back().Titel, "Spiel-Einstellungen laden");
    EXPECT_EQ(dlg.SE_Rundenanzahl->value(), 8);
    EXPECT_EQ(Zeilen(), 1);
}
