// knallfeld-werkzeug netz-eroeffnen / netz-beitreten: a network match without a window, each
// side's player played by seeded random actions or by the computer.
#pragma once

#include <ostream>
#include <string>
#include <vector>

extern const char* const kNetzEroeffnenHilfe;
extern const char* const kNetzBeitretenHilfe;

int NetzEroeffnen(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
int NetzBeitreten(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
