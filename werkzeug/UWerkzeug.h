// knallfeld-werkzeug: level check, level display, highscore list, settings dump, simulation.
#pragma once

#include <ostream>
#include <string>
#include <vector>

// Runs one command; returns the exit status.
int WerkzeugAusfuehren(const std::vector<std::string>& argumente, std::ostream& aus,
                       std::ostream& fehler);
