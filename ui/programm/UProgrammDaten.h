// The one instance of each piece of program-wide state, and the services the windows share.
#pragma once

#include <QUrl>
#include <functional>
#include <optional>
#include <string>

#include "files/UBilderPointer.h"
#include "files/UDatei.h"
#include "files/UDateiFehler.h"
#include "files/UHighscore.h"
#include "klang/UKlaenge.h"
#include "model/UBombenPointer.h"
#include "model/UPointer.h"
#include "model/USpielRecEinstellungen.h"
#include "model/UZufall.h"
#include "ui/basis/UDateiDialoge.h"
#include "ui/programm/UHighscoreOrt.h"
#include "ui/vorlieben/UPadWahl.h"
#include "ui/vorlieben/UTonWahl.h"

class QDialog;
class TPadSteuerung;

class TProgrammDaten {
  public:
    // programmordner: the folder of the executable with a trailing separator; the image folders,
    // the sample levels and the highscore file are found there.
    TProgrammDaten(IMeldungen& meldungen, IDateiDialoge& dialoge, std::string programmordner,
                   std::uint64_t saat);
    TProgrammDaten(const TProgrammDaten&) = delete;
    TProgrammDaten& operator=(const TProgrammDaten&) = delete;

    IMeldungen& Meldungen;
    IDateiDialoge& Dialoge;
    TDateiFehler Fehler;
    TSpielfeld Feld;
    TEinstellungen Einstellungen;
    TBombenListen Bomben;
    TZufall Zufall;
    TBilderSets Bilder;
    THighscore Highscore;
    TLevelDateien Level;

    const std::string Programmordner;
    // Next to the program, or in the user's data folder when the program folder is read-only.
    THighscoreOrt HighscoreOrt;
    std::string HighscoreDatei() const { return HighscoreOrt.SchreibDatei(); }
    std::string HighscoreLesedatei() const { return HighscoreOrt.LeseDatei(); }
    std::string SpielfelderOrdner() const { return Programmordner + "Spielfelder/"; }

    // The sound, when the program has one, and the player's choice for it, read from the
    // preferences when first needed rather than at start-up.
    IKlaenge* Klaenge = nullptr;
    // The choice of computers and of the storm flood from the preferences, read the first time a
    // match or the settings dialog needs it (reading it at start would slow the start down).
    void ComputerWahlLaden();
    TTonWahl& Ton() {
        if (!ton_) ton_ = TonWahlLesen();
        return *ton_;
    }
    void TonAnwenden() {
        if (Klaenge) Klaenge->Einstellen(Ton().An, Ton().Lautstaerke);
    }
    // Plays a sound; the first one brings the player's choice in (a match without a sound reads
    // no preferences).
    void KlangSpielen(TKlang k) {
        if (IKlaenge* ausgabe = KlangEingestellt()) ausgabe->Spielen(k);
    }
    void KlangVorbereiten() {
        if (IKlaenge* ausgabe = KlangEingestellt()) ausgabe->Vorbereiten();
    }

    // The game controllers, when the program reads them, and the players' pad bindings (read
    // from the preferences when first needed).
    TPadSteuerung* PadSteuerung = nullptr;
    TPadBelegung& Pads() {
        if (!pads_) pads_ = PadBelegungLesen();
        return *pads_;
    }

    // Shows a recording in the match window (set by the main window).
    std::function<void(const std::string&)> WiederholungAnsehen;

    // How a window is shown modally, and how a web address is opened; tests replace both.
    std::function<int(QDialog&)> ModalZeigen;
    std::function<void(const QUrl&)> WebseiteOeffnen;

  private:
    std::optional<TTonWahl> ton_;
    bool computerGeladen_ = false;
    // The sound with the player's preference applied, once.
    IKlaenge* KlangEingestellt() {
        if (Klaenge && !ton_) TonAnwenden();
        return Klaenge;
    }
    std::optional<TPadBelegung> pads_;
};
