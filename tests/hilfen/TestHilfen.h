// Shared test helpers: a message log that answers questions from a script, and temp folders.
#pragma once

#include <QRgb>
#include <QTemporaryDir>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "model/UMeldungen.h"

struct TProtokollEintrag {
    TBoxTyp Typ;
    std::string Text;
    bool Frage;
};

class TMeldungsProtokoll : public IMeldungen {
  public:
    void Zeige(TBoxTyp typ, const std::string& text) override;
    bool FrageJaNein(TBoxTyp typ, const std::string& text) override;
    TAntwort FrageJaNeinAbbrechen(TBoxTyp typ, const std::string& text) override;

    // Answers for the next questions, in order; an unscripted question is answered Yes.
    std::deque<TAntwort> Antworten;
    std::vector<TProtokollEintrag> Eintraege;
    // Runs while a message stands, as a real box's own event loop would.
    std::function<void(const std::string&)> WaehrendDerMeldung;

    std::vector<std::string> Texte() const;
    std::string Letzter() const { return Eintraege.empty() ? "" : Eintraege.back().Text; }
    void Leeren() { Eintraege.clear(); }
};

// A temporary folder; Pfad("x") is the absolute path of x inside it.
class TTestOrdner {
  public:
    std::string Pfad(const std::string& name) const;
    // With a trailing "/".
    std::string Ordner() const { return dir_.path().toStdString() + "/"; }

  private:
    QTemporaryDir dir_;
};

// Writes raw bytes to a file (creating folders as needed).
void SchreibeBytes(const std::string& pfad, const std::vector<unsigned char>& bytes);
std::vector<unsigned char> LiesBytes(const std::string& pfad);
// A small bitmap of one colour (creating folders as needed).
void BitmapAnlegen(const std::string& pfad, QRgb farbe, int groesse = 8);
void SchreibschutzSetzen(const std::string& pfad, bool an);

// Runs f in a child process, after `vorher` (limits, another user) has run there, and returns
// what f returned; "<Kind gescheitert>" when the child died or never answered.
std::string ImKind(const std::function<void()>& vorher, const std::function<std::string()>& f);
// A child whose files may not grow beyond `bytes` (SIGXFSZ ignored): every write beyond fails
// with EFBIG, as it would on a full disk.
std::function<void()> Dateigrenze(unsigned long bytes);
