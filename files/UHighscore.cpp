#include "files/UHighscore.h"

#include <QLockFile>
#include <algorithm>
#include <iterator>

#include "files/UPfad.h"
#include "files/UTypDatei.h"

namespace {

// Held while one instance reads, changes and writes the file. A lock that cannot be had (a
// read-only folder, an instance hanging for seconds) does not stop the save: its own checks
// report what is wrong.
class THighscoreSperre {
  public:
    explicit THighscoreSperre(const std::string& pfad) : datei_(QtPfad(pfad) + ".lock") {
        datei_.tryLock(5000);
    }

  private:
    QLockFile datei_;
};

}  // namespace

void THighscore::EintragEinfuegen(const THighscoreEintrag& e) {
    if (liste_.empty()) {
        liste_.push_back(e);
        return;
    }
    auto it = liste_.begin();
    while (it->Punkte > e.Punkte && std::next(it) != liste_.end()) ++it;
    if (std::next(it) != liste_.end()) {
        // Before an equal entry in the middle: the newer score ranks first.
        liste_.insert(it, e);
    } else if (it->Punkte < e.Punkte) {
        liste_.insert(it, e);
    } else {
        // After an equal last entry, so a re-read file keeps its order.
        liste_.push_back(e);
    }
}

void THighscore::EintragEinlesen(const THighscoreEintrag& e) {
    const auto it = std::find_if(liste_.begin(), liste_.end(),
                                 [&](const THighscoreEintrag& x) { return x.Punkte < e.Punkte; });
    liste_.insert(it, e);
}

std::string HighscorePfad(const std::string& programmordner) {
    return programmordner + "Highscore.hsk";
}

bool HighscoreSpeichern(const THighscore& h, TDateiFehler& fehler, const std::string& pfad) {
    if (fehler.DateiPruefen(pfad, kHighscoreDatei, TPruefModus::Schreiben)) return true;
    TTypDatei d(fehler, kGroesseHighscore);
    if (d.Anlegen(pfad, kHighscoreDatei)) return true;
    bool ergebnis = false;
    for (const auto& e : h.Liste())
        // A failed write abandons the file (the old one stays); the records after it could not
        // reach the disk, so they are not reported once more each.
        if (d.Schreiben(PackeHighscore(e), kHighscoreDatei)) {
            ergebnis = true;
            break;
        }
    return d.Schliessen(kHighscoreDatei) || ergebnis;
}

void HighscoreLaden(THighscore& h, TDateiFehler& fehler, const std::string& pfad) {
    if (fehler.DateiPruefen(pfad, kHighscoreDatei, TPruefModus::Lesen)) return;
    // The first start of the program, before any match was played.
    if (!DateiExistiert(pfad)) {
        fehler.FehltFehler(kHighscoreDatei);
        return;
    }
    // Read into a fresh list so that a failure keeps the one in memory.
    THighscore neu;
    TTypDatei d(fehler, kGroesseHighscore);
    if (d.OeffnenLesen(pfad, kHighscoreDatei)) return;
    TBytes satz;
    while (!d.AmEnde()) {
        if (d.Lesen(satz, kHighscoreDatei)) return;
        neu.EintragEinlesen(EntpackeHighscore(satz.data()));
    }
    h = std::move(neu);
    d.Schliessen(kHighscoreDatei);
}

bool HighscoreEintragen(THighscore& h, const std::vector<THighscoreEintrag>& neu,
                        TDateiFehler& fehler, const std::string& pfad) {
    const THighscoreSperre sperre(pfad);
    if (DateiExistiert(pfad)) HighscoreLaden(h, fehler, pfad);
    for (const auto& e : neu) h.EintragEinfuegen(e);
    return HighscoreSpeichern(h, fehler, pfad);
}

bool HighscoreLeeren(THighscore& h, TDateiFehler& fehler, const std::string& pfad) {
    const THighscoreSperre sperre(pfad);
    h.Leeren();
    return HighscoreSpeichern(h, fehler, pfad);
}
