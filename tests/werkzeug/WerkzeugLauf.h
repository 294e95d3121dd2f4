// One run of the command-line tool inside the test: its exit status and what it printed.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "werkzeug/UWerkzeug.h"

struct TLauf {
    int Status;
    std::string Aus, Fehler;
    std::string StatusUndFehler() const { return std::to_string(Status) + " " + Fehler; }
    std::vector<std::string> Zeilen() const {
        std::vector<std::string> z;
        std::istringstream s(Aus);
        for (std::string zeile; std::getline(s, zeile);) z.push_back(zeile);
        return z;
    }
};

inline TLauf Lauf(const std::vector<std::string>& argumente) {
    std::ostringstream aus, fehler;
    const int status = WerkzeugAusfuehren(argumente, aus, fehler);
    return {status, aus.str(), fehler.str()};
}
