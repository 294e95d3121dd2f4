// A typed file: fixed-size records back to back. Every elementary step is guarded on its own and
// reports its failure through the file error layer. Writing goes to a temporary file that only
// replaces the old one when it is closed, so a failed save leaves the previous file intact.
#pragma once

#include <QFile>
#include <QSaveFile>
#include <functional>
#include <memory>
#include <string>

#include "files/UDateiFehler.h"
#include "files/URecords.h"

class TTypDatei {
public:
    TTypDatei(TDateiFehler& fehler, std::size_t satzgroesse) : fehler_(fehler), groesse_(satzgroesse) {}

    // Each returns true on failure (already reported with the given kind name).
    bool OeffnenLesen(const std::string& pfad, const std::string& art);
    bool Lesen(TBytes& satz, const std::string& art);
    bool AmEnde() const;
    bool Anlegen(const std::string& pfad, const std::string& art);
    bool Schreiben(const TBytes& satz, const std::string& art);
    // Commits a written file; the old file is replaced only here.
    bool Schliessen(const std::string& art);

    // Test seam: called before every record write and every commit; returning true makes that
    // step fail as a full disk would.
    static std::function<bool()> SchreibStoerung;

private:
    TDateiFehler& fehler_;
    std::size_t groesse_;
    std::unique_ptr<QFile> lesen_;
    std::unique_ptr<QSaveFile> schreiben_;
    bool abgebrochen_ = false;  // a write failed and was reported; the commit is skipped
};
