// Key presses as the game stores them: the Windows virtual-key code of a Qt key event.
#pragma once

#include <Qt>
#include <cstdint>

class QKeyEvent;

// The virtual-key code that a German Windows keyboard would deliver for this key press; 0 when
// the key has none. Settings files keep these codes, so they must not depend on the toolkit.
std::uint16_t VirtuellerTastencode(const QKeyEvent& e);

// The same from the parts of a key event: Qt key, modifiers and the native scan code
// (an XKB keycode on X11 and Wayland, 0 when the platform gives none).
std::uint16_t VirtuellerTastencode(int qtTaste, Qt::KeyboardModifiers modifikatoren,
                                   quint32 scanCode);
