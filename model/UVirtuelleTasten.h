// Keys as the game stores them: Windows virtual-key codes, which settings files and recordings
// keep. Letters and digits are their ASCII capitals, 'A' .. 'Z' and '0' .. '9'.
#pragma once

#include <cstdint>

inline constexpr std::uint16_t vkBack = 8, vkTab = 9, vkClear = 12, vkReturn = 13;
inline constexpr std::uint16_t vkShift = 16, vkControl = 17, vkMenu = 18, vkPause = 19,
                               vkCapital = 20;
inline constexpr std::uint16_t vkEscape = 27, vkSpace = 32;
inline constexpr std::uint16_t vkPrior = 33, vkNext = 34, vkEnd = 35, vkHome = 36;
inline constexpr std::uint16_t vkLeft = 37, vkUp = 38, vkRight = 39, vkDown = 40;
inline constexpr std::uint16_t vkSnapshot = 44, vkInsert = 45, vkDelete = 46;
inline constexpr std::uint16_t vkLWin = 91, vkRWin = 92, vkApps = 93;
// The number pad with NumLock on.
inline constexpr std::uint16_t vkNumpad0 = 96, vkMultiply = 106, vkAdd = 107, vkSubtract = 109,
                               vkDecimal = 110, vkDivide = 111;
// F1 .. F24 follow each other.
inline constexpr std::uint16_t vkF1 = 112, vkF11 = vkF1 + 10;
inline constexpr std::uint16_t vkNumLock = 144, vkScroll = 145;
// The punctuation keys of the German layout.
inline constexpr std::uint16_t vkOem1 = 186;       // ü
inline constexpr std::uint16_t vkOemPlus = 187;    // + * ~
inline constexpr std::uint16_t vkOemComma = 188;   // , ;
inline constexpr std::uint16_t vkOemMinus = 189;   // - _
inline constexpr std::uint16_t vkOemPeriod = 190;  // . :
inline constexpr std::uint16_t vkOem2 = 191;       // # '
inline constexpr std::uint16_t vkOem3 = 192;       // ö
inline constexpr std::uint16_t vkOem4 = 219;       // ß ? backslash
inline constexpr std::uint16_t vkOem5 = 220;       // ^ °
inline constexpr std::uint16_t vkOem6 = 221;       // ´ `
inline constexpr std::uint16_t vkOem7 = 222;       // ä
inline constexpr std::uint16_t vkOem102 = 226;     // < > |
