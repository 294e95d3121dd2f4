// The names the controls show for stored key codes.
#pragma once

#include <cstdint>
#include <string>

// Display name of a key code; empty for codes without one.
std::string TastenName(std::uint16_t code);
