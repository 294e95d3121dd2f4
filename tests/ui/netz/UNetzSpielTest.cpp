// Network play in the game: two programs in one process, each with its match window, over
// loopback through real ENet sockets; and the dialog that begins it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <algorithm>

#include "match/URegelVersion.h"
#include "ui/UiHilfen.h"
#include "ui/netz/UNetzDialog.h"
#include "ui/netz/UNetzDienst.h"
#include "ui/netz/UNetzMatch.h"
#include "ui/programm/UWiederholungen.h"
#include "ui/spiel/USpielFenster.h"
#include "ui/spiel/USpielGitter.h"
#include "ui/start/UMain.h"
#include "ui/vorlieben/UNetzWahl.h"

namespace {

struct TSeite {
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    std::unique_ptr<TProgramm> programm = std::make_unique<TProgramm>(p);
    TFrm_Spiel& f = *programm->Fenster.Spiel;

    TNetzSitzung& Sitzung() { return dynamic_cast<TNetzMatch&>(f.Match()).Dienst().Sitzung(); }
    TAufnahme Aufnahme() { return Sitzung().Seite()->Aufnahme(); }
    std::vector<std::string> Boxen() const {
        std::vector<std::string> r;
        for (QMessageBox* b : f.findChildren<QMessageBox*>())
            if (b->isVisible()) r.push_back(b->text().toStdString());
        return r;
    }
    std::vector<std::string> HighscoreNamen() {
        THighscore h;
        HighscoreLaden(h, p.Fehler, p.HighscoreDatei());
        std::vector<std::string> r;
        for (const THighscoreEintrag& e : h.Liste()) r.push_back(e.Name);
        return r;
    }
};

TNetzOptionen Optionen(std::uint32_t regeln, std::string name = {}, bool computer = false,
                       std::uint8_t tempo = 1) {
    TNetzOptionen o;
    std::tie(o.Regeln, o.Name, o.Computer, o.Tempo) = std::tie(regeln, name, computer, tempo);
    return o;
}

struct NetzSpielTest : ::testing::Test {
    TSeite a, b;  // a opens the match (player 1), b joins (player 2)

    // Both sides connected over loopback with the services the dialog would hand over.
    void Verbinden(int runden, bool computer, std::uint8_t tempo) {
        a.u.EinLevel("KleinesDuell.dat", [&](TSpielRecEinstellungen& e) {
            e.Rundenanzahl = std::uint8_t(runden), e.Schwierigkeit = 5;
        });
        TAufnahme daten = SpieldatenLesen(a.p.Einstellungen, 4711);
        SpielerSetzen(daten, 1, "Anna", computer);
        auto wirt = std::make_unique<TNetzDienst>(Optionen(kRegelVersion, {}, false, tempo),
                                                  a.f.NetzUmgebung(), std::move(daten));
        ASSERT_TRUE(wirt->Eroeffnen(0)) << wirt->Fehler;
        auto gast = std::make_unique<TNetzDienst>(Optionen(kRegelVersion, "Bert", computer),
                                                  b.f.NetzUmgebung(), std::nullopt);
        gast->Verbinden("localhost", wirt->Port());
        ASSERT_TRUE(WarteBis(
            [&] {
                return wirt->Sitzung().Zustand() == TNetzZustand::Laeuft &&
                       gast->Sitzung().Zustand() == TNetzZustand::Laeuft;
            },
            20000));
        a.f.Zeigen(std::make_unique<TNetzMatch>(a.f, std::move(wirt)));
        b.f.Zeigen(std::make_unique<TNetzMatch>(b.f, std::move(gast)));
    }
};

TEST_F(NetzSpielTest, ZweiFensterSpielenEinMatchMitGleicherAufnahme) {
    Verbinden(2, true, 20);
    EXPECT_EQ(a.f.windowTitle(), "Knallfeld - Netzwerkspiel");
    EXPECT_TRUE(a.f.Lb_Netz->text().startsWith("Mitspieler: Bert\nPing ") &&
                b.f.Lb_Netz->text().startsWith("Mitspieler: Anna\n"));
    // b's own key set steers b's player as an action; no key code crosses the wire.
    ASSERT_TRUE(WarteBis([&] { return b.f.Spiel().FeldAktiv(); }, 10000));
    QKeyEvent w(QEvent::KeyPress, Qt::Key_W, Qt::NoModifier);
    QApplication::sendEvent(b.f.SG_Feld, &w);

    // The first round ends: its message shows without holding the match, and the next round
    // waits for both sides' "Nächste Runde".
    ASSERT_TRUE(WarteBis([&] { return a.f.Btn_Next->isEnabled(); }, 60000));
    ASSERT_TRUE(WarteBis([&] { return !a.Boxen().empty(); }, 5000));
    EXPECT_NE(a.Boxen().front().find("Runde"), std::string::npos);
    a.f.Btn_Next->click();
    EXPECT_FALSE(a.f.Btn_Next->isEnabled());
    WarteBis([] { return false; }, 400);  // 8 s of match time
    EXPECT_FALSE(a.f.Spiel().FeldAktiv());
    ASSERT_TRUE(WarteBis([&] { return b.f.Btn_Next->isEnabled(); }, 5000));
    b.f.Btn_Next->click();
    ASSERT_TRUE(
        WarteBis([&] { return a.f.Spiel().FeldAktiv() && b.f.Spiel().FeldAktiv(); }, 10000));
    EXPECT_TRUE(a.Boxen().empty());  // gone with the round it was about

    ASSERT_TRUE(WarteBis(
        [&] {
            return a.Sitzung().Zustand() == TNetzZustand::Fertig &&
                   b.Sitzung().Zustand() == TNetzZustand::Fertig;
        },
        60000));
    EXPECT_EQ(b.f.Lb_Netz->text(), "Mitspieler: Anna\nDas Match ist zu Ende.");
    const TAufnahme ra = a.Aufnahme(), rb = b.Aufnahme();
    auto ohneEnde = [](std::vector<TEingabe> e) {
        std::erase_if(e, [](const TEingabe& x) { return x.Art == TEingabeArt::Ende; });
        return e;
    };
    EXPECT_TRUE(ohneEnde(ra.Eingaben) == ohneEnde(rb.Eingaben) && ra.Protokoll == rb.Protokoll);
    ASSERT_GE(ra.Protokoll.size(), 4u);
    EXPECT_TRUE(std::any_of(ra.Eingaben.begin(), ra.Eingaben.end(), [](const TEingabe& e) {
        // As recorded: player * 8 + slot.
        return e.Art == TEingabeArt::Aktion && e.Wert == 2 * 8 + 0;
    }));
    EXPECT_TRUE(std::none_of(ra.Eingaben.begin(), ra.Eingaben.end(),
                             [](const TEingabe& e) { return e.Art == TEingabeArt::Taste; }));
    std::vector<std::string> protokoll;
    EXPECT_EQ(AufnahmePruefen(rb, b.p.Programmordner, protokoll), "");

    // Both sides keep the match in their own highscore list.
    a.f.close();
    b.f.close();
    for (TSeite* s : {&a, &b}) {
        const auto namen = s->HighscoreNamen();
        EXPECT_EQ(std::count(namen.begin(), namen.end(), "Anna"), 1);
        EXPECT_EQ(std::count(namen.begin(), namen.end(), "Bert"), 1);
    }
}

TEST_F(NetzSpielTest, WerDasFensterSchliesstSagtEsDemAnderen) {
    Verbinden(3, false, 1);
    ASSERT_TRUE(WarteBis([&] { return b.f.Spiel().FeldAktiv(); }, 10000));
    auto aufnahmen = [] {
        return QDir(QString::fromStdString(WiederholungenOrdner()))
            .entryList({QStringLiteral("*.kfw")})
            .size();
    };
    const auto vorher = aufnahmen();
    EXPECT_TRUE(b.p.Bilder.NurEigeneOrdner);  // the host's picture names, looked up here only
    b.f.close();
    EXPECT_FALSE(dynamic_cast<TNetzMatch*>(&b.f.Match()));  // let go, the socket with it
    EXPECT_FALSE(b.p.Bilder.NurEigeneOrdner);  // the own matches find their pictures again
    // a learns it at once, in a box that leaves its window running.
    ASSERT_TRUE(WarteBis([&] { return !a.Boxen().empty(); }, 5000));
    EXPECT_EQ(a.Boxen(), std::vector<std::string>{"Der Mitspieler hat das Spiel verlassen."});
    EXPECT_TRUE(a.Sitzung().Rueckgabe() == 3 && !a.f.Btn_Next->isEnabled());
    EXPECT_EQ(a.f.Lb_Netz->text(), "Mitspieler: Bert\nDie Verbindung ist beendet.");
    a.f.close();
    // Both recordings are kept, the unfinished match too; no match ended, no entries.
    EXPECT_TRUE(aufnahmen() == vorher + 2 && a.HighscoreNamen().empty());
}

// The dialog: last entries, checks, waiting and giving the port back, and a refused version.
struct NetzDialogTest : ::testing::Test {
    TSeite s;
    TFrm_Netzwerk d{s.p, [this] { return s.f.NetzUmgebung(); }};

    std::unique_ptr<TNetzDienst> Zeigen(bool eroeffnen, std::function<int()> handeln) {
        s.u.Antworten.push_back([handeln](QDialog&) { return handeln(); });
        return d.Zeigen(eroeffnen);
    }
};

std::uint16_t FreierPort() {
    TEnetTransport t;
    EXPECT_TRUE(t.Eroeffnen(0, {}));
    return t.Port();
}

TEST_F(NetzDialogTest, LetzteEingabenPruefungUndWartenMitAbbrechen) {
    NetzWahlSpeichern({false, "127.0.0.9", 5000, "Zed", true});
    auto dienst = Zeigen(false, [&] {
        EXPECT_TRUE(d.RB_Beitreten->isChecked() && d.CB_Computer->isChecked());
        EXPECT_EQ(d.Ed_Adresse->text() + ":" + d.SE_Port->text() + " " + d.Ed_Name->text() + " " +
                      d.Btn_Start->text(),
                  "127.0.0.9:5000 Zed Beitreten");
        d.Ed_Adresse->clear();
        d.Btn_Start->click();
        EXPECT_EQ(s.u.Meldungen.Letzter(), "Bitte geben Sie die Adresse des Gastgebers ein.");
        d.Ed_Name->setText("  ");
        d.Btn_Start->click();
        EXPECT_EQ(s.u.Meldungen.Letzter(), "Bitte geben Sie Ihren Namen ein.");
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(dienst);

    // The host without a level in its settings is told so before anything opens.
    const std::uint16_t port = FreierPort();
    dienst = Zeigen(true, [&] {
        EXPECT_FALSE(d.Ed_Adresse->isEnabled());
        EXPECT_TRUE(d.Lb_Adressen->text().startsWith("Eigene Adressen: "));
        d.SE_Port->setValue(port);
        d.Ed_Name->setText("Anna");
        d.Btn_Start->click();
        EXPECT_EQ(s.u.Meldungen.Letzter(), "Bitte wählen sie mindestens ein Level aus!");
        s.u.EinLevel("Arena.dat", [](TSpielRecEinstellungen&) {});
        d.Btn_Start->click();
        EXPECT_EQ(d.Lb_Status->text(),
                  QStringLiteral("Warte auf einen Mitspieler an Port %1 …").arg(port));
        EXPECT_FALSE(d.Btn_Start->isEnabled() || d.Ed_Name->isEnabled());
        // The port is taken while the host waits, and free again once it stops.
        TEnetTransport besetzt;
        EXPECT_FALSE(besetzt.Eroeffnen(port, {}));
        d.Btn_Abbrechen->click();
        EXPECT_TRUE(d.Btn_Start->isEnabled() && d.Lb_Status->text().isEmpty());
        TEnetTransport frei;
        EXPECT_TRUE(frei.Eroeffnen(port, {}));
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(dienst);
    const TNetzWahl w = NetzWahlLesen();
    EXPECT_TRUE(w.Eroeffnen && w.Port == port && w.Name == "Anna");
}

TEST_F(NetzDialogTest, GastVerbindetSichOderHoertWarumNicht) {
    TSeite wirtSeite;
    wirtSeite.u.EinLevel("Arena.dat", [](TSpielRecEinstellungen&) {});
    auto wirt = [&](std::uint32_t regeln) {
        auto w = std::make_unique<TNetzDienst>(Optionen(regeln), wirtSeite.f.NetzUmgebung(),
                                               SpieldatenLesen(wirtSeite.p.Einstellungen, 1));
        EXPECT_TRUE(w->Eroeffnen(0));
        return w;
    };
    auto beitreten = [&](TNetzDienst& w) {
        return Zeigen(false, [&] {
            d.Ed_Adresse->setText("127.0.0.1");
            d.SE_Port->setValue(w.Port());
            d.Ed_Name->setText("Bert");
            d.Btn_Start->click();
            EXPECT_TRUE(d.Lb_Status->text().startsWith("Verbinde mit 127.0.0.1, Port "));
            WarteBis([&] { return d.result() == QDialog::Accepted || d.Btn_Start->isEnabled(); },
                     20000);
            return d.result();
        });
    };
    // A host built with other rules: refused, both versions named, the form usable again.
    auto anders = wirt(kRegelVersion + 1);
    EXPECT_FALSE(beitreten(*anders));
    EXPECT_EQ(s.u.Meldungen.Letzter(),
              "Der Mitspieler hat eine andere Version von Knallfeld (Regeln " +
                  std::to_string(kRegelVersion + 1) + "); beide brauchen dieselbe (Regeln " +
                  std::to_string(kRegelVersion) + ").");
    // The right one: the dialog hands over a running match with the guest's name in it.
    auto richtig = wirt(kRegelVersion);
    auto dienst = beitreten(*richtig);
    ASSERT_TRUE(dienst);
    EXPECT_EQ(dienst->Sitzung().Zustand(), TNetzZustand::Laeuft);
    EXPECT_EQ(
        dienst->Sitzung().Seite()->Spiel().Daten().Einstellungen.EinstellungenHolen().Spieler2.Name,
        "Bert");
}

}  // namespace
