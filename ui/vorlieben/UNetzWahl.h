// What the player last entered for network play, kept across restarts as a preference (the
// settings file, whose layout is fixed, never holds it).
#pragma once

#include <cstdint>
#include <string>

#include "netz/UNetzProtokoll.h"

struct TNetzWahl {
    bool Eroeffnen = true;
    std::string Adresse;
    std::uint16_t Port = kNetzStandardPort;
    std::string Name;
    bool Computer = false;
};

TNetzWahl NetzWahlLesen();
void NetzWahlSpeichern(const TNetzWahl& w);
