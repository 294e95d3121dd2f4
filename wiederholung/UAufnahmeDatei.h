// Recording files, and the folder that keeps the newest of them.
#pragma once

#include <string>
#include <vector>

#include "wiederholung/UAufnahme.h"

inline constexpr const char* kAufnahmeEndung = ".kfw";

// Empty on success, else what went wrong, in German.
std::string AufnahmeLesen(const std::string& pfad, TAufnahme& a);
// Written beside the target and moved over it only when complete, so a full disk leaves the
// old file as it was.
std::string AufnahmeSchreiben(const std::string& pfad, const TAufnahme& a);

// Saves into 'ordner' (made when missing) under a new name that sorts by time ('zeit' is
// "JJJJMMTT-hhmmss"), then removes all but the newest 'behalten' recordings. 'datei' is the new
// file's path.
std::string AufnahmeAblegen(const std::string& ordner, const std::string& zeit, const TAufnahme& a,
                            std::size_t behalten, std::string& datei);
// The recordings in 'ordner', newest first.
std::vector<std::string> AbgelegteAufnahmen(const std::string& ordner);
