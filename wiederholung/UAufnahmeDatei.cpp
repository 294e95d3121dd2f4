#include "wiederholung/UAufnahmeDatei.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "files/UDateiInhalt.h"

namespace fs = std::filesystem;

std::string AufnahmeLesen(const std::string& pfad, TAufnahme& a) {
    std::error_code f;
    const auto groesse = fs::file_size(pfad, f);
    if (f) return "Die Wiederholung \"" + pfad + "\" kann nicht gelesen werden.";
    if (groesse > kAufnahmeMaxGroesse) return "Die Datei ist zu groß für eine Wiederholung.";
    const auto inhalt = DateiInhalt(pfad, kAufnahmeMaxGroesse);
    if (!inhalt) return "Die Wiederholung \"" + pfad + "\" kann nicht gelesen werden.";
    return AufnahmeDekodieren(*inhalt, a);
}

std::string AufnahmeSchreiben(const std::string& pfad, const TAufnahme& a) {
    const std::string daten = AufnahmeKodieren(a);
    const std::string temp = pfad + ".neu";
    {
        std::ofstream f(temp, std::ios::binary | std::ios::trunc);
        f.write(daten.data(), std::streamsize(daten.size()));
        f.close();
        std::error_code g;
        if (f.fail() || fs::file_size(temp, g) != daten.size() || g) {
            fs::remove(temp, g);
            return "Die Wiederholung konnte nicht gespeichert werden (" + pfad + ").";
        }
    }
    std::error_code f;
    fs::rename(temp, pfad, f);
    if (f) {
        fs::remove(temp, f);
        return "Die Wiederholung konnte nicht gespeichert werden (" + pfad + ").";
    }
    return {};
}

std::vector<std::string> AbgelegteAufnahmen(const std::string& ordner) {
    std::vector<std::string> r;
    std::error_code f;
    for (fs::directory_iterator i(ordner, f), ende; !f && i != ende; i.increment(f))
        if (i->path().extension() == kAufnahmeEndung && i->is_regular_file(f))
            r.push_back(i->path().string());
    std::sort(r.rbegin(), r.rend());
    return r;
}

std::string AufnahmeAblegen(const std::string& ordner, const std::string& zeit, const TAufnahme& a,
                            std::size_t behalten, std::string& datei) {
    std::error_code f;
    fs::create_directories(ordner, f);
    // A second recording in the same second gets a number; the names still sort by time.
    for (int n = 0;; ++n) {
        char nr[8];
        std::snprintf(nr, sizeof nr, "-%02d", n);
        datei = (fs::path(ordner) / (zeit + nr + kAufnahmeEndung)).string();
        if (!fs::exists(datei, f) || n >= 99) break;
    }
    if (std::string fehler = AufnahmeSchreiben(datei, a); !fehler.empty()) return fehler;
    const auto alle = AbgelegteAufnahmen(ordner);
    for (std::size_t i = behalten; i < alle.size(); ++i) fs::remove(alle[i], f);
    return {};
}
