// Two virtual pads play a round, come and go during it, and are bound in the controls dialog.
#include "ui/eingabe/UPadSteuerung.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>

#include "ui/UiHilfen.h"
#include "ui/dialoge/USteuerungEinstellungen.h"
#include "ui/eingabe/UTasteFenster.h"

namespace {

struct PadTest : ::testing::Test {
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    TPadSteuerung pads{p};
    int pad1 = -1, pad2 = -1;

    void SetUp() override {
        PadBelegungSpeichern({});
        p.Pads() = {}, p.PadSteuerung = &pads;
        pad1 = pads.Geraete().VirtuellAnschliessen(), pad2 = pads.Geraete().VirtuellAnschliessen();
        ASSERT_GE(pad2, 0) << pads.Geraete().Fehler;
    }
    // The bindings are the player's preference: the tests after these start without them.
    void TearDown() override { PadBelegungSpeichern({}); }
    // Holds a button for `ms`, polling as the timer does, and lets go.
    void Halten(int geraet, int knopf, int ms) {
        pads.Geraete().VirtuellKnopf(geraet, knopf, true);
        WarteBis([] { return false; }, ms);
        pads.Geraete().VirtuellKnopf(geraet, knopf, false);
        WarteBis([] { return false; }, 30);
    }
    TIndex Spieler(int s) { return p.Feld.FindeSpieler(s).Index; }
};

}  // namespace

TEST_F(PadTest, ZweiPadsSpielenEineRundeUndKommenUndGehen) {
    p.Bilder.StandardOrdner(p.Programmordner);
    p.Bilder.BilderNeuLaden();
    TFrm_Spiel f(p);
    u.EinLevel("KleinesDuell.dat", [](TSpielRecEinstellungen& e) { e.PlatzExplo = 500; });
    ASSERT_TRUE(f.MatchStarten());
    f.show();
    // Connected before the match: pad 1 plays for player 1, pad 2 for player 2, with defaults.
    EXPECT_TRUE(f.Panel->Im_Pad[0]->isVisible() && f.Panel->Im_Pad[1]->isVisible());
    const TIndex start1 = Spieler(1), start2 = Spieler(2);
    // Up to half a second a held direction moves one cell (the next one is free). Held longer,
    // it repeats like a held key: player 2 pushes its left stick and walks two cells to the crate.
    Halten(pad1, SDL_CONTROLLER_BUTTON_DPAD_DOWN, 200);
    pads.Geraete().VirtuellStick(pad2, -32000, 0);
    WarteBis([] { return false; }, 800);
    pads.Geraete().VirtuellStick(pad2, 0, 0);
    EXPECT_EQ(std::pair(Spieler(1), Spieler(2)), std::pair(start1 + 11, start2 - 2));
    // Pad 1 removed: its player gets nothing until it is back.
    pads.Geraete().VirtuellTrennen(pad1);
    WarteBis([] { return false; }, 30);
    EXPECT_FALSE(f.Panel->Im_Pad[0]->isVisible());
    pad1 = pads.Geraete().VirtuellAnschliessen();
    WarteBis([] { return false; }, 30);
    EXPECT_TRUE(f.Panel->Im_Pad[0]->isVisible());
    // A lays player 1's bomb.
    Halten(pad1, SDL_CONTROLLER_BUTTON_A, 40);
    EXPECT_EQ(p.Feld.KnotenBei(Spieler(1))->Art, zaSpieler1Bombe);
    ASSERT_TRUE(WarteBis([&] { return f.Spiel().LetztesErgebnis() != 0; }, 3000));
    EXPECT_EQ(u.Meldungen.Letzter(), "Spieler 2 hat die letzte Runde gewonnen!");
    f.close();
}

TEST_F(PadTest, SteuerungBindetUndZeigtPadEingaben) {
    TFenster fenster;
    TFrm_Taste taste;
    TFrm_Steuerung st{p, fenster};
    fenster.Taste = &taste, fenster.Steuerung = &st;
    pads.Anmelden();  // the defaults as a connected pad gives them
    pads.Abmelden();
    st.Einrichten(Standardtasten(1), Standardtasten(2));
    EXPECT_EQ(st.Knoepfe[0]->text(), "Pad 1: Steuerkreuz oben");
    // Captured from the pad: X of pad 1 for player 1's throw; then A of pad 1 for player 2's
    // bomb, which player 1 already uses: refused with the key warning.
    const auto druecke = [&](int geraet, int knopf) {
        u.Antworten.push_back([this, geraet, knopf](QDialog& d) {
            pads.Geraete().VirtuellKnopf(geraet, knopf, true);
            pads.Abfrage();
            pads.Geraete().VirtuellKnopf(geraet, knopf, false);
            pads.Abfrage();
            return d.result();
        });
    };
    druecke(pad1, SDL_CONTROLLER_BUTTON_X);
    st.Knoepfe[5]->click();
    EXPECT_EQ(st.Knoepfe[5]->text(), "Pad 1: X");
    st.CB_Spieler->setCurrentText("Spieler 2");
    druecke(pad1, SDL_CONTROLLER_BUTTON_A);
    st.Knoepfe[4]->click();
    EXPECT_TRUE(u.Meldungen.Letzter().starts_with("Die Taste wird schon verwendet."));
    EXPECT_EQ(st.Knoepfe[4]->text(), "Pad 2: A");
    // OK keeps the bindings as the player's preference; the file's keys are as before.
    st.Btn_OKClick();
    EXPECT_EQ(PadBelegungLesen().Spieler[0][5], (std::vector<TPadEingabe>{{1, TPadArt::Knopf, 2}}));
    EXPECT_EQ(st.Ergebnis(1), Standardtasten(1));
}
