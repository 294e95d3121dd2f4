// The permanent highscore list, sorted by points, highest first.
#pragma once

#include <list>
#include <string>

#include "files/UDateiFehler.h"
#include "files/URecords.h"

class THighscore {
  public:
    // A new result: ahead of equal entries (except after an equal last one).
    void EintragEinfuegen(const THighscoreEintrag& e);
    // A record read from the file: after every entry with the same or more points, so a list
    // read back is the list written, ties included.
    void EintragEinlesen(const THighscoreEintrag& e);
    void Leeren() { liste_.clear(); }
    const std::list<THighscoreEintrag>& Liste() const { return liste_; }

  private:
    std::list<THighscoreEintrag> liste_;
};

std::string HighscorePfad(const std::string& programmordner);
// True on failure (already reported).
bool HighscoreSpeichern(const THighscore& h, TDateiFehler& fehler, const std::string& pfad);
void HighscoreLaden(THighscore& h, TDateiFehler& fehler, const std::string& pfad);
