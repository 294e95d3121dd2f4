#include "ui/UTaste.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace {

std::uint16_t Code(int taste, Qt::KeyboardModifiers mod = Qt::NoModifier, quint32 scan = 0) {
    QKeyEvent e(QEvent::KeyPress, taste, mod, scan, 0, 0);
    return VirtuellerTastencode(e);
}

}  // namespace

TEST(UTaste, BuchstabenZiffernUndSteuertasten) {
    EXPECT_EQ(Code(Qt::Key_W), 87);
    EXPECT_EQ(Code(Qt::Key_A, Qt::ShiftModifier), 65);
    EXPECT_EQ(Code(Qt::Key_Z), 90);
    EXPECT_EQ(Code(Qt::Key_0), 48);
    EXPECT_EQ(Code(Qt::Key_9), 57);
    EXPECT_EQ(Code(Qt::Key_Space), 32);
    EXPECT_EQ(Code(Qt::Key_Tab), 9);
    EXPECT_EQ(Code(Qt::Key_Backtab, Qt::ShiftModifier), 9);
    EXPECT_EQ(Code(Qt::Key_Return), 13);
    EXPECT_EQ(Code(Qt::Key_Escape), 27);
    EXPECT_EQ(Code(Qt::Key_Backspace), 8);
    EXPECT_EQ(Code(Qt::Key_Pause), 19);
    EXPECT_EQ(Code(Qt::Key_Insert), 45);
    EXPECT_EQ(Code(Qt::Key_Delete), 46);
    EXPECT_EQ(Code(Qt::Key_Home), 36);
    EXPECT_EQ(Code(Qt::Key_End), 35);
    EXPECT_EQ(Code(Qt::Key_PageUp), 33);
    EXPECT_EQ(Code(Qt::Key_PageDown), 34);
    EXPECT_EQ(Code(Qt::Key_Left), 37);
    EXPECT_EQ(Code(Qt::Key_Up), 38);
    EXPECT_EQ(Code(Qt::Key_Right), 39);
    EXPECT_EQ(Code(Qt::Key_Down), 40);
    EXPECT_EQ(Code(Qt::Key_F1), 112);
    EXPECT_EQ(Code(Qt::Key_F12), 123);
    EXPECT_EQ(Code(Qt::Key_Shift, Qt::ShiftModifier), 16);
    EXPECT_EQ(Code(Qt::Key_Control, Qt::ControlModifier), 17);
    EXPECT_EQ(Code(Qt::Key_AltGr), 17);
    EXPECT_EQ(Code(Qt::Key_Alt, Qt::AltModifier), 18);
    EXPECT_EQ(Code(Qt::Key_unknown), 0);
}

TEST(UTaste, ZiffernblockMitUndOhneNumLock) {
    EXPECT_EQ(Code(Qt::Key_0, Qt::KeypadModifier), 96);
    EXPECT_EQ(Code(Qt::Key_8, Qt::KeypadModifier), 104);
    EXPECT_EQ(Code(Qt::Key_Asterisk, Qt::KeypadModifier), 106);
    EXPECT_EQ(Code(Qt::Key_Plus, Qt::KeypadModifier), 107);
    EXPECT_EQ(Code(Qt::Key_Minus, Qt::KeypadModifier), 109);
    EXPECT_EQ(Code(Qt::Key_Comma, Qt::KeypadModifier), 110);
    EXPECT_EQ(Code(Qt::Key_Slash, Qt::KeypadModifier), 111);
    EXPECT_EQ(Code(Qt::Key_Enter, Qt::KeypadModifier), 13);
    // NumLock off: the pad's keys are navigation keys, as on Windows.
    EXPECT_EQ(Code(Qt::Key_Up, Qt::KeypadModifier), 38);
    EXPECT_EQ(Code(Qt::Key_Insert, Qt::KeypadModifier), 45);
    EXPECT_EQ(Code(Qt::Key_Clear, Qt::KeypadModifier), 12);
    // The scan code of the pad must not turn it into a main-block key.
    EXPECT_EQ(Code(Qt::Key_8, Qt::KeypadModifier, 80), 104);
}

TEST(UTaste, DeutscheSonderzeichenAuchMitUmschaltUndAltGr) {
    EXPECT_EQ(Code(Qt::Key_Udiaeresis), 186);
    EXPECT_EQ(Code(Qt::Key_Odiaeresis), 192);
    EXPECT_EQ(Code(Qt::Key_Adiaeresis), 222);
    EXPECT_EQ(Code(Qt::Key_ssharp), 219);
    EXPECT_EQ(Code(Qt::Key_NumberSign), 191);
    EXPECT_EQ(Code(Qt::Key_Plus), 187);
    EXPECT_EQ(Code(Qt::Key_Comma), 188);
    EXPECT_EQ(Code(Qt::Key_Minus), 189);
    EXPECT_EQ(Code(Qt::Key_Period), 190);
    EXPECT_EQ(Code(Qt::Key_Less), 226);
    EXPECT_EQ(Code(Qt::Key_Dead_Acute), 221);
    EXPECT_EQ(Code(Qt::Key_Dead_Circumflex), 220);
    // Shift and AltGr change the character, not the key.
    EXPECT_EQ(Code(Qt::Key_Asterisk, Qt::ShiftModifier), 187);
    EXPECT_EQ(Code(Qt::Key_Semicolon, Qt::ShiftModifier), 188);
    EXPECT_EQ(Code(Qt::Key_Underscore, Qt::ShiftModifier), 189);
    EXPECT_EQ(Code(Qt::Key_Colon, Qt::ShiftModifier), 190);
    EXPECT_EQ(Code(Qt::Key_Greater, Qt::ShiftModifier), 226);
    EXPECT_EQ(Code(Qt::Key_Question, Qt::ShiftModifier), 219);
    EXPECT_EQ(Code(Qt::Key_Exclam, Qt::ShiftModifier), '1');
    EXPECT_EQ(Code(Qt::Key_Equal, Qt::ShiftModifier), '0');
    EXPECT_EQ(Code(Qt::Key_At), 'Q');
    EXPECT_EQ(Code(Qt::Key_BracketLeft), '8');
}

TEST(UTaste, ScanCodeGehtVorZeichenAberNichtVorBuchstaben) {
    // A German keyboard under a US layout: the key right of "p" reports "[" but is "ü".
    EXPECT_EQ(Code(Qt::Key_BracketLeft, Qt::NoModifier, 34), 186);
    EXPECT_EQ(Code(Qt::Key_Apostrophe, Qt::NoModifier, 48), 222);
    EXPECT_EQ(Code(Qt::Key_Less, Qt::NoModifier, 94), 226);
    EXPECT_EQ(Code(Qt::Key_Exclam, Qt::ShiftModifier, 10), '1');
    EXPECT_EQ(Code(Qt::Key_F5, Qt::NoModifier, 71), 116);
    EXPECT_EQ(Code(Qt::Key_Space, Qt::NoModifier, 65), 32);
    // Letters follow the layout: the key at scan code 29 is "y" under US, "z" under German.
    EXPECT_EQ(Code(Qt::Key_Y, Qt::NoModifier, 29), 'Y');
    // Right Ctrl and AltGr by scan code are Ctrl; the right Alt of a US layout stays Alt.
    EXPECT_EQ(Code(Qt::Key_Control, Qt::ControlModifier, 105), 17);
    EXPECT_EQ(Code(Qt::Key_AltGr, Qt::NoModifier, 108), 17);
    EXPECT_EQ(Code(Qt::Key_Alt, Qt::AltModifier, 108), 18);
    // An unknown scan code falls back to the character.
    EXPECT_EQ(Code(Qt::Key_Plus, Qt::NoModifier, 250), 187);
}

TEST(UTaste, TastenNameNachTabelle) {
    EXPECT_EQ(TastenName(65), "a");
    EXPECT_EQ(TastenName(97), "a");
    EXPECT_EQ(TastenName(90), "z");
    EXPECT_EQ(TastenName(122), "z");
    EXPECT_EQ(TastenName(87), "w");
    EXPECT_EQ(TastenName(119), "w");  // F8 shares the name of W
    EXPECT_EQ(TastenName(8), "löschen");
    EXPECT_EQ(TastenName(17), "Strg / Alt Gr");
    EXPECT_EQ(TastenName(32), "Space");
    EXPECT_EQ(TastenName(160), "Space");
    EXPECT_EQ(TastenName(33), "1 / Seite nach oben");
    EXPECT_EQ(TastenName(49), "1 / Seite nach oben");
    EXPECT_EQ(TastenName(37), "5 / Pfeil nach links");
    EXPECT_EQ(TastenName(38), "6 / Pfeil nach oben");
    EXPECT_EQ(TastenName(123), "7 / Pfeil nach rechts");
    EXPECT_EQ(TastenName(91), "8 / Pfeil nach unten");
    EXPECT_EQ(TastenName(93), "9");
    EXPECT_EQ(TastenName(126), "+");
    EXPECT_EQ(TastenName(187), "+");
    EXPECT_EQ(TastenName(61), "0");
    EXPECT_EQ(TastenName(124), "<");
    EXPECT_EQ(TastenName(92), "?");
    EXPECT_EQ(TastenName(198), "-");
    EXPECT_EQ(TastenName(96), "#");
    EXPECT_EQ(TastenName(191), "#");
    EXPECT_EQ(TastenName(186), "ü");
    EXPECT_EQ(TastenName(192), "ö");
    EXPECT_EQ(TastenName(219), "ß");
    EXPECT_EQ(TastenName(221), "´");
    EXPECT_EQ(TastenName(222), "ä");
    EXPECT_EQ(TastenName(144), "Numlock");
    // Codes without a name.
    for (int c : {0,   7,   9,   12,  14,  15,  21,  26,  28,  31,  125, 127, 143, 145,
                  159, 161, 185, 189, 193, 197, 199, 218, 220, 223, 226, 255, 256, 65535})
        EXPECT_EQ(TastenName(std::uint16_t(c)), "") << c;
}

TEST(UTaste, StandardtastenUndNamenPassenZusammen) {
    // The default keys of both players come out of the mapping as stored in the settings.
    EXPECT_EQ(Code(Qt::Key_W), 0x57);
    EXPECT_EQ(Code(Qt::Key_E), 0x45);
    EXPECT_EQ(Code(Qt::Key_Up), 0x26);
    EXPECT_EQ(Code(Qt::Key_Space), 0x20);
    EXPECT_EQ(Code(Qt::Key_Control, Qt::ControlModifier), 0x11);
    // Named German keys keep their names through the mapping.
    EXPECT_EQ(TastenName(Code(Qt::Key_Udiaeresis)), "ü");
    EXPECT_EQ(TastenName(Code(Qt::Key_NumberSign)), "#");
    EXPECT_EQ(TastenName(Code(Qt::Key_Comma)), ",");
    EXPECT_EQ(TastenName(Code(Qt::Key_Dead_Acute)), "´");
}
