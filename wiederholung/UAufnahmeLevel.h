// Levels in a recording: their bytes taken while a match reads them, and given back as files
// when the match is replayed.
#pragma once

#include <set>
#include <string>
#include <vector>

#include "match/ULevelQuelle.h"
#include "wiederholung/UAufnahme.h"

// Reads through another source and keeps the bytes of every file it reads, once per file.
class TAufnehmendeQuelle final : public ILevelQuelle {
  public:
    explicit TAufnehmendeQuelle(ILevelQuelle& innen) : innen_(innen) {}
    // Where the bytes go; nothing is kept while unset.
    std::vector<TAufnahmeLevel>* Ziel = nullptr;
    void Vergessen() { gelesen_.clear(); }

    bool AllgemeinLesen(const std::string& pfad) override;
    bool ZellenLesen(const std::string& pfad, std::uint32_t anzahl) override;
    bool BilderLesen(const std::string& pfad) override;

  private:
    void Nehmen(const std::string& datei, const std::string& endung, int teil);

    ILevelQuelle& innen_;
    std::set<std::string> gelesen_;
};

// The recorded levels as files in a temporary folder of their own (removed with the object),
// and the level list that points at them. A level the recording lacks gets a path that does
// not exist, so reading it fails as a missing file does.
class TAbspielOrdner {
  public:
    explicit TAbspielOrdner(const TAufnahme& a);
    ~TAbspielOrdner();
    TAbspielOrdner(const TAbspielOrdner&) = delete;
    TAbspielOrdner& operator=(const TAbspielOrdner&) = delete;

    // False when the folder could not be made or written.
    bool Ok() const { return ok_; }
    std::vector<std::string> Levelliste;

  private:
    std::string ordner_;
    bool ok_ = false;
};
