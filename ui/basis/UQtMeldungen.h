// The core's message boxes as QMessageBox, over whichever window is active.
#pragma once

#include "model/UMeldungen.h"

class TQtMeldungen : public IMeldungen {
  public:
    void Zeige(TBoxTyp typ, const std::string& text) override;
    bool FrageJaNein(TBoxTyp typ, const std::string& text) override;
    TAntwort FrageJaNeinAbbrechen(TBoxTyp typ, const std::string& text) override;
};

class QWidget;
class QMessageBox;

// For a match that must not stand still while a box is open (network play): the box shows over
// the window and the match runs on; a question is answered "Nein" (a match asks none).
class TNichtModaleMeldungen : public IMeldungen {
  public:
    explicit TNichtModaleMeldungen(QWidget* fenster) : fenster_(fenster) {}
    void Zeige(TBoxTyp typ, const std::string& text) override;
    bool FrageJaNein(TBoxTyp, const std::string&) override { return false; }
    TAntwort FrageJaNeinAbbrechen(TBoxTyp, const std::string&) override { return TAntwort::Nein; }
    // The boxes still open go (the next round has begun).
    void Schliessen();

  private:
    QWidget* fenster_;
};

class QApplication;
// Qt's own German texts for standard buttons and dialogs ("Ja", "Nein", "Abbrechen", "Öffnen").
// False when the translation is not installed; the program then runs with English buttons.
bool DeutscheUebersetzungLaden(QApplication& app);
