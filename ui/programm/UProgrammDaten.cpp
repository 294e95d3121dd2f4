#include "ui/programm/UProgrammDaten.h"

#include <QDesktopServices>
#include <QDialog>

#include "ui/vorlieben/UComputerWahl.h"
#include "ui/vorlieben/USturmflutWahl.h"

TProgrammDaten::TProgrammDaten(IMeldungen& meldungen, IDateiDialoge& dialoge,
                               std::string programmordner, std::uint64_t saat)
    : Meldungen(meldungen),
      Dialoge(dialoge),
      Fehler(meldungen),
      Zufall(saat),
      Bilder(Fehler),
      Level(Feld, Bilder, Fehler),
      Programmordner(std::move(programmordner)),
      HighscoreOrt(HighscoreOrtWaehlen(OrdnerBeschreibbar(Programmordner), Programmordner,
                                       BenutzerDatenordner())),
      ModalZeigen([](QDialog& d) { return d.exec(); }),
      // The result is ignored: a missing browser is not reported.
      WebseiteOeffnen([](const QUrl& url) { QDesktopServices::openUrl(url); }) {}

void TProgrammDaten::ComputerWahlLaden() {
    if (computerGeladen_) return;
    computerGeladen_ = true;
    Einstellungen.ComputerArten = ComputerWahlLesen();
    Einstellungen.Sturmflut = SturmflutWahlLesen();
}
