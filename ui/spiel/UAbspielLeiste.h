// The replay's controls below the status panel: "Pause"/"Weiter" and "Tempo 1×/2×/4×". Made for
// the first replay of the window, shown only while one runs.
#pragma once

#include <functional>

class QPushButton;
class QWidget;
class TMitwachsen;

class TAbspielLeiste {
  public:
    // The buttons are children of 'fenster', placed in 'panel' at 'oben' across 'breite'.
    TAbspielLeiste(QWidget& fenster, TMitwachsen& panel, int oben, int breite);

    void Zeigen(bool an);
    // Paused or not, the speed, and whether the replay can go on.
    void Aktualisieren(bool pausiert, int tempo, bool weiter);

    std::function<void()> Pause, Tempo;
    QPushButton *Btn_Pause, *Btn_Tempo;
};
