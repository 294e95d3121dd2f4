#include "ui/eingabe/UTastenname.h"

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
