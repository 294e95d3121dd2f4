// Where a round gets its level from: the level files, or levels held in memory.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "model/UPointer.h"

class TLevelDateien;

// The three reads of a round start; each returns true on failure (already reported).
class ILevelQuelle {
  public:
    virtual ~ILevelQuelle() = default;
    // The general record (path + ".all") becomes the board's geometry.
    virtual bool AllgemeinLesen(const std::string& pfad) = 0;
    // Fills the first 'anzahl' cells of the board built for that geometry.
    virtual bool ZellenLesen(const std::string& pfad, std::uint32_t anzahl) = 0;
    // The level's pictures (path + ".bild").
    virtual bool BilderLesen(const std::string& pfad) = 0;
};

class TLevelDateiQuelle final : public ILevelQuelle {
  public:
    explicit TLevelDateiQuelle(TLevelDateien& dateien) : dateien_(dateien) {}
    bool AllgemeinLesen(const std::string& pfad) override;
    bool ZellenLesen(const std::string& pfad, std::uint32_t anzahl) override;
    bool BilderLesen(const std::string& pfad) override;
    // False: the pictures are only shown, a missing one does not stop the round (two machines
    // with different picture folders play the same match).
    bool BilderEntscheiden = true;

  private:
    TLevelDateien& dateien_;
};

// Levels under made-up paths, for tests and benchmarks. An unknown path fails silently.
class TSpeicherLevel final : public ILevelQuelle {
  public:
    explicit TSpeicherLevel(TSpielfeld& feld) : feld_(feld) {}
    void Hinzufuegen(const std::string& pfad, const TFeldDaten& geometrie,
                     std::vector<TZelle> zellen);
    bool AllgemeinLesen(const std::string& pfad) override;
    bool ZellenLesen(const std::string& pfad, std::uint32_t anzahl) override;
    bool BilderLesen(const std::string& pfad) override;
    // The paths read so far, in order, with their suffixes.
    std::vector<std::string> Gelesen;

  private:
    struct TLevel {
        TFeldDaten Geometrie;
        std::vector<TZelle> Zellen;
    };
    static std::string OhneEndung(const std::string& pfad, const std::string& endung);

    TSpielfeld& feld_;
    std::map<std::string, TLevel> level_;
};
