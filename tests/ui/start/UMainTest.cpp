// Program start, the main menu's rules, and one match played from the menu with key events.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPixmapCache>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>

#include "ui/UiHilfen.h"
#include "ui/basis/UEingebauteBilder.h"
#include "ui/dialoge/UBildOrdner.h"
#include "ui/dialoge/UHighscoreAnzeige.h"
#include "ui/dialoge/ULautstaerke.h"
#include "ui/dialoge/USpielEinstellungen.h"
#include "ui/spiel/USpielGitter.h"

namespace {

// The sound as the windows use it: what was played and how it was set.
struct TKlangLog : IKlaenge {
    void Einstellen(bool an, int lautstaerke) override { Stand = {an, lautstaerke}; }
    void Spielen(TKlang k) override { Gespielt.push_back(k); }
    void Vorbereiten() override { VorbereitetNach.push_back(Gespielt.size()); }
    std::pair<bool, int> Stand{true, -1};
    std::vector<TKlang> Gespielt;
    std::vector<std::size_t> VorbereitetNach;  // how many sounds had played by then
};

struct MainTest : ::testing::Test, TProgrammUmgebung {
    TFrm_Main* haupt = programm->Fenster.Main;
    // The settings dialog, answered: the levels added, then OK or Cancel.
    void Einstellungen(const std::vector<std::string>& level, bool ok,
                       std::function<void(TFrm_Spieleinstellungen&)> mehr = {}) {
        u.Antworten.push_back([&, level, ok, mehr](QDialog& d) {
            auto& dlg = static_cast<TFrm_Spieleinstellungen&>(d);
            for (const auto& l : level) {
                u.Dialoge.Dateien.push_back(u.Level(l));
                dlg.AddLevel();
            }
            if (mehr) mehr(dlg);
            ok ? dlg.Btn_OKClick() : dlg.AbbrechenClick();
            return dlg.result();
        });
        haupt->Spieleinstellungen();
    }
    bool StartAn() const {
        EXPECT_EQ(haupt->SB_SpielStarten->isEnabled(), haupt->Btn_Spielstarten->isEnabled());
        return haupt->SB_SpielStarten->isEnabled();
    }
};

void Druecke(QWidget* w, int taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
    QKeyEvent ueber(QEvent::ShortcutOverride, taste, mod);
    QApplication::sendEvent(w, &ueber);
    if (ueber.isAccepted()) Druecken(w, taste, mod);
}

}  // namespace

TEST_F(MainTest, ProgrammstartUndSpielStarten) {
    // Only the main window is built, hidden; yet the image sets are loaded from the default
    // folders and the highscore list is read, and a first start (an empty highscore file) shows
    // not a single box.
    TFenster& fenster = programm->Fenster;
    EXPECT_FALSE(fenster.Main->isVisible() || fenster.Spieleinstellungen.Gebaut() ||
                 fenster.Highscore.Gebaut());
    // The title shows the drawn picture to the pixel, whole and in part, and keeps no decoded
    // copy: the menu is open all the time.
    const QImage gezeichnet =
        QImage(QStringLiteral(KNALLFELD_TITEL_PNG)).convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(haupt->Im_Main->grab().toImage().convertToFormat(QImage::Format_RGB32), gezeichnet);
    const QRect teil(30, 170, 300, 45);
    EXPECT_EQ(haupt->Im_Main->grab(teil).toImage().convertToFormat(QImage::Format_RGB32),
              gezeichnet.copy(teil));
    QPixmap behalten;
    EXPECT_FALSE(QPixmapCache::find(QStringLiteral("knallfeld-titel"), &behalten));
    EXPECT_EQ(p.Bilder.AnzahlBilder(3), 2u);
    EXPECT_TRUE(u.Meldungen.Eintraege.empty()) << u.Meldungen.Letzter();
    // Building a window later repeats none of that: an entry that is only in memory (its save
    // failed) is still listed.
    p.Highscore.EintragEinfuegen({"Nur im Speicher", 5});
    u.Antworten.push_back([&](QDialog& d) {
        EXPECT_EQ(static_cast<TFrm_Highscore&>(d).LV_Highscore->topLevelItemCount(), 1);
        return int(QDialog::Accepted);
    });
    haupt->Open_Highscore();

    // "Spiel starten" only with levels, after OK; Cancel leaves it as it was, even with the list
    // emptied in the dialog.
    Einstellungen({"Arena.dat"}, false);
    EXPECT_FALSE(StartAn());
    Einstellungen({"Arena.dat"}, true);
    EXPECT_TRUE(StartAn());
    const auto leeren = [](TFrm_Spieleinstellungen& d) {
        d.LV_Level->selectAll();
        d.SB_LoeschenClick();
    };
    Einstellungen({}, false, leeren);
    EXPECT_TRUE(StartAn());
    Einstellungen({}, true, leeren);
    EXPECT_FALSE(StartAn());
}

TEST_F(MainTest, KnopfkuerzelVorMenuekuerzeln) {
    haupt->show();
    QApplication::setActiveWindow(haupt);
    QWidget* ziel = haupt->Pn_Main;
    // Alt+N opens the game settings ("Ei&nstellungen").
    u.Gezeigt.clear();
    Druecke(ziel, Qt::Key_N, Qt::AltModifier);
    EXPECT_EQ(u.Gezeigt, std::vector<QString>{"TFrm_Spieleinstellungen"});
    // Alt+S belongs to the menu "&Spiel" while "Spiel &starten" is disabled ...
    QKeyEvent ueber(QEvent::ShortcutOverride, Qt::Key_S, Qt::AltModifier);
    QApplication::sendEvent(ziel, &ueber);
    EXPECT_FALSE(ueber.isAccepted());
    // ... and to the button once it is enabled; without pictures no match starts, no window.
    haupt->SpielStartenAktivieren(true);
    p.Bilder.AlleFreigeben();
    u.Gezeigt.clear();
    Druecke(ziel, Qt::Key_S, Qt::AltModifier);
    EXPECT_EQ(u.Meldungen.Letzter(),
              "Fehler beim Öffnen der Bilder. Spiel kann leider nicht gestartet werden.");
    EXPECT_TRUE(u.Gezeigt.empty());
    haupt->hide();
}

TEST_F(MainTest, EinMatchVomHauptmenueBisZurHighscore) {
    // Settings: one sample level, one round, a short fuse.
    Einstellungen({"KleinesDuell.dat"}, true, [](TFrm_Spieleinstellungen& d) {
        d.SE_PlatzExplo->setValue(500), d.SE_Rundenanzahl->setValue(1),
            d.Ed_Namen2->setText("Berta");
    });
    ASSERT_TRUE(StartAn());

    TKlangLog klang;
    p.Klaenge = &klang;
    u.Antworten.push_back([&](QDialog& d) {
        d.show();
        QApplication::setActiveWindow(&d);
        // Player 1 steps right, lays a bomb and stays; player 2 walks up out of its corner. The
        // test keeps the match's clock, so a busy machine cannot change the outcome.
        f.Takt().Stoppen();
        // Once the board is painted, the sound gets ready.
        EXPECT_TRUE(WarteBis([&] { return !klang.VorbereitetNach.empty(); }, 2000));
        for (int k : {Qt::Key_D, Qt::Key_E, Qt::Key_Up}) {
            Druecke(QApplication::focusWidget(), k);
            LokalesMatch(f).Uhr().Laufe(40);
        }
        LokalesMatch(f).Uhr().Laufe(5000);
        EXPECT_TRUE(f.Spiel().MatchVorbei());
        d.close();
        return int(QDialog::Rejected);
    });
    haupt->Spielstarten();
    EXPECT_EQ(u.Meldungen.Letzter(), "Berta hat das Match gewonnen!");
    // The match window passes its sounds on: the bomb, its blast, a block, the hit, the end.
    using enum TKlang;
    EXPECT_EQ(klang.Gespielt,
              (std::vector<TKlang>{BombeGelegt, Explosion, BlockZerstoert, SpielerGetroffen,
                                   RundeGewonnen, MatchGewonnen}));
    // The sound got ready when the window opened, before its first sound.
    EXPECT_EQ(klang.VorbereitetNach, std::vector<std::size_t>{0});
    // Both players are in the highscore file.
    EXPECT_EQ(LiesBytes(p.HighscoreDatei()).size(), 2 * kGroesseHighscore);
}

TEST_F(MainTest, TonUndLautstaerkeBleibenFuerDenNaechstenStart) {
    TKlangLog klang;
    p.Klaenge = &klang;
    TonWahlSpeichern({});
    haupt->A_Ton->trigger();  // off
    EXPECT_TRUE(!TonWahlLesen().An && klang.Stand == std::pair(false, 80));
    // The volume dialog: cancelled it changes nothing, with OK the slider's value holds.
    for (const bool ok : {false, true}) {
        u.Antworten.push_back([ok](QDialog& d) {
            static_cast<TFrm_Lautstaerke&>(d).SL_Lautstaerke->setValue(30);
            EXPECT_EQ(static_cast<TFrm_Lautstaerke&>(d).Lb_Wert->text(), "30 %");
            return int(ok ? QDialog::Accepted : QDialog::Rejected);
        });
        haupt->A_Lautstaerke->trigger();
        EXPECT_TRUE(TonWahlLesen().Lautstaerke == (ok ? 30 : 80) &&
                    klang.Stand == std::pair(false, ok ? 30 : 80));
    }
    haupt->A_Ton->trigger();  // on again
    EXPECT_TRUE(TonWahlLesen().An && klang.Stand == std::pair(true, 30));
    // Another program reads the choice when its menu first opens.
    TonWahlSpeichern({false, 55});
    TUiUmgebung andere;
    TProgramm neu(*andere.Daten);
    QAction* ton = neu.Fenster.Main->A_Ton;
    emit qobject_cast<QMenu*>(ton->parent())->aboutToShow();
    EXPECT_TRUE(!ton->isChecked() && andere.Daten->Ton().Lautstaerke == 55);
}
