// A match played and recorded as it goes: the engine on a simulated clock of its own, the match
// run that applies each input at its time, and the recording (seed, settings, the level files as
// read, the inputs, the result lines). The game window and the simulator both play through it, so
// what a recording holds is put together in this one place.
#pragma once

#include <cstdint>
#include <string>

#include "match/ULevelQuelle.h"
#include "match/USimUhr.h"
#include "match/USpiel.h"
#include "wiederholung/UAufnahme.h"
#include "wiederholung/UAufnahmeLevel.h"
#include "wiederholung/UMatchLauf.h"

class TAufgenommenesMatch {
  public:
    // daten: the board, settings, bombs and random source the match plays with; levels are read
    // through 'level' and their bytes recorded.
    TAufgenommenesMatch(TSpielDaten daten, ILevelQuelle& level, THighscore& highscore,
                        std::string highscorepfad, IMeldungen& meldungen, ISpielAnsicht& ansicht);
    TAufgenommenesMatch(const TAufgenommenesMatch&) = delete;
    TAufgenommenesMatch& operator=(const TAufgenommenesMatch&) = delete;

    // Seeds the random source, notes the settings and starts the first round; false when that
    // failed (reported). The recording holds nothing from an earlier start.
    bool Starten(std::uint64_t saat);
    // Where the match stands is its end: a due tick no longer ends a round. The recording is then
    // complete.
    const TAufnahme& Abschliessen();

    TSpiel& Spiel() { return spiel_; }
    TMatchLauf& Lauf() { return lauf_; }
    TSimUhr& Uhr() { return uhr_; }
    // As far as the match has come (inputs and lines only once it is closed).
    const TAufnahme& Aufnahme() const { return aufnahme_; }

  private:
    TEinstellungen& einstellungen_;
    TZufall& zufall_;
    TAufnehmendeQuelle aufnehmend_;
    TAufnahme aufnahme_;
    TSimUhr uhr_;
    TSpiel spiel_;
    TMatchLauf lauf_;
};
