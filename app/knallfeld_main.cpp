// Knallfeld: the game with its main menu.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "files/UPfad.h"
#include "model/UZufall.h"
#include "ui/UDateiDialoge.h"
#include "ui/UFensterHilfen.h"
#include "ui/UMain.h"
#include "ui/UProgrammDaten.h"
#include "ui/UProgrammSymbol.h"
#include "ui/UQtMeldungen.h"
#include "ui/USpielFenster.h"

namespace {

// For measuring start-up time and memory: ends the program once its window has been painted.
class TNachErstemBild : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !gemalt_) {
            gemalt_ = true;
            // Queued, so that the children of the window are painted too; then at once, without
            // tearing down, so that a measured time ends with the picture.
            QTimer::singleShot(0, qApp, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(o, e);
    }

  private:
    bool gemalt_ = false;
};

}  // namespace

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
