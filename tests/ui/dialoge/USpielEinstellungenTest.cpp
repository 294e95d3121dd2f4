#include "ui/dialoge/USpielEinstellungen.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

#include "ui/UiHilfen.h"
#include "ui/basis/UEingebauteBilder.h"
#include "ui/dialoge/USteuerungEinstellungen.h"
#include "ui/eingabe/UTasteFenster.h"
#include "ui/vorlieben/UBildWahl.h"
#include "ui/vorlieben/UComputerWahl.h"
#include "ui/vorlieben/USturmflutWahl.h"

namespace {

struct EinstellungenTest : ::testing::Test {
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    TFenster fenster;
    TFrm_Spieleinstellungen dlg{p, fenster};
    TFrm_Steuerung steuerung{p, fenster};
    TFrm_Taste taste;

    void SetUp() override {
        fenster.Spieleinstellungen = &dlg, fenster.Steuerung = &steuerung, fenster.Taste = &taste;
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
    const TSpielRecEinstellungen start = p.Einstellungen.EinstellungenHolen();
    TSpielRecEinstellungen& kopie = p.Einstellungen.Arbeitskopie;
    // Each way out, after editing: the controls write into the working copy only.
    for (const char* weg : {"Abbrechen", "Titelleiste", "OK"}) {
        dlg.DialogLaden();
        dlg.show();
        EXPECT_EQ(dlg.SE_Rundenanzahl->value(), 3) << weg;
        dlg.SE_Rundenanzahl->setValue(7);
        dlg.Ed_Namen1->setText("Anna");
        // Several levels in one pick.
        const int vorher = Zeilen();
        LevelHinzufuegen(u.Level("Arena.dat") + "\n" + u.Level("Insel.dat"));
        EXPECT_EQ(Zeilen(), vorher + 2) << weg;
        EXPECT_TRUE(kopie.Spieler1.Name == "Anna" && p.Einstellungen.EinstellungenHolen() == start);
        if (weg == std::string("OK")) break;
        // "&Abbrechen" and the title bar: the working copy is the record again, so abandoned
        // edits never reach the next match.
        weg == std::string("Abbrechen") ? dlg.AbbrechenClick() : (void)dlg.close();
        EXPECT_EQ(kopie, start) << weg;
        EXPECT_TRUE(p.Einstellungen.Levelliste().empty() && p.Einstellungen.LevelAnzahl == 0);
    }
    // OK commits the working copy and the list.
    dlg.Btn_OKClick();
    EXPECT_EQ(kopie, p.Einstellungen.EinstellungenHolen());
    EXPECT_TRUE(kopie.Rundenanzahl == 7 && p.Einstellungen.LevelAnzahl == 2);
}

TEST_F(EinstellungenTest, Levelliste) {
    dlg.DialogLaden();
    LevelHinzufuegen(u.Level("Arena.dat"));
    ASSERT_EQ(Zeilen(), 1);
    const QTreeWidgetItem* z = dlg.LV_Level->topLevelItem(0);
    EXPECT_EQ(z->text(0) + "|" + z->text(1) + "|" + z->text(2),
              "Arena|16 x 20|" + QString::fromStdString(u.Level("Arena.dat")));  // rows x columns
    for (const char* l : {"Arena.dat", "KleinesDuell.dat"}) LevelHinzufuegen(u.Level(l));
    EXPECT_EQ(p.Einstellungen.LevelAnzahl, 3);  // no duplicate check

    // Refused and not listed: a missing level, a path longer than its 255-character field (not
    // stored cut off), a path with a character the level list cannot hold.
    LevelHinzufuegen(u.Ordner.Pfad("fehlt.dat"));
    EXPECT_EQ(u.Meldungen.Letzter(), "Fehler beim Öffnen der AllgemeinDatei!");
    LevelHinzufuegen(u.Ordner.Pfad(std::string(260, 'x') + ".dat"));
    EXPECT_NE(u.Meldungen.Letzter().find("länger als 255 Zeichen"), std::string::npos);
    LevelHinzufuegen(u.Ordner.Pfad("Łódź/a.dat"));
    EXPECT_NE(u.Meldungen.Letzter().find("das Zeichen \"Ł\""), std::string::npos);
    EXPECT_EQ(Zeilen(), 3);

    // Deleting two selected rows removes both.
    for (int i = 1; i < 3; ++i) dlg.LV_Level->topLevelItem(i)->setSelected(true);
    dlg.SB_LoeschenClick();
    EXPECT_EQ(p.Einstellungen.LevelAnzahl, 1);
    dlg.Btn_OKClick();
    // Filling again: a level whose general file has gone drops out of the dialog only.
    QFile::remove(QString::fromStdString(u.Level("Arena.dat.all")));
    dlg.DialogLaden();
    EXPECT_TRUE(Zeilen() == 0 && p.Einstellungen.Levelliste().size() == 1);
}

TEST_F(EinstellungenTest, RundenfeldNimmtGetippteZahlenImBereich) {
    dlg.DialogLaden();
    dlg.SE_Rundenanzahl->selectAll();
    QLineEdit* text = dlg.SE_Rundenanzahl->findChild<QLineEdit*>();
    for (QChar c : QStringLiteral("150")) {
        QKeyEvent k(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(text, &k);
    }
    EXPECT_EQ(text->text(), "150");
    // Leaving the field makes it the maximum, in the field and in the record.
    dlg.SE_Rundenanzahl->interpretText();
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Rundenanzahl, 100);

    // Intervals out of range (a hand-made file) are shown and taken on OK as the match uses them.
    TSpielRecEinstellungen e = p.Einstellungen.EinstellungenHolen();
    e.PlatzExplo = 3, e.ExploDauer = 65535, e.WasserGeschwindigkeit = 0, e.SpielerVerzoegerung = 0;
    p.Einstellungen.EinstellungenSetzen(e);
    dlg.DialogLaden();
    EXPECT_EQ(
        (std::array{dlg.SE_PlatzExplo->value(), dlg.SE_Explo->value(),
                    dlg.SE_WasserGeschwindigkeit->value(), dlg.SE_Spielergeschwindigkeit->value()}),
        (std::array{500, 60000, 10, 1}));
    dlg.Btn_OKClick();
    EXPECT_EQ(p.Einstellungen.EinstellungenHolen().SpielerVerzoegerung, 1);
}

TEST_F(EinstellungenTest, BilderUndIhreErsatzbilder) {
    const std::string held1 = u.Ordner.Pfad("a/held.bmp"), held2 = u.Ordner.Pfad("b/held.bmp");
    const std::string Held = u.Ordner.Pfad("c/Held.bmp");
    for (const std::string& bild : {held1, held2, Held}) BitmapAnlegen(bild, qRgb(0, 0, 200));
    TSpielRecEinstellungen& kopie = p.Einstellungen.Arbeitskopie;

    // A picture that has gone shows the built-in one, and its path is cleared.
    TSpielRecEinstellungen r = p.Einstellungen.EinstellungenHolen();
    r.Spieler2.Bild = held2, r.BildKrankheit = u.Ordner.Pfad("weg.bmp");
    p.Einstellungen.EinstellungenSetzen(r);
    dlg.DialogLaden();
    EXPECT_EQ(kopie.BildKrankheit, "");
    EXPECT_TRUE(GleichesBild(Bild(5), EingebautesBild(TEingebaut::Krankheit)));

    // Player 1 may not use a file of the same name as player 2's, whatever its folder; the
    // comparison is case-sensitive.
    u.Dialoge.Dateien = {held1, Held};
    dlg.SB_Bilder[0]->click();
    EXPECT_EQ(u.Meldungen.Letzter(), "Bild wird schon verwendet. Bitte ein anderes wählen!");
    EXPECT_EQ(kopie.Spieler1.Bild, "");
    dlg.SB_Bilder[0]->click();
    EXPECT_TRUE(kopie.Spieler1.Bild == Held && Bild(0).pixel(0, 0) == qRgb(0, 0, 200));

    // A file that is no bitmap is refused with a box; the four extras may share one picture.
    const std::string kaputt = u.Ordner.Pfad("kaputt.bmp");
    SchreibeBytes(kaputt, {'n', 'i', 'x'});
    u.Meldungen.Leeren();
    u.Dialoge.Dateien = {kaputt, held1, held1, held1, held1};
    for (int nr = 2; nr < 6; ++nr) dlg.SB_Bilder[nr]->click();
    dlg.SB_Bilder[2]->click();
    EXPECT_EQ(u.Meldungen.Eintraege.at(0).Typ, TBoxTyp::Fehler);
    EXPECT_TRUE(kopie.BildWerfen == held1 && kopie.BildKrankheit == held1);
}

TEST_F(EinstellungenTest, SteuerungNurNachOk) {
    dlg.DialogLaden();
    // The key window answers Q for player 1's up key; the control dialog then ends with ok.
    auto steuern = [&](bool ok) {
        u.Antworten.push_back([&, ok](QDialog&) {
            EXPECT_EQ(steuerung.Knoepfe[0]->text(), "w");  // set up from the working copy
            u.Antworten.push_back([](QDialog& d) {
                static_cast<TFrm_Taste&>(d).TastenDruck('Q');
                return int(QDialog::Accepted);
            });
            steuerung.Knoepfe[0]->click();
            if (ok) steuerung.Btn_OKClick();
            return int(ok ? QDialog::Accepted : QDialog::Rejected);
        });
        dlg.SteuerungEinstellen();
    };
    steuern(false);
    EXPECT_EQ(p.Einstellungen.Arbeitskopie.Spieler1.TasteOben, 'W');
    steuern(true);
    const auto& k = p.Einstellungen.Arbeitskopie;
    EXPECT_TRUE(k.Spieler1.TasteOben == 'Q' && k.Spieler2.TasteWerfen == 17 &&
                p.Einstellungen.EinstellungenHolen().Spieler1.TasteOben == 'W');
}

TEST_F(EinstellungenTest, SpeichernUndLaden) {
    dlg.DialogLaden();
    // Saving commits first, so a later Cancel keeps the saved values.
    dlg.SE_Rundenanzahl->setValue(8);
    LevelHinzufuegen(u.Level("Arena.dat"));
    const std::string datei = u.Ordner.Pfad("Turnier.sps");
    u.Dialoge.Dateien.push_back(datei);
    dlg.DateiSpeichern();
    EXPECT_EQ(LiesBytes(datei + ".lev").size(), 256u);
    dlg.AbbrechenClick();
    EXPECT_EQ(p.Einstellungen.EinstellungenHolen().Rundenanzahl, 8);
    // Loading replaces record and list and shows them again.
    p.Einstellungen.StandardEinstellungen();
    p.Einstellungen.LevellisteLoeschen();
    dlg.DialogLaden();
    u.Dialoge.Dateien.push_back(datei);
    dlg.DateiLaden();
    EXPECT_TRUE(dlg.SE_Rundenanzahl->value() == 8 && Zeilen() == 1);
}

TEST_F(EinstellungenTest, ComputerArtSturmflutUndBewegteBilderSindVorliebenUndGeltenBeiOk) {
    QSettings(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"))
        .remove(QStringLiteral("Bild/Bewegt"));
    dlg.DialogLaden();
    EXPECT_EQ(dlg.CB_ComputerArt1->currentText(), "klassisch");
    EXPECT_EQ(dlg.CB_Sturmflut->currentText(), "aus");
    EXPECT_TRUE(dlg.CB_BewegteBilder->isChecked());  // motion is on until switched off
    dlg.CB_BewegteBilder->setChecked(false);
    dlg.CB_Sturmflut->setCurrentIndex(3);
    EXPECT_FALSE(dlg.CB_ComputerArt1->isEnabled()) << "only for a computer player";
    dlg.CB_Computer1->setChecked(true);
    EXPECT_TRUE(dlg.CB_ComputerArt1->isEnabled());
    dlg.CB_ComputerArt1->setCurrentIndex(1);
    dlg.AbbrechenClick();
    EXPECT_TRUE(p.Einstellungen.ComputerArt(1) == TComputerArt::Klassisch &&
                p.Einstellungen.Sturmflut == 0 && BewegteBilderLesen());
    dlg.DialogLaden();
    EXPECT_EQ(dlg.CB_ComputerArt1->currentText() + dlg.CB_Sturmflut->currentText(), "klassischaus");
    dlg.CB_ComputerArt2->setCurrentIndex(1);
    dlg.CB_Sturmflut->setCurrentIndex(3);
    dlg.CB_BewegteBilder->setChecked(false);
    dlg.Btn_OKClick();
    EXPECT_FALSE(BewegteBilderLesen());
    EXPECT_EQ(p.Einstellungen.ComputerArten,
              (std::array<TComputerArt, 2>{TComputerArt::Klassisch, TComputerArt::Stark}));
    // Kept for the next start, outside the settings file.
    TUiUmgebung neu;
    neu.Daten->ComputerWahlLaden();
    EXPECT_EQ(neu.Daten->Einstellungen.ComputerArt(2), TComputerArt::Stark);
    EXPECT_EQ(neu.Daten->Einstellungen.Sturmflut, 3);
    EXPECT_EQ(QSettings(QStringLiteral("Knallfeld"), QStringLiteral("Knallfeld"))
                  .value(QStringLiteral("Spiel/Sturmflut"))
                  .toString(),
              "3");
    // A hand-edited value that is no choice: no flood.
    SturmflutWahlSpeichern(11);
    EXPECT_EQ(SturmflutWahlLesen(), 0);
    ComputerWahlSpeichern({});
    SturmflutWahlSpeichern(0);
}
