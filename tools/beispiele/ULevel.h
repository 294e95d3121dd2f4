// A sample level as its map gives it, and what is made of it: the level's three files and a small
// picture for the README.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/UPointer.h"

struct TLevelPlan {
    // Spielfelder/Datei.dat and docs/level/Datei.png.
    std::string Datei;
    std::string Name;
    std::uint16_t EinzelBreite = 40, EinzelHoehe = 40;
    std::uint32_t Farbe = 0;  // 0x00BBGGRR
    // Of equal width, each character one cell.
    std::vector<std::string> Zeilen;
};

// The cell a map character stands for; none for a character that maps do not use.
std::optional<TZelle> ZelleVon(char c);
// The characters ZelleVon knows, for messages.
inline constexpr const char* kKartenZeichen = ". + % # @ ~ w 1 2";

TSpielfeld Spielfeld(const TLevelPlan& plan);
bool LevelSchreiben(const TLevelPlan& plan, const QString& ziel);
bool Vorschau(const TLevelPlan& plan, const QString& ziel);
