// The core's message boxes as QMessageBox, over whichever window is active.
#pragma once

#include "model/UMeldungen.h"

class TQtMeldungen : public IMeldungen {
  public:
    void Zeige(TBoxTyp typ, const std::string& text) override;
    bool FrageJaNein(TBoxTyp typ, const std::string& text) override;
    TAntwort FrageJaNeinAbbrechen(TBoxTyp typ, const std::string& text) override;
};

class QApplication;
// Qt's own German texts for standard buttons and dialogs ("Ja", "Nein", "Abbrechen", "Öffnen").
// False when the translation is not installed; the program then runs with English buttons.
bool DeutscheUebersetzungLaden(QApplication& app);
