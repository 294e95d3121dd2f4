#include "ui/dialoge/USteuerungEinstellungen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>

#include "ui/UiHilfen.h"
#include "ui/eingabe/UTasteFenster.h"

namespace {

enum Slot { Oben, Unten, Links, Rechts, Legen, Werfen };
const std::string kBenutzt = "Die Taste wird schon verwendet. Bitte wählen Sie eine andere aus!";

struct SteuerungTest : ::testing::Test {
    TUiUmgebung u;
    TFenster fenster;
    TFrm_Taste taste;
    TFrm_Steuerung st{*u.Daten, fenster};

    void SetUp() override {
        fenster.Taste = &taste, fenster.Steuerung = &st;
        st.Einrichten(Standardtasten(1), Standardtasten(2));
    }
    // Clicks the key button of a slot and "presses" the key in the capture window; the message
    // it caused, if any.
    std::string Waehle(int slot, std::uint16_t code) {
        u.Meldungen.Leeren();
        u.Antworten.push_back([code](QDialog& d) {
            static_cast<TFrm_Taste&>(d).TastenDruck(code);
            return int(QDialog::Accepted);
        });
        st.Knoepfe[slot]->click();
        return u.Meldungen.Letzter();
    }
    QString Text(int slot) const { return st.Knoepfe[slot]->text(); }
};

}  // namespace

TEST_F(SteuerungTest, KonfliktregelUndNamen) {
    // W is player 1's up key: refused for down, accepted again on up; player 2's Space is
    // refused as well.
    EXPECT_TRUE(Waehle(Unten, 'W') == kBenutzt && Waehle(Oben, 'W').empty());
    EXPECT_TRUE(Waehle(Links, 32) == kBenutzt && st.Arbeitstasten(1) == Standardtasten(1));
    // Player 2: Tab accepted with an empty caption.
    st.CB_Spieler->setCurrentText("Spieler 2");
    EXPECT_EQ(Text(Oben), "6 / Pfeil nach oben");
    EXPECT_TRUE(Waehle(Oben, 9).empty() && Text(Oben).isEmpty());
    // Names shared by codes: F8 reads "w" like W and is free; then W on that button passes as
    // well because the caption already reads "w".
    EXPECT_TRUE(Waehle(Werfen, 119).empty() && Text(Werfen) == "w");
    EXPECT_TRUE(Waehle(Werfen, 'W').empty() && st.Arbeitstasten(2)[Werfen] == 'W');
    // Any other text in the combo: keys are captured but stored nowhere.
    const auto vorher1 = st.Arbeitstasten(1), vorher2 = st.Arbeitstasten(2);
    st.CB_Spieler->setCurrentText("Spieler 3");
    Waehle(Unten, 'Q');
    EXPECT_TRUE(st.Arbeitstasten(1) == vorher1 && st.Arbeitstasten(2) == vorher2);
}

TEST_F(SteuerungTest, StandardwerteOkUndAbbrechen) {
    Waehle(Oben, 'Q');
    EXPECT_EQ(st.Ergebnis(1)[Oben], 'W');  // not taken over before OK
    st.ButtonReset();
    EXPECT_EQ(Text(Oben), "w");
    Waehle(Oben, 'Q');
    st.Btn_OKClick();
    EXPECT_EQ(st.Ergebnis(1)[Oben], 'Q');
    // Setting up again starts from the keys handed over.
    st.Einrichten(Standardtasten(1), Standardtasten(2));
    EXPECT_EQ(st.Ergebnis(1)[Oben], 'W');
}

TEST(TFrm_Taste, JedeTasteZaehltAuchTabUndEsc) {
    TFrm_Taste t;
    // clang-format off
    for (auto [qtTaste, code] : {std::pair{Qt::Key_Tab, 9}, {Qt::Key_Escape, 27},
                                 {Qt::Key_Return, 13}, {Qt::Key_Odiaeresis, 192}}) {
        // clang-format on
        t.show();
        // Taken before any shortcut could act on it.
        QKeyEvent ueber(QEvent::ShortcutOverride, qtTaste, Qt::NoModifier);
        ueber.ignore();
        QApplication::sendEvent(&t, &ueber);
        EXPECT_TRUE(ueber.isAccepted());
        Druecken(&t, qtTaste);
        EXPECT_TRUE(t.Taste() == code && t.result() == QDialog::Accepted) << code;
    }
    // Without a key press the window cannot be closed.
    t.show();
    QCloseEvent zu;
    QApplication::sendEvent(&t, &zu);
    EXPECT_FALSE(zu.isAccepted());
    t.hide();
}
