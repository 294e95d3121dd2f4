// The permanent highscore list, sorted by points, highest first.
#pragma once

#include <list>
#include <string>
#include <vector>

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
// New results entered into the file as it is now, not into the list read at start: another
// instance of the game may have written since. Read, insert and write are one step under a lock
// file, so two instances ending at once cannot interleave; `h` becomes the merged list (the one
// in memory when the file is missing or unreadable). True on failure (reported).
bool HighscoreEintragen(THighscore& h, const std::vector<THighscoreEintrag>& neu,
                        TDateiFehler& fehler, const std::string& pfad);
// "Löschen": the list emptied and written under the same lock.
bool HighscoreLeeren(THighscore& h, TDateiFehler& fehler, const std::string& pfad);
