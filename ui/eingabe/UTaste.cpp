#include "ui/eingabe/UTaste.h"

#include <QGuiApplication>
#include <QKeyEvent>

namespace {

// Windows virtual-key codes used below.
enum : std::uint16_t {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_CLEAR = 12,
    VK_RETURN = 13,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_PAUSE = 19,
    VK_CAPITAL = 20,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_LEFT = 37,
    VK_UP = 38,
    VK_RIGHT = 39,
    VK_DOWN = 40,
    VK_SNAPSHOT = 44,
    VK_INSERT = 45,
    VK_DELETE = 46,
    VK_LWIN = 91,
    VK_RWIN = 92,
    VK_APPS = 93,
    VK_NUMPAD0 = 96,
    VK_MULTIPLY = 106,
    VK_ADD = 107,
    VK_SUBTRACT = 109,
    VK_DECIMAL = 110,
    VK_DIVIDE = 111,
    VK_F1 = 112,
    VK_NUMLOCK = 144,
    VK_SCROLL = 145,
    // The punctuation keys of the German layout.
    VK_OEM_1 = 186,       // ü
    VK_OEM_PLUS = 187,    // + * ~
    VK_OEM_COMMA = 188,   // , ;
    VK_OEM_MINUS = 189,   // - _
    VK_OEM_PERIOD = 190,  // . :
    VK_OEM_2 = 191,       // # '
    VK_OEM_3 = 192,       // ö
    VK_OEM_4 = 219,       // ß ? backslash
    VK_OEM_5 = 220,       // ^ °
    VK_OEM_6 = 221,       // ´ `
    VK_OEM_7 = 222,       // ä
    VK_OEM_102 = 226,     // < > |
};

// Modifier keys: Windows reports one code for the left and the right key; AltGr arrives as Ctrl.
std::uint16_t Modifikatortaste(int k) {
    switch (k) {
        case Qt::Key_Shift:
            return VK_SHIFT;
        case Qt::Key_Control:
        case Qt::Key_AltGr:
            return VK_CONTROL;
        case Qt::Key_Alt:
            return VK_MENU;
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
            return VK_LWIN;
        case Qt::Key_Super_R:
            return VK_RWIN;
        case Qt::Key_CapsLock:
            return VK_CAPITAL;
        case Qt::Key_NumLock:
            return VK_NUMLOCK;
        case Qt::Key_ScrollLock:
            return VK_SCROLL;
        default:
            return 0;
    }
}

// Number pad keys; without NumLock they arrive as the navigation keys, as on Windows.
std::uint16_t Ziffernblock(int k) {
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return std::uint16_t(VK_NUMPAD0 + (k - Qt::Key_0));
    switch (k) {
        case Qt::Key_Asterisk:
            return VK_MULTIPLY;
        case Qt::Key_Plus:
            return VK_ADD;
        case Qt::Key_Minus:
            return VK_SUBTRACT;
        case Qt::Key_Slash:
            return VK_DIVIDE;
        case Qt::Key_Comma:
        case Qt::Key_Period:
            return VK_DECIMAL;
        case Qt::Key_Enter:
        case Qt::Key_Return:
            return VK_RETURN;
        case Qt::Key_Clear:
            return VK_CLEAR;
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
        VK_ESCAPE,
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
        /*  20 */ VK_OEM_4,
        VK_OEM_6,
        VK_BACK,
        VK_TAB,
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
        VK_OEM_1,
        VK_OEM_PLUS,
        VK_RETURN,
        VK_CONTROL,
        'A',
        'S',
        /*  40 */ 'D',
        'F',
        'G',
        'H',
        'J',
        'K',
        'L',
        VK_OEM_3,
        VK_OEM_7,
        VK_OEM_5,
        /*  50 */ VK_SHIFT,
        VK_OEM_2,
        'Y',
        'X',
        'C',
        'V',
        'B',
        'N',
        'M',
        VK_OEM_COMMA,
        /*  60 */ VK_OEM_PERIOD,
        VK_OEM_MINUS,
        VK_SHIFT,
        VK_MULTIPLY,
        VK_MENU,
        VK_SPACE,
        /*  66 */ VK_CAPITAL,
        VK_F1,
        VK_F1 + 1,
        VK_F1 + 2,
        /*  70 */ VK_F1 + 3,
        VK_F1 + 4,
        VK_F1 + 5,
        VK_F1 + 6,
        VK_F1 + 7,
        VK_F1 + 8,
        VK_F1 + 9,
        /*  77 */ VK_NUMLOCK,
        VK_SCROLL,
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
        VK_OEM_102,
        VK_F1 + 10,
        VK_F1 + 11,
        0,
        0,
        0,
        /* 100 */ 0,
        0,
        0,
        0,
        VK_RETURN,
        VK_CONTROL,
        VK_DIVIDE,
        VK_SNAPSHOT,
        VK_CONTROL,
        0,
        /* 110 */ VK_HOME,
        VK_UP,
        VK_PRIOR,
        VK_LEFT,
        VK_RIGHT,
        VK_END,
        VK_DOWN,
        VK_NEXT,
        /* 118 */ VK_INSERT,
        VK_DELETE,
        /* 120 */ 0,
        0,
        0,
        0,
        0,
        0,
        0,
        VK_PAUSE,
        0,
        0,
        /* 130 */ 0,
        0,
        0,
        VK_LWIN,
        VK_RWIN,
        VK_APPS,
    };
    return sc < std::size(tabelle) ? tabelle[sc] : 0;
}

// By the character Qt reports, for platforms without scan codes. Shifted and AltGr characters of
// the German layout give the code of the key that produces them.
std::uint16_t NachQtTaste(int k) {
    if (k >= Qt::Key_A && k <= Qt::Key_Z) return std::uint16_t(k);
    if (k >= Qt::Key_0 && k <= Qt::Key_9) return std::uint16_t(k);
    if (k >= Qt::Key_F1 && k <= Qt::Key_F24) return std::uint16_t(VK_F1 + (k - Qt::Key_F1));
    switch (k) {
        case Qt::Key_Space:
            return VK_SPACE;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return VK_TAB;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return VK_RETURN;
        case Qt::Key_Escape:
            return VK_ESCAPE;
        case Qt::Key_Backspace:
            return VK_BACK;
        case Qt::Key_Pause:
            return VK_PAUSE;
        case Qt::Key_Insert:
            return VK_INSERT;
        case Qt::Key_Delete:
            return VK_DELETE;
        case Qt::Key_Home:
            return VK_HOME;
        case Qt::Key_End:
            return VK_END;
        case Qt::Key_PageUp:
            return VK_PRIOR;
        case Qt::Key_PageDown:
            return VK_NEXT;
        case Qt::Key_Left:
            return VK_LEFT;
        case Qt::Key_Up:
            return VK_UP;
        case Qt::Key_Right:
            return VK_RIGHT;
        case Qt::Key_Down:
            return VK_DOWN;
        case Qt::Key_Print:
            return VK_SNAPSHOT;
        case Qt::Key_Clear:
            return VK_CLEAR;
        case Qt::Key_Menu:
            return VK_APPS;
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
            return VK_OEM_1;
        case Qt::Key_Plus:
        case Qt::Key_Asterisk:
        case Qt::Key_AsciiTilde:
        case Qt::Key_Dead_Tilde:
            return VK_OEM_PLUS;
        case Qt::Key_Comma:
        case Qt::Key_Semicolon:
            return VK_OEM_COMMA;
        case Qt::Key_Minus:
        case Qt::Key_Underscore:
            return VK_OEM_MINUS;
        case Qt::Key_Period:
        case Qt::Key_Colon:
            return VK_OEM_PERIOD;
        case Qt::Key_NumberSign:
        case Qt::Key_Apostrophe:
            return VK_OEM_2;
        case Qt::Key_Odiaeresis:
            return VK_OEM_3;
        case Qt::Key_ssharp:
        case Qt::Key_Question:
        case Qt::Key_Backslash:
            return VK_OEM_4;
        case Qt::Key_AsciiCircum:
        case Qt::Key_Dead_Circumflex:
        case Qt::Key_degree:
            return VK_OEM_5;
        case Qt::Key_acute:
        case Qt::Key_Dead_Acute:
        case Qt::Key_QuoteLeft:
        case Qt::Key_Dead_Grave:
            return VK_OEM_6;
        case Qt::Key_Adiaeresis:
            return VK_OEM_7;
        case Qt::Key_Less:
        case Qt::Key_Greater:
        case Qt::Key_Bar:
            return VK_OEM_102;
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

std::string TastenName(std::uint16_t code) {
    if ((code >= 65 && code <= 90) || (code >= 97 && code <= 122)) {
        const int i = code >= 97 ? code - 97 : code - 65;
        return std::string(1, char('a' + i));
    }
    switch (code) {
        case 8:
            return "löschen";
        case 13:
            return "Return";
        case 16:
            return "Shift";
        case 17:
            return "Strg / Alt Gr";
        case 18:
            return "Alt";
        case 19:
            return "Pause";
        case 20:
            return "Shiftlock";
        case 27:
            return "Esc";
        case 32:
        case 160:
            return "Space";
        case 33:
        case 49:
            return "1 / Seite nach oben";
        case 34:
        case 50:
            return "2 / Seite nach unten";
        case 35:
            return "Ende";
        case 36:
            return "Pos1";
        case 37:
        case 53:
            return "5 / Pfeil nach links";
        case 38:
        case 54:
            return "6 / Pfeil nach oben";
        case 39:
        case 55:
        case 123:
            return "7 / Pfeil nach rechts";
        case 40:
        case 56:
        case 91:
            return "8 / Pfeil nach unten";
        case 41:
        case 57:
        case 93:
            return "9";
        case 42:
            return "*";
        case 43:
        case 126:
        case 187:
            return "+";
        case 44:
        case 188:
            return ",";
        case 45:
            return "Einfg";
        case 46:
            return "Entf";
        case 47:
            return "/";
        case 48:
        case 61:
            return "0";
        case 51:
            return "3";
        case 52:
            return "4";
        case 58:
            return ":";
        case 59:
            return ";";
        case 60:
        case 62:
        case 124:
            return "<";
        case 63:
        case 92:
            return "?";
        case 64:
            return "@";
        case 94:
            return "^";
        case 95:
        case 198:
            return "-";
        case 96:
        case 191:
            return "#";
        case 144:
            return "Numlock";
        case 186:
            return "ü";
        case 190:
            return ".";
        case 192:
            return "ö";
        case 219:
            return "ß";
        case 221:
            return "´";
        case 222:
            return "ä";
        default:
            return "";
    }
}
