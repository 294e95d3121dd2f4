#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <filesystem>

#include "ui/UiHilfen.h"
#include "ui/basis/UTaktgeber.h"
#include "ui/dialoge/UHighscoreAnzeige.h"
#include "ui/programm/UWiederholungen.h"
#include "ui/spiel/UAbspielLeiste.h"
#include "ui/spiel/UAbspielMatch.h"
#include "ui/spiel/USpielGitter.h"
#include "ui/vorlieben/UBildWahl.h"
#include "wiederholung/UAufnahmeDatei.h"

namespace {

struct WiederholungTest : ::testing::Test, TProgrammUmgebung {
    // After each input of the script: its time and the board.
    std::vector<std::pair<std::uint64_t, std::vector<TZelle>>> bretter;

    void Taste(int qtTaste) { Druecken(f.SG_Feld, qtTaste); }

    // Two rounds on "Arena", each lost by the player who stays on the bomb they laid; played
    // through the window's keys and buttons, on the window's clock driven by the test.
    void MatchSpielen() {
        u.EinLevel("Arena.dat", [](TSpielRecEinstellungen& e) { e.Rundenanzahl = 2; });
        ASSERT_TRUE(f.MatchStarten());
        f.Takt().Stoppen();
        TAufgenommenesMatch& match = LokalesMatch(f);
        // The match draws from the seed it records (its first draw: the disease's interval).
        TZufall z(match.Aufnahme().Saat);
        EXPECT_EQ(f.Spiel().Timer_Krank(1).Intervall(), z.Zufall(5000));
        // Each input at its time, 0 for "Nächste Runde". D at 300 ends between two blocks, whose
        // extras are drawn; S at 3000 comes after the blast, before the next round; Right at 5350
        // meets the edge of the board; W at 9000 comes after the match and changes nothing.
        // clang-format off
        for (auto [t, k] : {std::pair{200, Qt::Key_D}, {300, Qt::Key_D}, {400, Qt::Key_E},
                            {500, Qt::Key_Left}, {900, Qt::Key_Up}, {3000, Qt::Key_S},
                            {5000, Qt::Key(0)}, {5200, Qt::Key_Up}, {5250, Qt::Key_Up},
                            {5300, Qt::Key_Space}, {5350, Qt::Key_Right}, {9000, Qt::Key_W}}) {
            // clang-format on
            match.Uhr().LaufeBis(match.Lauf().Basis() + std::uint64_t(t));
            k ? Taste(k) : f.Btn_Next->click();
            bretter.emplace_back(t, p.Feld.Zellen());
        }
        f.close();
        // Saved among the recordings, where the highscore window finds it.
        const auto abgelegt = AbgelegteAufnahmen(WiederholungenOrdner());
        ASSERT_FALSE(abgelegt.empty());
        ASSERT_EQ(AufnahmeLesen(abgelegt.front(), aufnahme), "");
    }
    TAufnahme aufnahme;

    std::vector<std::string> Meldungen() const {
        std::vector<std::string> r;
        for (const auto& m : u.Meldungen.Eintraege)
            if (m.Typ == TBoxTyp::Information) r.push_back(m.Text);
        return r;
    }
};

TEST_F(WiederholungTest, UeberDieTastenAufgenommenUndGleichAbgespielt) {
    // The window's second match, recorded as its first was.
    MatchSpielen();
    bretter.clear();
    u.Meldungen.Leeren();
    MatchSpielen();
    const TAufnahme& a = aufnahme;
    const std::vector<std::string> erwartet = {
        "Runde 1 (Arena): Spieler 2 hat die letzte Runde gewonnen!",
        "Runde 2 (Arena): Spieler 1 hat die letzte Runde gewonnen!",
        "Das Match geht unendschieden aus!", "Punkte: 100 : 100"};
    EXPECT_EQ(a.Protokoll, erwartet);
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Spieler 2 hat die letzte Runde gewonnen!",
                                                     "Das Match geht unendschieden aus!"}));
    // Every input with its time, and the end.
    ASSERT_EQ(a.Eingaben.size(), bretter.size() + 1);
    EXPECT_EQ(a.Eingaben[2], (TEingabe{400, TEingabeArt::Taste, 'E'}));
    EXPECT_EQ(a.Eingaben[6], (TEingabe{5000, TEingabeArt::NaechsteRunde, 0}));
    EXPECT_EQ(a.Eingaben.back().Art, TEingabeArt::Ende);

    // Replayed without a window: the same board after every input, the same end.
    TSpielfeld feld;
    TMeldungsProtokoll m;
    TKeineAnsicht ansicht;
    TAbspieler ab(a, feld, p.Bilder, m, ansicht);
    ASSERT_TRUE(ab.Starten());
    for (std::size_t i = 0; i < bretter.size(); ++i) {
        ab.Bis(bretter[i].first);
        ASSERT_EQ(feld.Zellen(), bretter[i].second) << "nach Eingabe " << i;
    }
    ab.BisZumEnde();
    EXPECT_TRUE(ab.WieAufgenommen());
}

TEST_F(WiederholungTest, ImFensterOhneEingabenMitPauseTempoUndSprung) {
    MatchSpielen();
    const TAufnahme a = aufnahme;
    u.Meldungen.Leeren();
    BewegteBilderSpeichern(true);  // a jump shows its state at once, points too
    ASSERT_TRUE(f.WiederholungStarten(a));
    f.Takt().Stoppen();
    EXPECT_EQ(f.windowTitle(), "Knallfeld - Wiederholung");
    TAbspielLeiste& leiste = f.AbspielLeiste();
    EXPECT_TRUE(f.Btn_Neustart->isHidden() && !leiste.Btn_Pause->isHidden());
    // No key reaches the players.
    const auto vorher = p.Feld.Zellen();
    Taste(Qt::Key_S);
    Taste(Qt::Key_E);
    EXPECT_EQ(p.Feld.Zellen(), vorher);

    // Pause and tempo, each press with the clock's factor and the buttons after it: a tempo
    // chosen while paused waits for the pause to end.
    // clang-format off
    for (const auto& [tempo, faktor, knoepfe] :
         {std::tuple{false, 0, "Weiter Tempo 1×"}, {true, 0, "Weiter Tempo 2×"},
          {false, 2, "Pause Tempo 2×"}, {true, 4, "Pause Tempo 4×"}, {true, 1, "Pause Tempo 1×"}}) {
        // clang-format on
        (tempo ? leiste.Btn_Tempo : leiste.Btn_Pause)->click();
        EXPECT_EQ(f.Takt().Faktor(), faktor) << knoepfe;
        EXPECT_EQ(leiste.Btn_Pause->text() + " " + leiste.Btn_Tempo->text(), QString(knoepfe));
    }
    f.Takt().Stoppen();

    // "Nächste Runde" jumps to the next round, through the round's message.
    ASSERT_TRUE(f.Btn_Next->isEnabled());
    f.Btn_Next->click();
    EXPECT_TRUE(f.Spiel().Runde() == 2 && f.Spiel().FeldAktiv());
    EXPECT_EQ(Meldungen(), std::vector<std::string>{"Spieler 2 hat die letzte Runde gewonnen!"});
    f.Btn_Next->click();
    EXPECT_EQ(Meldungen(), (std::vector<std::string>{"Spieler 2 hat die letzte Runde gewonnen!",
                                                     "Das Match geht unendschieden aus!"}));
    EXPECT_TRUE(!f.Btn_Next->isEnabled() && f.Panel->Lb_Punkte_Anzeige[0]->text() == "100");
    // Watching adds no recording and no highscore entry.
    const auto eintraege = p.Highscore.Liste().size();
    const auto aufnahmen = AbgelegteAufnahmen(WiederholungenOrdner());
    f.close();
    BewegteBilderSpeichern(false);
    EXPECT_TRUE(p.Highscore.Liste().size() == eintraege && !leiste.Btn_Pause->isVisible());
    EXPECT_EQ(AbgelegteAufnahmen(WiederholungenOrdner()), aufnahmen);
}

TEST_F(WiederholungTest, HighscoreFensterUndAbweichendeAufnahme) {
    MatchSpielen();
    p.Highscore.EintragEinfuegen({"Ohne Aufnahme", 50});
    TFrm_Highscore& h = *programm->Fenster.Highscore;
    h.ListeFuellen();
    std::vector<std::string> angesehen;
    p.WiederholungAnsehen = [&](const std::string& d) { angesehen.push_back(d); };
    QTreeWidget* liste = h.LV_Highscore;
    for (int zeile = 0; zeile < liste->topLevelItemCount(); ++zeile) {
        liste->setCurrentItem(liste->topLevelItem(zeile));
        const bool mit = liste->topLevelItem(zeile)->text(1) != "Ohne Aufnahme";
        EXPECT_EQ(h.Btn_Wiederholung->isEnabled(), mit) << zeile;
        h.Btn_Wiederholung->click();
    }
    const std::string datei = AbgelegteAufnahmen(WiederholungenOrdner()).front();
    EXPECT_EQ(angesehen, (std::vector<std::string>{datei, datei}));

    // A recording the engine no longer plays the same way is not shown.
    TAufnahme a;
    ASSERT_EQ(AufnahmeLesen(datei, a), "");
    a.Eingaben[2].Wert = 'D';
    const std::string anders = u.Ordner.Pfad("anders.kfw");
    ASSERT_EQ(AufnahmeSchreiben(anders, a), "");
    u.Gezeigt.clear();
    programm->Fenster.Main->WiederholungAnsehen(anders);
    EXPECT_TRUE(u.Meldungen.Eintraege.back().Typ == TBoxTyp::Warnung && u.Gezeigt.empty());
    EXPECT_NE(u.Meldungen.Letzter().find("endet anders als aufgenommen"), std::string::npos);
    // "Programm → Wiederholung öffnen..." opens any recording in the window.
    u.Dialoge.Dateien.push_back(datei);
    programm->Fenster.Main->A_Wiederholung->trigger();
    EXPECT_EQ(u.Dialoge.Gefragt.back().Filter, "Wiederholungen (*.kfw)");
    EXPECT_TRUE(u.Gezeigt == std::vector<QString>{"TFrm_Spiel"} &&
                dynamic_cast<TAbspielMatch*>(&f.Match()));
}

TEST(Taktgeber, FolgtDerZeitStehtBeiOffenerMeldungUndNachTempo) {
    TSimUhr uhr;
    int ticks = 0;
    auto timer = uhr.TimerErzeugen("t", 50, [&] { ++ticks; });
    timer->Einschalten();
    TTaktgeber takt;
    takt.Starten({[&] { return uhr.Jetzt(); }, [&](std::uint64_t t) { uhr.LaufeBis(t); },
                  [&] { return uhr.NaechsteFaelligkeit(); }});
    ASSERT_TRUE(WarteBis([&] { return ticks >= 3; }, 5000));

    // A box that stays open a while, running the event loop as a real one does: the clock
    // stands where it was when the box opened.
    TMeldungsProtokoll innen;
    std::uint64_t offen = 0;
    innen.WaehrendDerMeldung = [&](const std::string&) {
        WarteBis([] { return false; }, 300);
        offen = takt.Ziel();
    };
    TAnhaltendeMeldungen m(innen, takt);
    const auto vorher = uhr.Jetzt();
    const int ticksVorher = ticks;
    m.Zeige(TBoxTyp::Information, "offen");
    EXPECT_EQ(ticks, ticksVorher);
    EXPECT_TRUE(offen >= vorher && offen < vorher + 100) << vorher << " " << offen;
    EXPECT_LT(takt.Ziel(), vorher + 100);

    QElapsedTimer wand;
    takt.SetzeFaktor(4);
    const auto start = uhr.Jetzt();
    wand.start();
    WarteBis([] { return false; }, 300);
    takt.Einholen();
    EXPECT_GE(uhr.Jetzt() - start, std::uint64_t(wand.elapsed()) * 3);
    // Paused: the match catches up to the moment of the pause, then stands.
    takt.SetzeFaktor(0);
    takt.Einholen();
    const auto angehalten = uhr.Jetzt();
    WarteBis([] { return false; }, 150);
    takt.Einholen();
    EXPECT_EQ(uhr.Jetzt(), angehalten);
    // On again, and faster while running: from where it stood, without a jump.
    takt.SetzeFaktor(2);
    EXPECT_LT(takt.Ziel() - angehalten, 40u);
    WarteBis([] { return false; }, 100);
    const auto vorher4 = takt.Ziel();
    takt.SetzeFaktor(4);
    EXPECT_LT(takt.Ziel() - vorher4, 40u);
}

}  // namespace
