#include "ui/USteuerungEinstellungen.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>

#include "UiHilfen.h"
#include "ui/UTasteFenster.h"

namespace {

enum Slot { Oben, Unten, Links, Rechts, Legen, Werfen };
const std::string kBenutzt = "Die Taste wird schon verwendet. Bitte wählen Sie eine andere aus!";

struct SteuerungTest : ::testing::Test {
    TUiUmgebung u;
    TFenster fenster;
    TFrm_Taste taste;
    TFrm_Steuerung st{*u.Daten, fenster};

    void SetUp() override {
        fenster.Taste = &taste;
        fenster.Steuerung = &st;
        st.Einrichten(Standardtasten(1), Standardtasten(2));
    }
    // Clicks the key button of a slot and "presses" the key in the capture window.
    void Waehle(int slot, std::uint16_t code) {
        u.Antworten.push_back([code](QDialog& d) {
            static_cast<TFrm_Taste&>(d).TastenDruck(code);
            return int(QDialog::Accepted);
        });
        st.Knoepfe[slot]->click();
    }
    QString Text(int slot) const { return st.Knoepfe[slot]->text(); }
};

}  // namespace

TEST_F(SteuerungTest, KonfliktregelUndNamen) {
    EXPECT_EQ(Text(Oben), "w");
    EXPECT_EQ(Text(Legen), "e");
    // W is player 1's up key: refused for down.
    Waehle(Unten, 'W');
    EXPECT_EQ(u.Meldungen.Letzter(), kBenutzt);
    EXPECT_EQ(Text(Unten), "s");
    EXPECT_EQ(st.Arbeitstasten(1)[Unten], 'S');
    // W again on up, which shows "w", is accepted.
    u.Meldungen.Leeren();
    Waehle(Oben, 'W');
    EXPECT_TRUE(u.Meldungen.Eintraege.empty());
    EXPECT_EQ(st.Arbeitstasten(1)[Oben], 'W');
    // A key of player 2 is refused for player 1 as well.
    Waehle(Links, 32);
    EXPECT_EQ(u.Meldungen.Letzter(), kBenutzt);
    EXPECT_EQ(st.Arbeitstasten(1)[Links], 'A');

    // Player 2: arrow left (on "left") refused for "up"; Tab accepted with an empty caption.
    st.CB_Spieler->setCurrentText("Spieler 2");
    EXPECT_EQ(Text(Oben), "6 / Pfeil nach oben");
    u.Meldungen.Leeren();
    Waehle(Oben, 37);
    EXPECT_EQ(u.Meldungen.Letzter(), kBenutzt);
    Waehle(Oben, 9);
    EXPECT_EQ(Text(Oben), "");
    EXPECT_EQ(st.Arbeitstasten(2)[Oben], 9);

    // Names shared by codes: F8 is "w" like W; free, so accepted for player 2's throw slot, and
    // then W on that button passes as well because the caption already reads "w".
    Waehle(Werfen, 119);
    EXPECT_EQ(Text(Werfen), "w");
    u.Meldungen.Leeren();
    Waehle(Werfen, 'W');
    EXPECT_TRUE(u.Meldungen.Eintraege.empty());
    EXPECT_EQ(st.Arbeitstasten(2)[Werfen], 'W');
    EXPECT_EQ(st.Arbeitstasten(1)[Oben], 'W');

    // Any other text in the combo: keys are captured but stored nowhere.
    const auto vorher1 = st.Arbeitstasten(1), vorher2 = st.Arbeitstasten(2);
    st.CB_Spieler->setEditText("Spieler 3");
    EXPECT_EQ(Text(Oben), "");  // the buttons stay as they were
    Waehle(Unten, 'Q');
    EXPECT_EQ(st.Arbeitstasten(1), vorher1);
    EXPECT_EQ(st.Arbeitstasten(2), vorher2);
}

TEST_F(SteuerungTest, StandardwerteOkUndAbbrechen) {
    Waehle(Oben, 'Q');
    EXPECT_EQ(Text(Oben), "q");
    // Not taken over before OK.
    EXPECT_EQ(st.Ergebnis(1)[Oben], 'W');
    st.ButtonReset();
    EXPECT_EQ(Text(Oben), "w");
    EXPECT_EQ(st.Arbeitstasten(1), Standardtasten(1));
    EXPECT_EQ(st.Arbeitstasten(2), Standardtasten(2));
    EXPECT_EQ(st.Ergebnis(1), Standardtasten(1));

    Waehle(Oben, 'Q');
    st.Btn_OKClick();
    EXPECT_EQ(st.Ergebnis(1)[Oben], 'Q');
    // Setting up again starts from the keys handed over.
    st.Einrichten(Standardtasten(1), Standardtasten(2));
    EXPECT_EQ(Text(Oben), "w");
    EXPECT_EQ(st.Ergebnis(1)[Oben], 'W');
}

TEST(TFrm_Taste, JedeTasteZaehltAuchTabUndEsc) {
    TFrm_Taste t;
    EXPECT_EQ(t.Taste(), 0);
    EXPECT_TRUE(t.testAttribute(Qt::WA_WState_Hidden));
    for (auto [qtTaste, mod, code] : std::vector<std::tuple<int, Qt::KeyboardModifiers, int>>{
             {Qt::Key_Tab, Qt::NoModifier, 9},
             {Qt::Key_Escape, Qt::NoModifier, 27},
             {Qt::Key_Control, Qt::ControlModifier, 17},
             {Qt::Key_Return, Qt::NoModifier, 13},
             {Qt::Key_Odiaeresis, Qt::NoModifier, 192}}) {
        t.show();
        QKeyEvent druck(QEvent::KeyPress, qtTaste, mod);
        QApplication::sendEvent(&t, &druck);
        EXPECT_EQ(t.Taste(), code);
        EXPECT_FALSE(t.isVisible());
        EXPECT_EQ(t.result(), QDialog::Accepted);
    }
    // Without a key press the window cannot be closed.
    t.show();
    QCloseEvent zu;
    QApplication::sendEvent(&t, &zu);
    EXPECT_FALSE(zu.isAccepted());
    t.hide();
}
