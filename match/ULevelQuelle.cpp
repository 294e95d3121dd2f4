#include "match/ULevelQuelle.h"

#include <algorithm>

#include "files/UDatei.h"

bool TLevelDateiQuelle::AllgemeinLesen(const std::string& pfad) {
    return dateien_.AllgemeinLesen(pfad);
}

bool TLevelDateiQuelle::ZellenLesen(const std::string& pfad, std::uint32_t anzahl) {
    return dateien_.ZellenLesen(pfad, anzahl);
}

bool TLevelDateiQuelle::BilderLesen(const std::string& pfad) {
    return dateien_.BilderLesen(pfad) && BilderEntscheiden;
}

void TSpeicherLevel::Hinzufuegen(const std::string& pfad, const TFeldDaten& geometrie,
                                 std::vector<TZelle> zellen) {
    level_[pfad] = {geometrie, std::move(zellen)};
}

std::string TSpeicherLevel::OhneEndung(const std::string& pfad, const std::string& endung) {
    if (pfad.size() < endung.size() ||
        pfad.compare(pfad.size() - endung.size(), endung.size(), endung) != 0)
        return {};
    return pfad.substr(0, pfad.size() - endung.size());
}

bool TSpeicherLevel::AllgemeinLesen(const std::string& pfad) {
    Gelesen.push_back(pfad);
    const auto it = level_.find(OhneEndung(pfad, ".all"));
    if (it == level_.end()) return true;
    feld_.SetzeFeldDaten(it->second.Geometrie);
    return false;
}

bool TSpeicherLevel::ZellenLesen(const std::string& pfad, std::uint32_t anzahl) {
    Gelesen.push_back(pfad);
    const auto it = level_.find(pfad);
    if (it == level_.end()) return true;
    const auto& zellen = it->second.Zellen;
    const std::uint32_t n = std::min<std::uint32_t>(anzahl, feld_.AnzahlKnoten());
    if (zellen.size() < n) return true;
    for (std::uint32_t i = 1; i <= n; ++i)
        TSpielfeld::SetzeZellenDaten(feld_.KnotenBei(i), zellen[i - 1]);
    return false;
}

bool TSpeicherLevel::BilderLesen(const std::string& pfad) {
    Gelesen.push_back(pfad);
    return level_.find(OhneEndung(pfad, ".bild")) == level_.end();
}
