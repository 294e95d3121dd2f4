// Helpers for the window tests: a scripted file dialog, a program folder with the sample
// pictures and levels, and a way to answer modal windows.
#pragma once

#include <gtest/gtest.h>

#include <QDialog>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "hilfen/TestHilfen.h"
#include "ui/basis/UDateiDialoge.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/spiel/ULokalesMatch.h"
#include "ui/spiel/USpielFenster.h"
#include "ui/spiel/UStatusPanel.h"
#include "ui/start/UMain.h"

class TDialogSkript : public IDateiDialoge {
  public:
    std::string Oeffnen(QWidget*, const TDateiWahl& w) override;
    // One answer holds the files one to a line.
    std::vector<std::string> OeffnenMehrere(QWidget* e, const TDateiWahl& w) override;
    std::string Speichern(QWidget* e, const TDateiWahl& w) override { return Oeffnen(e, w); }
    std::string Ordner(QWidget*, const QString&, const QString& start) override;

    // Answers in order; an empty queue cancels.
    std::deque<std::string> Dateien;
    std::deque<std::string> Ordnerwahl;
    std::vector<TDateiWahl> Gefragt;
    std::vector<QString> OrdnerStart;
};

// A program folder in a temporary folder, with the shipped image folders, sample levels and
// empty highscore file, and the program state over it.
struct TUiUmgebung {
    TUiUmgebung();
    TTestOrdner Ordner;
    TMeldungsProtokoll Meldungen;
    TDialogSkript Dialoge;
    std::unique_ptr<TProgrammDaten> Daten;

    std::string Level(const std::string& datei) const {
        return Ordner.Pfad("Spielfelder/" + datei);
    }
    // Settings for a match on one sample level: the record as changed, kept as the working copy.
    void EinLevel(const std::string& datei,
                  const std::function<void(TSpielRecEinstellungen&)>& aendern);
    // Modal windows are answered by these, in order; each gets the window and returns its result.
    // Without one, a window is cancelled.
    std::deque<std::function<int(QDialog&)>> Antworten;
    std::vector<QString> Gezeigt;  // object names of the windows shown modally
};

// Runs the event loop until the condition holds or the time is up; true when it held.
bool WarteBis(const std::function<bool()>& bedingung, int ms);

// A key pressed on the widget, as the keyboard would.
void Druecken(QWidget* w, int qtTaste, Qt::KeyboardModifiers mod = Qt::NoModifier);

// The whole program over a test folder, with its match window.
struct TProgrammUmgebung {
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    std::unique_ptr<TProgramm> programm = std::make_unique<TProgramm>(p);
    TFrm_Spiel& f = *programm->Fenster.Spiel;
};

// A match window of its own over the shipped pictures, on a screen of 1920 x 1080.
struct TFensterTest : ::testing::Test {
    TUiUmgebung u;
    TProgrammDaten& p = *u.Daten;
    std::unique_ptr<TFrm_Spiel> f;
    void SetUp() override;
    // An empty board of b x h cells of w x eh pixels, laid out in the window.
    void Geometrie(std::uint16_t b, std::uint16_t h, std::uint16_t w, std::uint16_t eh);
};

// The match of the players at this machine that the window shows, with its clock and recording.
inline TAufgenommenesMatch& LokalesMatch(TFrm_Spiel& f) {
    return dynamic_cast<TLokalesMatch&>(f.Match()).Aufgenommen();
}
