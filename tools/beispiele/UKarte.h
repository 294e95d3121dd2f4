// The sample levels' map files, tools/beispiele/level/NAME.txt (NAME.dat is the level's file):
//   Name: Kleines Duell      the level's name, up to 20 characters
//   Zelle: 48 x 48           a cell's width x height in pixels, 10 to 100
//   Farbe: 309030            the background, hex BBGGRR
//   Karte:                   then one line a row, one character a cell: . free, + crate,
//   1..+.+.+...              % brick, # wall, @ stone, ~ and w water, 1 and 2 the players
// A maze, carved by the generator, has instead of the map
//   Labyrinth: 25 x 25       columns x rows, odd, 3 to 25
//   Saat: 23                 the seed it is carved from
//   Sackgassen je Kiste: 2   a crate in one of so many dead ends
// Every level passes the editor's level check.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "tools/beispiele/ULevel.h"

// The plan of one map file, or none and a German message naming the file and the line.
std::optional<TLevelPlan> KarteLesen(const std::string& datei, std::string& fehler);
// Every map file of a folder, by name; false with a message for each file that is not right.
bool KartenLesen(const std::string& ordner, std::vector<TLevelPlan>& plaene,
                 std::vector<std::string>& fehler);
