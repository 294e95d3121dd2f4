// Level files: the cell file (.dat), its general file (+".all") and its image file (+".bild").
#pragma once

#include <cstdint>
#include <string>

#include "files/UBilderPointer.h"
#include "files/UDateiFehler.h"
#include "model/UPointer.h"

class TLevelDateien {
public:
    TLevelDateien(TSpielfeld& feld, TBilderSets& bilder, TDateiFehler& fehler)
        : feld_(feld), bilder_(bilder), fehler_(fehler) {}

    // All return true on failure (already reported) or when the user declined.
    bool LevelSpeichernUnter(const std::string& pfad);
    bool LevelDateienAnlegen(const std::string& pfad);
    bool LevelSpeichern();
    bool AllgemeinLesen(const std::string& pfad);
    bool ZellenLesen(const std::string& pfad, std::uint32_t anzahl);
    bool BilderLesen(const std::string& pfad);

    // What a round start does: general file, fresh board, cells, pictures.
    bool LevelLaden(const std::string& pfad);

    bool Gebunden() const { return !gebunden_.empty(); }
    const std::string& GebundenerPfad() const { return gebunden_; }

private:
    bool ZellenSchreiben();
    bool AllgemeinSchreiben();
    bool BilderSchreiben();

    TSpielfeld& feld_;
    TBilderSets& bilder_;
    TDateiFehler& fehler_;
    std::string gebunden_;  // cell file path bound by the last save under a new name
};
