// Messages of the file layer on standard error, as their German text. Questions are answered
// "Nein", so a script never changes a file by accident.
#pragma once

#include <ostream>

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
