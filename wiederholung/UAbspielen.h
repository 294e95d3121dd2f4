// A recorded match played again: its own settings, bombs and random source, the recorded levels,
// a simulated clock and the recorded inputs at their times. The board and the pictures are the
// caller's, so a window can show it; without a window it checks a recording in milliseconds.
#pragma once

#include <memory>
#include <optional>

#include "files/UBilderPointer.h"
#include "files/UDatei.h"
#include "match/ULevelQuelle.h"
#include "match/USimUhr.h"
#include "match/USpiel.h"
#include "model/UBombenPointer.h"
#include "wiederholung/UAufnahme.h"
#include "wiederholung/UAufnahmeLevel.h"
#include "wiederholung/UMatchLauf.h"

// More timer ticks than any real match needs (a long session makes tens of thousands).
inline constexpr std::uint64_t kAbspielMaxTicks = 5'000'000;

class TAbspieler {
  public:
    TAbspieler(const TAufnahme& a, TSpielfeld& feld, TBilderSets& bilder, IMeldungen& meldungen,
               ISpielAnsicht& ansicht, std::uint64_t maxTicks = kAbspielMaxTicks);
    TAbspieler(const TAbspieler&) = delete;
    TAbspieler& operator=(const TAbspieler&) = delete;

    // Starts the match as recorded; false when the levels could not be set out or the first one
    // did not load (reported).
    bool Starten();
    // Applies every input due up to match time t, running the clock between them.
    void Bis(std::uint64_t t);
    // Plays the rest at once.
    void BisZumEnde();
    // The time of the next input; none after the last.
    std::optional<std::uint64_t> NaechsteEingabe() const;
    // The time of the next "Nächste Runde" (or the end, when no round follows).
    std::optional<std::uint64_t> NaechsteRunde() const;
    bool Fertig() const { return naechste_ >= a_.Eingaben.size(); }
    // The replay ended as the recording did.
    bool WieAufgenommen() const {
        return Fertig() && !lauf_.Ueberlang() && lauf_.Protokoll == a_.Protokoll;
    }
    bool Ueberlang() const { return lauf_.Ueberlang(); }
    // Match time now, counted from the start.
    std::uint64_t Zeit() const { return lauf_.Zeit(); }
    std::optional<std::uint64_t> NaechsteFaelligkeit() const;

    TSpiel& Spiel() { return spiel_; }
    // Pictures that cannot be loaded do not stop a round.
    void BilderNurZeigen() { quelle_.BilderEntscheiden = false; }
    TSimUhr& Uhr() { return uhr_; }
    const std::vector<std::string>& Protokoll() const { return lauf_.Protokoll; }

  private:
    const TAufnahme& a_;
    TAbspielOrdner ordner_;
    TEinstellungen einst_;
    TBombenListen bomben_;
    TZufall zufall_;
    TDateiFehler fehler_;
    TLevelDateien dateien_;
    TLevelDateiQuelle quelle_;
    THighscore highscore_;
    TSimUhr uhr_;
    TSpiel spiel_;
    TMatchLauf lauf_;
    std::size_t naechste_ = 0;
};

// Plays a recording through without a window. Empty when it ends as recorded; else what
// differs, in German. 'protokoll' gets the replay's lines.
std::string AufnahmePruefen(const TAufnahme& a, const std::string& bilderordner,
                            std::vector<std::string>& protokoll,
                            std::uint64_t maxTicks = kAbspielMaxTicks);

// The settings record, its working copy and the level list, as a match starts with them.
void AufnahmeEinstellungen(TAufnahme& a, const TEinstellungen& e);

// The highscore entries the recording's matches made (names cut as the list keeps them).
std::vector<THighscoreEintrag> HighscoreEintraege(const TAufnahme& a);
