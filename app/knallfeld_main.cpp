// Knallfeld: the game with its main menu.
#include <QApplication>
#include <QFileInfo>
#include <QTimer>
#include <chrono>
#include <cstdio>

#include "files/UPfad.h"
#include "klang/UKlangAusgabe.h"
#include "model/UZufall.h"
#include "ui/basis/UDateiDialoge.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/basis/UProgrammSymbol.h"
#include "ui/basis/UQtMeldungen.h"
#include "ui/basis/UStil.h"
#include "ui/eingabe/UPadSteuerung.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/spiel/USpielFenster.h"
#include "ui/start/UBefehlszeile.h"
#include "ui/start/UMain.h"
#include "ui/start/UNachErstemBild.h"

namespace {

// "--klang-protokoll": every sound the game plays, with the wall-clock time in milliseconds, on
// standard error, so that a recording of the sound server can be checked against it.
class TKlangProtokoll final : public IKlaenge {
  public:
    explicit TKlangProtokoll(IKlaenge& weiter) : weiter_(weiter) {}
    void Einstellen(bool an, int lautstaerke) override { weiter_.Einstellen(an, lautstaerke); }
    void Vorbereiten() override { weiter_.Vorbereiten(); }
    void Spielen(TKlang k) override {
        const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                            std::chrono::system_clock::now().time_since_epoch())
                            .count();
        std::fprintf(stderr, "Klang %lld %s\n", static_cast<long long>(ms), KlangName(k).c_str());
        weiter_.Spielen(k);
    }

  private:
    IKlaenge& weiter_;
};

}  // namespace

int main(int argc, char** argv) {
    QStringList worte;
    for (int i = 0; i < argc; ++i) worte << QString::fromLocal8Bit(argv[i]);
    const TBefehlszeile befehl = BefehlszeileLesen(worte);
    if (befehl.Ende) {
        std::fputs(befehl.Ausgabe.toLocal8Bit().constData(),
                   befehl.AufFehlerkanal ? stderr : stdout);
        return befehl.Rueckgabe;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Knallfeld"));
    QApplication::setStyle(new TStil);
    ProgrammSymbolSetzen(app);
    DeutscheUebersetzungLaden(app);

    TQtMeldungen meldungen;
    TQtDateiDialoge dialoge;
    // The random source is seeded once, from the clock; the geometry and the settings start
    // with their defaults in their owners.
    TProgrammDaten daten(meldungen, dialoge, Programmordner(), SaatAusUhr());
    // Nothing of the sound is loaded before the first sound of a match.
    TKlangAusgabe klaenge(Programmordner() + "Klaenge/");
    TKlangProtokoll protokoll(klaenge);
    daten.Klaenge = befehl.KlangProtokoll ? static_cast<IKlaenge*>(&protokoll) : &klaenge;
    // Pads are read while a match or the key capture listens; SDL only once a joystick is there.
    TPadSteuerung pads(daten);
    daten.PadSteuerung = &pads;
    TProgramm programm(daten);

    TFrm_Main& haupt = *programm.Fenster.Main;
    haupt.adjustSize();
    ZentriereAufBildschirm(&haupt);
    haupt.show();

    QWidget* erstesBild = &haupt;
    if (!befehl.Spiel.isEmpty()) {
        const std::string level = StdText(QFileInfo(befehl.Spiel).absoluteFilePath());
        if (befehl.Computer) {
            TSpielRecEinstellungen e = daten.Einstellungen.EinstellungenHolen();
            e.Spieler1.Computer = e.Spieler2.Computer = true;
            daten.Einstellungen.EinstellungenSetzen(e);
        }
        daten.Einstellungen.Arbeitskopie = daten.Einstellungen.EinstellungenHolen();
        daten.Einstellungen.LevelAnhaengen(level);
        daten.Einstellungen.LevelAnzahl = 1;
        QTimer::singleShot(0, &haupt, [&haupt] { haupt.Spielstarten(); });
        erstesBild = programm.Fenster.Spiel;
    }
    TNachErstemBild nachErstemBild;
    if (befehl.NachErstemBildBeenden) erstesBild->installEventFilter(&nachErstemBild);
    return app.exec();
}
