// Knallfeld: the game with its main menu.
#include <QApplication>

#include "files/UPfad.h"
#include "model/UZufall.h"
#include "ui/UDateiDialoge.h"
#include "ui/UFensterHilfen.h"
#include "ui/UMain.h"
#include "ui/UProgrammDaten.h"
#include "ui/UProgrammSymbol.h"
#include "ui/UQtMeldungen.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Knallfeld"));
    ProgrammSymbolSetzen(app);
    DeutscheUebersetzungLaden(app);

    TQtMeldungen meldungen;
    TQtDateiDialoge dialoge;
    // The random source is seeded once, from the clock; the geometry and the settings start
    // with their defaults in their owners.
    TProgrammDaten daten(meldungen, dialoge, Programmordner(), SaatAusUhr());
    TProgramm programm(daten);

    TFrm_Main& haupt = *programm.Fenster.Main;
    haupt.adjustSize();
    ZentriereAufBildschirm(&haupt);
    haupt.show();
    return app.exec();
}
