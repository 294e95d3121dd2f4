// The game's command line: options for the checks and benchmarks, help and version, and a clear
// refusal of anything else. Read before the window system is reached, so that "--help" works
// without a display.
#pragma once

#include <QString>
#include <QStringList>

struct TBefehlszeile {
    QString Spiel;  // "--spiel LEVEL.dat": a match on that level at once
    bool Computer = false;
    bool KlangProtokoll = false;
    bool NachErstemBildBeenden = false;
    // Set when the program ends here: what to print, where, and the exit status.
    bool Ende = false;
    int Rueckgabe = 0;
    QString Ausgabe;
    bool AufFehlerkanal = false;
};

// argumente[0] is the program.
TBefehlszeile BefehlszeileLesen(const QStringList& argumente);
