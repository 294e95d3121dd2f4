#include "ui/UTaste.h"

#include <gtest/gtest.h>

#include <QKeyEvent>

namespace {

// Qt key, modifiers, native scan code (0: none), expected virtual-key code.
struct TFall {
    int taste;
    Qt::KeyboardModifiers mod;
    quint32 scan;
    int code;
};

void Pruefe(std::initializer_list<TFall> faelle) {
    for (const TFall& f : faelle) {
        const QKeyEvent e(QEvent::KeyPress, f.taste, f.mod, f.scan, 0, 0);
        EXPECT_EQ(VirtuellerTastencode(e), f.code) << std::hex << f.taste << " scan " << f.scan;
    }
}

}  // namespace

TEST(UTaste, QtTasteZuWindowsTastencode) {
    using namespace Qt;
    constexpr auto N = NoModifier, S = ShiftModifier, C = ControlModifier, A = AltModifier,
                   K = KeypadModifier;
    // clang-format off
    // Letters (Shift does not change them), digits, control and navigation keys.
    Pruefe({{Key_W, N, 0, 87}, {Key_A, S, 0, 65}, {Key_9, N, 0, 57}, {Key_Space, N, 0, 32},
            {Key_Backtab, S, 0, 9}, {Key_Return, N, 0, 13}, {Key_Escape, N, 0, 27},
            {Key_Home, N, 0, 36}, {Key_Left, N, 0, 37}, {Key_Down, N, 0, 40}, {Key_F12, N, 0, 123},
            {Key_unknown, N, 0, 0}});
    // Left and right Ctrl and AltGr are all Ctrl, as on Windows; the right Alt of a US layout
    // stays Alt.
    Pruefe({{Key_Shift, S, 0, 16}, {Key_Control, C, 0, 17}, {Key_Control, C, 105, 17},
            {Key_AltGr, N, 0, 17}, {Key_AltGr, N, 108, 17}, {Key_Alt, A, 0, 18},
            {Key_Alt, A, 108, 18}});
    // Number pad with NumLock, and without it (navigation keys). Its scan code must not turn it
    // into a main-block key.
    Pruefe({{Key_0, K, 0, 96}, {Key_8, K, 80, 104}, {Key_Asterisk, K, 0, 106}, {Key_Comma, K, 0, 110},
            {Key_Enter, K, 0, 13}, {Key_Up, K, 0, 38}, {Key_Clear, K, 0, 12}});
    // The German keys; Shift and AltGr change the character, not the key.
    Pruefe({{Key_Udiaeresis, N, 0, 186}, {Key_Odiaeresis, N, 0, 192}, {Key_ssharp, N, 0, 219},
            {Key_NumberSign, N, 0, 191}, {Key_Less, N, 0, 226}, {Key_Dead_Acute, N, 0, 221},
            {Key_Dead_Circumflex, N, 0, 220}, {Key_Asterisk, S, 0, 187}, {Key_Underscore, S, 0, 189},
            {Key_Question, S, 0, 219}, {Key_Exclam, S, 0, '1'}, {Key_At, N, 0, 'Q'}});
    // The scan code wins over the character (a German keyboard under a US layout), but letters
    // follow the layout; an unknown scan code falls back to the character.
    Pruefe({{Key_BracketLeft, N, 34, 186}, {Key_Apostrophe, N, 48, 222}, {Key_Less, N, 94, 226},
            {Key_Exclam, S, 10, '1'}, {Key_F5, N, 71, 116}, {Key_Space, N, 65, 32},
            {Key_Y, N, 29, 'Y'}, {Key_Plus, N, 250, 187}});
    // clang-format on
}

TEST(UTaste, TastenNameNachTabelle) {
    // clang-format off
    const std::pair<int, const char*> namen[] = {
        {65, "a"}, {122, "z"}, {119, "w"} /* F8 reads like W */, {17, "Strg / Alt Gr"},
        {160, "Space"}, {49, "1 / Seite nach oben"}, {38, "6 / Pfeil nach oben"},
        {123, "7 / Pfeil nach rechts"}, {91, "8 / Pfeil nach unten"}, {126, "+"}, {92, "?"},
        {198, "-"}, {191, "#"}, {219, "ß"}, {221, "´"}, {222, "ä"},
        {0, ""}, {9, ""}, {125, ""}, {189, ""}, {226, ""}, {256, ""}, {65535, ""}};
    // clang-format on
    for (const auto& [code, name] : namen) EXPECT_EQ(TastenName(std::uint16_t(code)), name) << code;
}
