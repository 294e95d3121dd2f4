// Where the game keeps its recordings: the newest 20 in the user's data folder.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "files/URecords.h"
#include "wiederholung/UAufnahme.h"

inline constexpr std::size_t kWiederholungenBehalten = 20;

std::string WiederholungenOrdner();
// Saves a finished recording; a failure is one line on standard error, never a box in the way.
void WiederholungAblegen(const TAufnahme& a);
// The highscore entries of the kept recordings' matches, each with its recording, newest first.
std::vector<std::pair<THighscoreEintrag, std::string>> WiederholungsEintraege();
