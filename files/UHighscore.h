// The permanent highscore list, sorted by points, highest first.
#pragma once

#include <list>
#include <string>

#include "files/UDateiFehler.h"
#include "files/URecords.h"

class THighscore {
public:
    void EintragEinfuegen(const THighscoreEintrag& e);
    void Leeren() { liste_.clear(); }
    const std::list<THighscoreEintrag>& Liste() const { return liste_; }

private:
    std::list<THighscoreEintrag> liste_;
};

std::string HighscorePfad(const std::string& programmordner);
// True on failure (already reported).
bool HighscoreSpeichern(const THighscore& h, TDateiFehler& fehler, const std::string& pfad);
void HighscoreLaden(THighscore& h, TDateiFehler& fehler, const std::string& pfad);
