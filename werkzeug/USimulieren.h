// knallfeld-werkzeug simulieren: a match of two computer players in simulated time.
#pragma once

#include <ostream>
#include <string>
#include <vector>

extern const char* const kSimulierenHilfe;

int Simulieren(const std::vector<std::string>& args, std::ostream& aus, std::ostream& fehler);
