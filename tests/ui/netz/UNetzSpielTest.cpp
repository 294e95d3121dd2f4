// Network play in the game: two programs in one process, each with its match window, over
// loopback through real ENet sockets; and the dialog that begins it.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <algorithm>

#include "match/URegelVersion.h"
#include "tests/netz/NetzHilfen.h"
#include "transport/UNetzBetrieb.h"
#include "ui/UiHilfen.h"
#include "ui/netz/UNetzDialog.h"
#include "ui/netz/UNetzDienst.h"
#include "ui/netz/UNetzMatch.h"
#include "ui/programm/UWiederholungen.h"
#include "ui/spiel/USpielGitter.h"
#include "ui/vorlieben/UNetzWahl.h"

namespace {

struct TSeite : TProgrammUmgebung {
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
                       std::uint8_t tempo = 1, std::uint32_t countdown = 0) {
    TNetzOptionen o;
    std::tie(o.Regeln, o.Name, o.Computer, o.Tempo, o.Countdown) =
        std::tie(regeln, name, computer, tempo, countdown);
    return o;
}

// When the recording holds inputs of this kind.
std::vector<std::uint64_t> Zeiten(const TAufnahme& a, TEingabeArt art) {
    std::vector<std::uint64_t> r;
    for (const TEingabe& e : a.Eingaben)
        if (e.Art == art) r.push_back(e.Zeit);
    return r;
}

bool BeideIn(TNetzSitzung& x, TNetzSitzung& y, TNetzZustand z, int ms) {
    return WarteBis([&] { return x.Zustand() == z && y.Zustand() == z; }, ms);
}

struct NetzSpielTest : ::testing::Test {
    TSeite a, b;  // a opens the match (player 1), b joins (player 2)

    // Both sides connected over loopback with the services the dialog would hand over.
    void Verbinden(int runden, bool computer, std::uint8_t tempo, std::uint32_t countdown = 0) {
        a.u.EinLevel("KleinesDuell.dat", [&](TSpielRecEinstellungen& e) {
            e.Rundenanzahl = std::uint8_t(runden), e.Schwierigkeit = 5;
        });
        TAufnahme daten = SpieldatenLesen(a.p.Einstellungen, 4711);
        SpielerSetzen(daten, 1, "Anna", computer);
        auto wirt =
            std::make_unique<TNetzDienst>(Optionen(kRegelVersion, {}, false, tempo, countdown),
                                          a.f.NetzUmgebung(), std::move(daten));
        ASSERT_TRUE(wirt->Eroeffnen(0)) << wirt->Fehler;
        auto gast = std::make_unique<TNetzDienst>(Optionen(kRegelVersion, "Bert", computer),
                                                  b.f.NetzUmgebung(), std::nullopt);
        gast->Verbinden("localhost", wirt->Port());
        ASSERT_TRUE(BeideIn(wirt->Sitzung(), gast->Sitzung(), TNetzZustand::Laeuft, 20000));
        a.f.Zeigen(std::make_unique<TNetzMatch>(a.f, std::move(wirt)));
        b.f.Zeigen(std::make_unique<TNetzMatch>(b.f, std::move(gast)));
    }
};

TEST_F(NetzSpielTest, ZweiFensterSpielenEinMatchMitGleicherAufnahmeUndRevanche) {
    Verbinden(2, true, 20, 800);
    EXPECT_EQ(a.f.windowTitle(), "Knallfeld - Netzwerkspiel");
    EXPECT_TRUE(a.f.Lb_Netz->text().startsWith("Mitspieler: Bert\nPing ") &&
                b.f.Lb_Netz->text().startsWith("Mitspieler: Anna\n"));
    // b's own key set steers b's player as an action, once the countdown is over; no key code
    // crosses the wire.
    ASSERT_TRUE(WarteBis(
        [&] { return b.f.Spiel().FeldAktiv() && !b.Sitzung().Countdown(WandMs()); }, 10000));
    Druecken(b.f.SG_Feld, Qt::Key_W);

    // The first round ends: its message shows without holding the match, and the next round
    // waits for both sides' "Nächste Runde"; each side's status line says who waits for whom.
    ASSERT_TRUE(WarteBis([&] { return a.f.Btn_Next->isEnabled(); }, 60000));
    ASSERT_TRUE(WarteBis([&] { return !a.Boxen().empty(); }, 5000));
    EXPECT_NE(a.Boxen().front().find("Runde"), std::string::npos);
    a.f.Btn_Next->click();
    EXPECT_FALSE(a.f.Btn_Next->isEnabled());
    WarteBis([] { return false; }, 400);  // 8 s of match time
    EXPECT_FALSE(a.f.Spiel().FeldAktiv());
    EXPECT_EQ(a.f.Lb_Netz->text(), "Mitspieler: Bert\nWarte auf Bert …");
    EXPECT_EQ(b.f.Lb_Netz->text(), "Mitspieler: Anna\nAnna ist bereit.");
    ASSERT_TRUE(WarteBis([&] { return b.f.Btn_Next->isEnabled(); }, 5000));
    b.f.Btn_Next->click();
    // The next round stands still on both boards while the countdown runs.
    ASSERT_TRUE(WarteBis([&] { return a.f.Spiel().FeldAktiv(); }, 10000));
    const std::uint64_t rundenBeginn = a.Sitzung().Seite()->Zeit();
    const QLabel* countdown = a.f.findChild<QLabel*>("Lb_Countdown");
    ASSERT_TRUE(countdown && !countdown->isHidden());
    EXPECT_EQ(countdown->text(), "1");
    WarteBis([] { return false; }, 300);
    EXPECT_EQ(a.Sitzung().Seite()->Zeit(), rundenBeginn);
    ASSERT_TRUE(WarteBis([&] { return a.Sitzung().Seite()->Zeit() > rundenBeginn; }, 5000));
    EXPECT_TRUE(countdown->isHidden());
    EXPECT_TRUE(a.Boxen().empty());  // gone with the round it was about

    ASSERT_TRUE(BeideIn(a.Sitzung(), b.Sitzung(), TNetzZustand::Fertig, 60000));
    EXPECT_EQ(b.f.Lb_Netz->text(), "Mitspieler: Anna\nDas Match ist zu Ende.");
    const TAufnahme ra = a.Aufnahme(), rb = b.Aufnahme();
    EXPECT_TRUE(OhneEnde(ra.Eingaben) == OhneEnde(rb.Eingaben) && ra.Protokoll == rb.Protokoll);
    ASSERT_GE(ra.Protokoll.size(), 4u);
    EXPECT_TRUE(std::any_of(ra.Eingaben.begin(), ra.Eingaben.end(), [](const TEingabe& e) {
        // As recorded: player * 8 + slot.
        return e.Art == TEingabeArt::Aktion && e.Wert == 2 * 8 + 0;
    }));
    EXPECT_TRUE(std::none_of(ra.Eingaben.begin(), ra.Eingaben.end(),
                             [](const TEingabe& e) { return e.Art == TEingabeArt::Taste; }));
    std::vector<std::string> protokoll;
    EXPECT_EQ(AufnahmePruefen(rb, b.p.Programmordner, protokoll), "");

    // A rematch wished by one side waits for the other; by both, it begins on the same levels,
    // each side keeping its player.
    ASSERT_EQ(a.f.Btn_Neustart->text(), "Revanche");
    a.f.Btn_Neustart->click();
    EXPECT_FALSE(a.f.Btn_Neustart->isEnabled());
    ASSERT_TRUE(WarteBis(
        [&] { return b.f.Lb_Netz->text() == "Mitspieler: Anna\nAnna möchte eine Revanche."; },
        5000));
    WarteBis([] { return false; }, 200);
    EXPECT_TRUE(a.Sitzung().MatchNr() == 0 && b.Sitzung().MatchNr() == 0);
    EXPECT_EQ(a.f.Lb_Netz->text(), "Mitspieler: Bert\nWarte auf Bert …");
    b.f.Btn_Neustart->click();
    ASSERT_TRUE(BeideIn(a.Sitzung(), b.Sitzung(), TNetzZustand::Laeuft, 5000));
    EXPECT_TRUE(a.Sitzung().MatchNr() == 1 && b.Sitzung().MatchNr() == 1);
    EXPECT_TRUE(b.Aufnahme().Levelliste == ra.Levelliste && b.Aufnahme().Saat != ra.Saat);
    EXPECT_TRUE(a.Sitzung().Gastgeber() && a.f.Btn_Neustart->text() == "Neustart");
    ASSERT_TRUE(WarteBis([&] { return a.Sitzung().Seite()->Zeit() > 0; }, 5000));

    // Both sides keep the first match in their own highscore list, and both recordings.
    a.f.close();
    b.f.close();
    for (TSeite* s : {&a, &b}) {
        const auto namen = s->HighscoreNamen();
        EXPECT_EQ(std::count(namen.begin(), namen.end(), "Anna"), 1);
        EXPECT_EQ(std::count(namen.begin(), namen.end(), "Bert"), 1);
    }
}

TEST_F(NetzSpielTest, NeustartNurWennBeideWollenUndEinChat) {
    Verbinden(3, true, 20);
    for (TSeite* s : {&a, &b}) {
        ASSERT_TRUE(WarteBis([&] { return s->f.Btn_Next->isEnabled(); }, 60000));
        s->f.Btn_Next->click();
    }
    ASSERT_TRUE(
        WarteBis([&] { return a.f.Spiel().Runde() == 2 && a.f.Spiel().FeldAktiv(); }, 5000));
    auto frage = [&](bool ja) {
        a.f.Btn_Neustart->click();
        EXPECT_EQ(a.f.Lb_Netz->text(), "Mitspieler: Bert\nWarte auf die Antwort von Bert …");
        auto& m = dynamic_cast<TNetzMatch&>(b.f.Match());
        ASSERT_TRUE(WarteBis([&] { return m.Frage() != nullptr; }, 5000));
        EXPECT_EQ(m.Frage()->text(), "Anna möchte das Match neu starten.");
        m.Frage()->button(ja ? QMessageBox::Yes : QMessageBox::No)->click();
    };
    // Refused: both matches go on as they were.
    frage(false);
    ASSERT_TRUE(WarteBis(
        [&] { return a.f.Lb_Netz->text() == "Mitspieler: Bert\nBert möchte nicht neu starten."; },
        5000));
    EXPECT_TRUE(a.f.Spiel().Runde() >= 2 && b.f.Spiel().Runde() >= 2);
    EXPECT_TRUE(Zeiten(a.Aufnahme(), TEingabeArt::Neustart).empty());
    // Agreed: both start again at the same time.
    frage(true);
    ASSERT_TRUE(
        WarteBis([&] { return a.f.Spiel().Runde() == 1 && b.f.Spiel().Runde() == 1; }, 5000));
    const auto neustart = [](TSeite& s) { return Zeiten(s.Aufnahme(), TEingabeArt::Neustart); };
    ASSERT_TRUE(WarteBis([&] { return neustart(a).size() == 1 && neustart(b).size() == 1; }, 5000));
    EXPECT_EQ(neustart(a), neustart(b));

    // A chat line arrives as typed, never as markup; one too long or too soon is refused.
    a.f.Ed_Chat->setText("<b>x</b>");
    dynamic_cast<TNetzMatch&>(a.f.Match()).ChatSenden();
    ASSERT_TRUE(WarteBis([&] { return b.f.Lb_Chat->text() == "Anna: <b>x</b>"; }, 5000));
    EXPECT_EQ(b.f.Lb_Chat->textFormat(), Qt::PlainText);
    EXPECT_TRUE(a.f.Lb_Chat->text() == "Ich: <b>x</b>" && a.f.Ed_Chat->text().isEmpty());
    // The longest lines, their widest words unbroken by spaces: the newest is shown whole inside
    // the panel, what does not fit is the oldest.
    const auto senden = [&](const QString& t) {
        a.f.Ed_Chat->setText(t);
        dynamic_cast<TNetzMatch&>(a.f.Match()).ChatSenden();
    };
    const QString lang = QStringLiteral("Ja ") + QString(97, QLatin1Char('M'));
    senden(QStringLiteral("Na ") + QString(97, QLatin1Char('W')));
    senden(lang);
    ASSERT_TRUE(WarteBis([&] { return b.f.Lb_Chat->text().endsWith("MMM"); }, 5000));
    const QStringList gezeigt = b.f.Lb_Chat->text().split('\n');
    for (const QString& z : gezeigt)
        EXPECT_LE(b.f.Lb_Chat->fontMetrics().horizontalAdvance(z), b.f.Lb_Chat->width())
            << z.toStdString();
    const auto ohneLeer = [](QString t) { return t.remove(QRegularExpression("\\s")); };
    EXPECT_TRUE(ohneLeer(gezeigt.join("")).endsWith("WW" + ohneLeer("Anna: " + lang)))
        << b.f.Lb_Chat->text().toStdString();
    EXPECT_LE(gezeigt.size() * b.f.Lb_Chat->fontMetrics().lineSpacing(), b.f.Lb_Chat->height());
    TNetzSitzung& s = a.Sitzung();
    EXPECT_EQ(s.ChatSenden(std::string(101, 'x'), WandMs()),
              "Die Zeile ist zu lang (höchstens 100 Zeichen).");
    const std::uint64_t jetzt = WandMs() + 1000;
    for (const char* z : {"2", "3", "4"}) EXPECT_EQ(s.ChatSenden(z, jetzt), "");
    EXPECT_EQ(s.ChatSenden("5", jetzt), "Bitte langsamer: höchstens 3 Zeilen in der Sekunde.");
    EXPECT_EQ(s.Chat().size(), 3u);
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

    // "Beitreten" or "Eröffnen" pressed: what the box then says.
    std::string Start() {
        d.Btn_Start->click();
        return s.u.Meldungen.Letzter();
    }
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
        EXPECT_EQ(d.windowTitle(), "Knallfeld - Netzwerkspiel beitreten");
        // ENet reaches IPv4 only: an IPv6 address is told so, in either spelling.
        for (const char* v6 : {"::1", "[::1]:41414"}) {
            d.Ed_Adresse->setText(v6);
            // The message's example address is the program's text, not one this test reaches.
            const std::string m = Start();
            EXPECT_TRUE(m.starts_with("Das Netzwerkspiel braucht eine IPv4-Adresse (z. B. ") &&
                        m.ends_with(") oder einen Rechnernamen mit einer IPv4-Adresse; \"" +
                                    std::string(v6) + "\" ist eine IPv6-Adresse."))
                << m;
        }
        d.Ed_Adresse->clear();
        EXPECT_EQ(Start(), "Bitte geben Sie die Adresse des Gastgebers ein.");
        d.Ed_Name->setText("  ");
        EXPECT_EQ(Start(), "Bitte geben Sie Ihren Namen ein.");
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(dienst);

    // The host without a level in its settings is told so before anything opens.
    const std::uint16_t port = FreierPort();
    dienst = Zeigen(true, [&] {
        EXPECT_TRUE(!d.Ed_Adresse->isEnabled() &&
                    d.Lb_Adressen->text().startsWith("Eigene Adressen: "));
        d.SE_Port->setValue(port);
        d.Ed_Name->setText("Anna");
        EXPECT_EQ(Start(),
                  "Bitte wählen Sie unter Spiel → Einstellungen mindestens ein Level aus.");
        s.u.EinLevel("Arena.dat", [](TSpielRecEinstellungen&) {});
        d.Btn_Start->click();
        EXPECT_EQ(d.Lb_Status->text(),
                  QStringLiteral("Warte auf einen Mitspieler an Port %1 …").arg(port));
        EXPECT_FALSE(d.Btn_Start->isEnabled() || d.Ed_Name->isEnabled());
        // The port is taken while the host waits, and free again once it stops.
        EXPECT_FALSE(TEnetTransport().Eroeffnen(port, {}));
        // A guest joins: the host sees its name and what they will play, and may start.
        TSeite gastSeite;
        TNetzDienst gast(Optionen(kRegelVersion, "Bert"), gastSeite.f.NetzUmgebung(), std::nullopt);
        gast.Verbinden("127.0.0.1", port);
        EXPECT_TRUE(WarteBis([&] { return d.Btn_Abbrechen->text() == "Verlassen"; }, 20000));
        EXPECT_EQ(d.Lb_Status->text(),
                  "Mitspieler: Bert\nLevel: Arena\nRunden: 3\nMit \"Starten\" beginnt das Match.");
        EXPECT_TRUE(d.Btn_Start->isEnabled() && d.Btn_Start->text() == "Starten");
        d.Btn_Abbrechen->click();
        EXPECT_TRUE(d.Btn_Start->isEnabled() && d.Lb_Status->text().isEmpty());
        EXPECT_TRUE(TEnetTransport().Eroeffnen(port, {}));
        return int(QDialog::Rejected);
    });
    EXPECT_FALSE(dienst);
    const TNetzWahl w = NetzWahlLesen();
    EXPECT_TRUE(w.Eroeffnen && w.Port == port && w.Name == "Anna");
}

TEST_F(NetzDialogTest, GastVerbindetSichOderHoertWarumNicht) {
    NetzWahlSpeichern({false, "", kNetzStandardPort, "", false});
    TSeite wirtSeite;
    wirtSeite.u.EinLevel("Arena.dat", [](TSpielRecEinstellungen&) {});
    auto wirt = [&](std::uint32_t regeln) {
        TNetzOptionen o = Optionen(regeln);
        o.AufStartWarten = true;
        TAufnahme daten = SpieldatenLesen(wirtSeite.p.Einstellungen, 1);
        SpielerSetzen(daten, 1, "Anna", false);
        auto w = std::make_unique<TNetzDienst>(o, wirtSeite.f.NetzUmgebung(), std::move(daten));
        EXPECT_TRUE(w->Eroeffnen(0));
        return w;
    };
    auto beitreten = [&](TNetzDienst& w) {
        return Zeigen(false, [&] {
            // "host:port" fills the port.
            d.Ed_Adresse->setText(QStringLiteral("127.0.0.1:%1").arg(w.Port()));
            // No name kept yet: the guest plays player 2.
            if (d.Ed_Name->text() != "Bert") {
                EXPECT_EQ(d.Ed_Name->text(), "Spieler 2");
            }
            d.Ed_Name->setText("Bert");
            d.Btn_Start->click();
            EXPECT_EQ(d.Lb_Status->text(),
                      QStringLiteral("Verbinde mit 127.0.0.1, Port %1 …").arg(w.Port()));
            // The meeting: the guest sees who it plays and what, until the host starts.
            WarteBis(
                [&] { return d.Btn_Abbrechen->text() == "Verlassen" || d.Btn_Start->isEnabled(); },
                20000);
            if (d.Btn_Abbrechen->text() != "Verlassen") return d.result();
            EXPECT_EQ(d.Lb_Status->text(),
                      "Mitspieler: Anna\nLevel: Arena\nRunden: 3\nWarte, bis Anna das Match "
                      "startet …");
            WarteBis([] { return false; }, 200);
            EXPECT_TRUE(d.result() != QDialog::Accepted && !d.Btn_Start->isEnabled());
            EXPECT_EQ(w.Sitzung().Seite()->Zeit(), 0u);
            w.Sitzung().Anfangen(WandMs());
            WarteBis([&] { return d.result() == QDialog::Accepted; }, 5000);
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

// Its own test, so that its ten seconds run beside the others.
TEST_F(NetzDialogTest, OhneGastgeberNachZehnSekundenMitHinweis) {
    const std::uint16_t port = FreierPort();
    QElapsedTimer uhr;
    Zeigen(false, [&] {
        d.Ed_Adresse->setText(QStringLiteral("127.0.0.1:%1").arg(port));
        d.Btn_Start->click();
        uhr.start();
        WarteBis([&] { return d.Btn_Start->isEnabled(); }, 30000);
        return int(QDialog::Rejected);
    });
    EXPECT_NEAR(double(uhr.elapsed()), double(kVerbindenFrist), 1500.0);
    EXPECT_EQ(s.u.Meldungen.Letzter(),
              "Der Gastgeber antwortet nicht. Bitte prüfen Sie die Adresse und den Port, ob der "
              "Gastgeber das Spiel schon eröffnet hat (\"Netzwerkspiel eröffnen\") und ob eine "
              "Firewall oder ein Router dazwischen die Verbindung sperrt.");
}

}  // namespace
