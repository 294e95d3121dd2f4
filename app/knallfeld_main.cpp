// Knallfeld: the game with its main menu.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>

#include "files/UPfad.h"
#include "model/UZufall.h"
#include "ui/UDateiDialoge.h"
#include "ui/UFensterHilfen.h"
#include "ui/UMain.h"
#include "ui/UNachErstemBild.h"
#include "ui/UProgrammDaten.h"
#include "ui/UProgrammSymbol.h"
#include "ui/UQtMeldungen.h"
#include "ui/USpielFenster.h"

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

    // Options for the benchmarks only: "--spiel LEVEL.dat" opens a match on that level at once,
    // "--nach-erstem-bild-beenden" ends the program after the first paint of its window.
    const QStringList argumente = QApplication::arguments();
    const qsizetype spiel = argumente.indexOf(QStringLiteral("--spiel"));
    QWidget* erstesBild = &haupt;
    if (spiel > 0 && spiel + 1 < argumente.size()) {
        const std::string level = StdText(QFileInfo(argumente[spiel + 1]).absoluteFilePath());
        daten.Einstellungen.Arbeitskopie = daten.Einstellungen.EinstellungenHolen();
        daten.Einstellungen.LevelAnhaengen(level);
        daten.Einstellungen.LevelAnzahl = 1;
        QTimer::singleShot(0, &haupt, [&haupt] { haupt.Spielstarten(); });
        erstesBild = programm.Fenster.Spiel;
    }
    TNachErstemBild nachErstemBild;
    if (argumente.contains(QStringLiteral("--nach-erstem-bild-beenden")))
        erstesBild->installEventFilter(&nachErstemBild);
    return app.exec();
}
