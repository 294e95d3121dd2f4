// Messages of the file layer on standard error, as their German text. Questions are answered
// "Nein", so a script never changes a file by accident.
#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "model/UMeldungen.h"

class TKonsolenMeldungen : public IMeldungen {
  public:
    explicit TKonsolenMeldungen(std::ostream& fehler) : fehler_(fehler) {}
    void Zeige(TBoxTyp typ, const std::string& text) override;
    bool FrageJaNein(TBoxTyp, const std::string& text) override;
    TAntwort FrageJaNeinAbbrechen(TBoxTyp, const std::string& text) override;
    int Fehleranzahl() const { return fehleranzahl_; }

  private:
    std::ostream& fehler_;
    int fehleranzahl_ = 0;
};

// For a match without a window: its information boxes are the round and match messages, which
// the result lines carry; everything else is the file layer's and goes to standard error.
class TMatchMeldungen : public IMeldungen {
  public:
    explicit TMatchMeldungen(std::ostream& fehler) : konsole_(fehler) {}
    void Zeige(TBoxTyp typ, const std::string& text) override {
        if (typ != TBoxTyp::Information) konsole_.Zeige(typ, text);
    }
    bool FrageJaNein(TBoxTyp typ, const std::string& text) override {
        return konsole_.FrageJaNein(typ, text);
    }
    TAntwort FrageJaNeinAbbrechen(TBoxTyp typ, const std::string& text) override {
        return konsole_.FrageJaNeinAbbrechen(typ, text);
    }

  private:
    TKonsolenMeldungen konsole_;
};

// An option's value is the argument after it: Wert and Zahl take it and move the index on;
// false when it is missing (or, for Zahl, not a whole number from min to max).
struct TOptionsWert {
    const std::vector<std::string>& Args;
    std::size_t& I;
    bool Wert(std::string& ziel);
    bool Zahl(unsigned long long min, unsigned long long max,
              std::optional<unsigned long long>& ziel);
};

// A whole number from min to max written in decimal digits only; false otherwise.
bool ZahlLesen(const std::string& text, unsigned long long min, unsigned long long max,
               unsigned long long& wert);
