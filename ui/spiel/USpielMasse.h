// The match window's design positions, shared by its parts; only the left edge of the status
// panel follows the board.
#pragma once

inline constexpr int kFeldLinks = 10, kFeldOben = 8;
inline constexpr int kSpielOben = 8, kSpielHoehe = 81;
inline constexpr int kSpielerOben = 97, kSpielerHoehe = 345;
inline constexpr int kPanelBreite = 223;
inline constexpr int kKnopfOben = 450, kKnopfBreite = 97, kKnopfHoehe = 25;
inline constexpr int kTempOben = 480;
// A network match's chat, below its status line.
inline constexpr int kChatOben = kTempOben + 40;
// Lines of it shown: the newest line, 100 of the widest characters, fits whole.
inline constexpr int kChatAnzeigeZeilen = 8;
inline constexpr int kMinBreite = kFeldLinks + 100 + 10 + kPanelBreite + 15;
