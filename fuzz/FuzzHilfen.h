// Shared pieces of the fuzz targets: a message sink that counts, a scratch folder, invariants.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/UMeldungen.h"

class TZaehlMeldungen : public IMeldungen {
public:
    void Zeige(TBoxTyp, const std::string&) override { ++Anzahl; }
    bool FrageJaNein(TBoxTyp, const std::string&) override {
        ++Anzahl;
        return false;
    }
    TAntwort FrageJaNeinAbbrechen(TBoxTyp, const std::string&) override {
        ++Anzahl;
        return TAntwort::Nein;
    }
    int Anzahl = 0;
};

// A folder of this process, with a trailing "/", created on first use.
const std::string& Arbeitsordner();
void DateiSchreiben(const std::string& pfad, const std::uint8_t* daten, std::size_t groesse);
void DateiLoeschen(const std::string& pfad);
// Writes a small valid bitmap.
void BeispielBmp(const std::string& pfad, int breite, int hoehe);

#define INVARIANTE(bedingung)                                                    \
    do {                                                                         \
        if (!(bedingung)) {                                                      \
            std::fprintf(stderr, "Invariante verletzt: %s (%s:%d)\n", #bedingung, \
                         __FILE__, __LINE__);                                    \
            std::abort();                                                        \
        }                                                                        \
    } while (0)
