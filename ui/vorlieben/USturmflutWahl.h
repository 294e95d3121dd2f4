// After how many minutes of a round the storm flood comes: 0 ("aus", the default) or 1 to 10.
// A preference of this user kept across restarts, as the computers are; the settings file, whose
// layout is fixed, never holds it.
#pragma once

#include <cstdint>

std::uint8_t SturmflutWahlLesen();
void SturmflutWahlSpeichern(std::uint8_t minuten);
