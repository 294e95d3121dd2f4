#include "ui/eingabe/UTastencode.h"

#include <gtest/gtest.h>

#include <linux/input-event-codes.h>

#include <QKeyEvent>
#include <map>
#include <vector>

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

TEST(UTastencode, QtTasteZuWindowsTastencode) {
    using namespace Qt;
    constexpr auto N = NoModifier, S = ShiftModifier, C = ControlModifier, A = AltModifier,
                   K = KeypadModifier;
    // clang-format off
    // Letters (Shift does not change them), digits, control and navigation keys.
    Pruefe({{Key_W, N, 0, 87}, {Key_A, S, 0, 65}, {Key_9, N, 0, 57}, {Key_Space, N, 0, 32},
            {Key_Backtab, S, 0, 9}, {Key_Return, N, 0, 13}, {Key_Escape, N, 0, 27},
            {Key_Home, N, 0, 36}, {Key_Left, N, 0, 37}, {Key_Down, N, 0, 40}, {Key_F12, N, 0, 123},
            {Key_unknown, N, 0, 0}, {Key_Tab, N, 0, 9}, {Key_Enter, N, 0, 13},
            {Key_Backspace, N, 0, 8}, {Key_Pause, N, 0, 19}, {Key_Insert, N, 0, 45},
            {Key_Delete, N, 0, 46}, {Key_End, N, 0, 35}, {Key_PageUp, N, 0, 33},
            {Key_PageDown, N, 0, 34}, {Key_Up, N, 0, 38}, {Key_Right, N, 0, 39},
            {Key_Print, N, 0, 44}, {Key_Clear, N, 0, 12}, {Key_Menu, N, 0, 93}});
    // Left and right Ctrl and AltGr are all Ctrl, as on Windows; the right Alt of a US layout
    // stays Alt. Every other modifier and lock key.
    Pruefe({{Key_Shift, S, 0, 16}, {Key_Control, C, 0, 17}, {Key_Control, C, 105, 17},
            {Key_AltGr, N, 0, 17}, {Key_AltGr, N, 108, 17}, {Key_Alt, A, 0, 18},
            {Key_Alt, A, 108, 18}, {Key_Meta, N, 0, 91}, {Key_Super_L, N, 0, 91},
            {Key_Super_R, N, 0, 92}, {Key_CapsLock, N, 0, 20}, {Key_NumLock, N, 0, 144},
            {Key_ScrollLock, N, 0, 145}});
    // Number pad with NumLock, and without it (navigation keys). Its scan code must not turn it
    // into a main-block key.
    Pruefe({{Key_0, K, 0, 96}, {Key_8, K, 80, 104}, {Key_Asterisk, K, 0, 106}, {Key_Plus, K, 0, 107},
            {Key_Minus, K, 0, 109}, {Key_Comma, K, 0, 110}, {Key_Slash, K, 0, 111},
            {Key_Enter, K, 0, 13}, {Key_Up, K, 0, 38}, {Key_Clear, K, 0, 12}});
    // The scan code wins over the character (a German keyboard under a US layout), but letters
    // follow the layout; an unknown scan code falls back to the character.
    Pruefe({{Key_BracketLeft, N, 34, 186}, {Key_F5, N, 71, 116}, {Key_Y, N, 29, 'Y'},
            {Key_Plus, N, 250, 187}, {Key_Dead_Acute, N, 0, 221}, {Key_Dead_Circumflex, N, 0, 220}});
    // clang-format on
}

TEST(UTastencode, JedesZeichenDerDeutschenTastaturNachSeinerTaste) {
    // Every character printed on a German keyboard, also with Shift or AltGr, gives its key.
    // clang-format off
    const std::pair<int, const char*> tasten[] = {{220, "^°"}, {'1', "1!"}, {'2', "2\"²"},
        {'3', "3§³"}, {'4', "4$"}, {'5', "5%"}, {'6', "6&"}, {'7', "7/{"}, {'8', "8(["}, {'9', "9)]"},
        {'0', "0=}"}, {219, "ß?\\"}, {221, "´`"}, {'Q', "Q@"}, {'E', "E€"}, {186, "Ü"}, {187, "+*~"},
        {192, "Ö"}, {222, "Ä"}, {191, "#'"}, {226, "<>|"}, {'M', "Mµ"}, {188, ",;"}, {190, ".:"},
        {189, "-_"}};
    // clang-format on
    for (const auto& [code, zeichen] : tasten)
        for (const QChar c : QString::fromUtf8(zeichen))
            EXPECT_EQ(VirtuellerTastencode(c.unicode(), {}, 0), code) << int(c.unicode());
}

TEST(UTastencode, JederScanCodeDerDeutschenTastatur) {
    // Runs of Linux key codes (XKB: 8 more) and the Windows code of the key in each place of a
    // German keyboard, row by row from Esc to Scroll Lock; all other codes have none.
    // clang-format off
    const std::pair<int, std::vector<int>> laeufe[] = {
        {KEY_ESC, {27, '1', '2', '3', '4', '5', '6', '7', '8', '9', '0', 219, 221, 8,
                   9, 'Q', 'W', 'E', 'R', 'T', 'Z', 'U', 'I', 'O', 'P', 186, 187, 13,
                   17, 'A', 'S', 'D', 'F', 'G', 'H', 'J', 'K', 'L', 192, 222, 220,
                   16, 191, 'Y', 'X', 'C', 'V', 'B', 'N', 'M', 188, 190, 189, 16, 106, 18, 32,
                   20, 112, 113, 114, 115, 116, 117, 118, 119, 120, 121, 144, 145}},
        {KEY_102ND, {226, 122, 123}}, {KEY_KPENTER, {13, 17, 111, 44, 17}},
        {KEY_HOME, {36, 38, 33, 37, 39, 35, 40, 34, 45, 46}}, {KEY_PAUSE, {19}},
        {KEY_LEFTMETA, {91, 92, 93}}};
    // clang-format on
    std::map<int, int> soll;
    for (const auto& [anfang, codes] : laeufe)
        for (std::size_t i = 0; i < codes.size(); ++i) soll[anfang + int(i) + 8] = codes[i];
    for (int sc = 1; sc < 300; ++sc)
        EXPECT_EQ(VirtuellerTastencode(Qt::Key_unknown, Qt::NoModifier, quint32(sc)), soll[sc])
            << sc;
}
