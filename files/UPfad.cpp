#include "files/UPfad.h"

#include <climits>
#include <cstdlib>

std::string Dateiname(const std::string& pfad) {
    const auto pos = pfad.find_last_of("/\\");
    return pos == std::string::npos ? pfad : pfad.substr(pos + 1);
}

std::string Programmordner() {
    // realpath rather than std::filesystem: the game asks this once at start, and the library's
    // path code would be paged in for it alone.
    char exe[PATH_MAX];
    if (!realpath("/proc/self/exe", exe)) return "./";
    std::string ordner(exe);
    ordner.erase(ordner.find_last_of('/') + 1);
    return ordner;
}
