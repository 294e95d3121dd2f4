#include "ui/eingabe/UTastencode.h"

#include <QGuiApplication>
#include <QKeyEvent>

#include "model/UVirtuelleTasten.h"

namespace {

// Modifier keys: Windows reports one code for the left and the right key; AltGr arrives as Ctrl.
std::uint16_t Modifikatortaste(int k) {
    switch (k) {
        case Qt::Key_Shift:
            return vkShift;
        case Qt::Key_Control:
        case Qt::Key_AltGr:
            return vkControl;
        case Qt::Key_Alt:
            return vkMenu;
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
            return vkLWin;
        case Qt::Key_Super_R:
            return vkRWin;
        case Qt::Key_CapsLock:
            return vkCapital;
        case Qt::Key_NumLock:
            return vkNumLock;
        case Qt::Key_ScrollLock:
            return vkScroll;
        default:
            return 0;
    }
}

// Number pad keys; without NumLock they arrive as the navigation keys, as on Windows.
std::uint16_t Ziffernblock(int k) {
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return std::uint16_t(vkNumpad0 + (k - Qt::Key_0));
    switch (k) {
        case Qt::Key_Asterisk:
            return vkMultiply;
        case Qt::Key_Plus:
            return vkAdd;
        case Qt::Key_Minus:
            return vkSubtract;
        case Qt::Key_Slash:
            return vkDivide;
        case Qt::Key_Comma:
        case Qt::Key_Period:
            return vkDecimal;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            return vkReturn;
        case Qt::Key_Clear:
            return vkClear;
        default:
            return 0;  // navigation keys: the general table
    }
}

// Physical keys by XKB keycode (evdev + 8), named as the German layout names them. Letters and
// the number pad are handled before this table is asked.
std::uint16_t NachScanCode(quint32 sc) {
    static const std::uint16_t tabelle[] = {
        /*   0 */ 0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        vkEscape,
        /*  10 */ '1',
        '2',
        '3',
        '4',
        '5',
        '6',
        '7',
        '8',
        '9',
        '0',
        /*  20 */ vkOem4,
        vkOem6,
        vkBack,
        vkTab,
        'Q',
        'W',
        'E',
        'R',
        'T',
        'Z',
        /*  30 */ 'U',
        'I',
        'O',
        'P',
        vkOem1,
        vkOemPlus,
        vkReturn,
        vkControl,
        'A',
        'S',
        /*  40 */ 'D',
        'F',
        'G',
        'H',
        'J',
        'K',
        'L',
        vkOem3,
        vkOem7,
        vkOem5,
        /*  50 */ vkShift,
        vkOem2,
        'Y',
        'X',
        'C',
        'V',
        'B',
        'N',
        'M',
        vkOemComma,
        /*  60 */ vkOemPeriod,
        vkOemMinus,
        vkShift,
        vkMultiply,
        vkMenu,
        vkSpace,
        /*  66 */ vkCapital,
        vkF1,
        vkF1 + 1,
        vkF1 + 2,
        /*  70 */ vkF1 + 3,
        vkF1 + 4,
        vkF1 + 5,
        vkF1 + 6,
        vkF1 + 7,
        vkF1 + 8,
        vkF1 + 9,
        /*  77 */ vkNumLock,
        vkScroll,
        0,
        /*  80 */ 0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        0,
        /*  90 */ 0,
        0,
        0,
        0,
        vkOem102,
        vkF1 + 10,
        vkF1 + 11,
        0,
        0,
        0,
        /* 100 */ 0,
        0,
        0,
        0,
        vkReturn,
        vkControl,
        vkDivide,
        vkSnapshot,
        vkControl,
        0,
        /* 110 */ vkHome,
        vkUp,
        vkPrior,
        vkLeft,
        vkRight,
        vkEnd,
        vkDown,
        vkNext,
        /* 118 */ vkInsert,
        vkDelete,
        /* 120 */ 0,
        0,
        0,
        0,
        0,
        0,
        0,
        vkPause,
        0,
        0,
        /* 130 */ 0,
        0,
        0,
        vkLWin,
        vkRWin,
        vkApps,
    };
    return sc < std::size(tabelle) ? tabelle[sc] : 0;
}

// By the character Qt reports, for platforms without scan codes. Shifted and AltGr characters of
// the German layout give the code of the key that produces them.
std::uint16_t NachQtTaste(int k) {
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return std::uint16_t(k);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return std::uint16_t(k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return std::uint16_t(vkF1 + (k - Qt::Key_F1));
    switch (k) {
        case Qt::Key_Space:
            return vkSpace;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return vkTab;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return vkReturn;
        case Qt::Key_Escape:
            return vkEscape;
        case Qt::Key_Backspace:
            return vkBack;
        case Qt::Key_Pause:
            return vkPause;
        case Qt::Key_Insert:
            return vkInsert;
        case Qt::Key_Delete:
            return vkDelete;
        case Qt::Key_Home:
            return vkHome;
        case Qt::Key_End:
            return vkEnd;
        case Qt::Key_PageUp:
            return vkPrior;
        case Qt::Key_PageDown:
            return vkNext;
        case Qt::Key_Left:
            return vkLeft;
        case Qt::Key_Up:
            return vkUp;
        case Qt::Key_Right:
            return vkRight;
        case Qt::Key_Down:
            return vkDown;
        case Qt::Key_Print:
            return vkSnapshot;
        case Qt::Key_Clear:
            return vkClear;
        case Qt::Key_Menu:
            return vkApps;
        // Shifted digits of the German layout.
        case Qt::Key_Exclam:
            return '1';
        case Qt::Key_QuoteDbl:
        case Qt::Key_twosuperior:
            return '2';
        case Qt::Key_section:
        case Qt::Key_threesuperior:
            return '3';
        case Qt::Key_Dollar:
            return '4';
        case Qt::Key_Percent:
            return '5';
        case Qt::Key_Ampersand:
            return '6';
        case Qt::Key_Slash:
        case Qt::Key_BraceLeft:
            return '7';
        case Qt::Key_ParenLeft:
        case Qt::Key_BracketLeft:
            return '8';
        case Qt::Key_ParenRight:
        case Qt::Key_BracketRight:
            return '9';
        case Qt::Key_Equal:
        case Qt::Key_BraceRight:
            return '0';
        // AltGr letters.
        case Qt::Key_At:
            return 'Q';
        case 0x20AC:  // the euro sign
            return 'E';
        case Qt::Key_mu:
            return 'M';
        // The punctuation keys.
        case Qt::Key_Udiaeresis:
            return vkOem1;
        case Qt::Key_Plus:
        case Qt::Key_Asterisk:
        case Qt::Key_AsciiTilde:
        case Qt::Key_Dead_Tilde:
            return vkOemPlus;
        case Qt::Key_Comma:
        case Qt::Key_Semicolon:
            return vkOemComma;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return vkOemMinus;
        case Qt::Key_Period:
        case Qt::Key_Colon:
            return vkOemPeriod;
        case Qt::Key_NumberSign:
        case Qt::Key_Apostrophe:
            return vkOem2;
        case Qt::Key_Odiaeresis:
            return vkOem3;
        case Qt::Key_ssharp:
        case Qt::Key_Question:
        case Qt::Key_Backslash:
            return vkOem4;
        case Qt::Key_AsciiCircum:
        case Qt::Key_Dead_Circumflex:
        case Qt::Key_degree:
            return vkOem5;
        case Qt::Key_acute:
        case Qt::Key_Dead_Acute:
        case Qt::Key_QuoteLeft:
        case Qt::Key_Dead_Grave:
            return vkOem6;
        case Qt::Key_Adiaeresis:
            return vkOem7;
        case Qt::Key_Less:
        case Qt::Key_Greater:
        case Qt::Key_Bar:
            return vkOem102;
        default:
            return 0;
    }
}

}  // namespace

std::uint16_t VirtuellerTastencode(int k, Qt::KeyboardModifiers mod, quint32 scanCode) {
    if (const auto m = Modifikatortaste(k)) return m;
    if (mod & Qt::KeypadModifier) {
        if (const auto z = Ziffernblock(k)) return z;
        return NachQtTaste(k);
    }
    // Letters follow the layout (Y and Z swap places between layouts), as on Windows.
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return std::uint16_t(k);
    // Everything else by its physical key, so that Shift, AltGr and dead keys do not change it.
    if (scanCode != 0)
        if (const auto s = NachScanCode(scanCode)) return s;
    return NachQtTaste(k);
}

std::uint16_t VirtuellerTastencode(const QKeyEvent& e) {
    if (QGuiApplication::platformName() == QLatin1String("windows"))
        return std::uint16_t(e.nativeVirtualKey());
    return VirtuellerTastencode(e.key(), e.modifiers(), e.nativeScanCode());
}
