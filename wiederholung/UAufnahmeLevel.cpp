#include "wiederholung/UAufnahmeLevel.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unordered_map>

#include "files/UDateiInhalt.h"

namespace fs = std::filesystem;

namespace {

// Level files are small; a larger one is not kept (its replay then reports it missing).
constexpr std::size_t kLevelMax = 16u << 20;

std::string OhneEndung(const std::string& pfad, const std::string& endung) {
    if (pfad.size() >= endung.size() &&
        pfad.compare(pfad.size() - endung.size(), endung.size(), endung) == 0)
        return pfad.substr(0, pfad.size() - endung.size());
    return pfad;
}

bool Schreiben(const std::string& pfad, const std::string& inhalt) {
    std::ofstream f(pfad, std::ios::binary | std::ios::trunc);
    f.write(inhalt.data(), std::streamsize(inhalt.size()));
    f.close();
    return !f.fail();
}

}  // namespace

void TAufnehmendeQuelle::Nehmen(const std::string& datei, const std::string& endung, int teil) {
    if (!Ziel || !gelesen_.insert(datei).second) return;
    const std::string level = OhneEndung(datei, endung);
    TAufnahmeLevel* l = nullptr;
    for (auto& x : *Ziel)
        if (x.Pfad == level) l = &x;
    if (!l) l = &Ziel->emplace_back(TAufnahmeLevel{level, {}, {}, {}});
    std::optional<std::string>* ziele[3] = {&l->Allgemein, &l->Zellen, &l->Bilder};
    *ziele[teil] = DateiInhalt(datei, kLevelMax);
}

bool TAufnehmendeQuelle::AllgemeinLesen(const std::string& pfad) {
    Nehmen(pfad, ".all", 0);
    return innen_.AllgemeinLesen(pfad);
}

bool TAufnehmendeQuelle::ZellenLesen(const std::string& pfad, std::uint32_t anzahl) {
    Nehmen(pfad, "", 1);
    return innen_.ZellenLesen(pfad, anzahl);
}

bool TAufnehmendeQuelle::BilderLesen(const std::string& pfad) {
    Nehmen(pfad, ".bild", 2);
    return innen_.BilderLesen(pfad);
}

TAbspielOrdner::TAbspielOrdner(const TAufnahme& a) {
    std::error_code f;
    std::string muster = (fs::temp_directory_path(f) / "knallfeld-wdh-XXXXXX").string();
    if (f || !mkdtemp(muster.data())) return;
    ordner_ = muster + "/";
    ok_ = true;
    for (std::size_t i = 0; i < a.Level.size(); ++i) {
        const std::string basis = ordner_ + std::to_string(i) + ".dat";
        const TAufnahmeLevel& l = a.Level[i];
        if (l.Allgemein) ok_ = Schreiben(basis + ".all", *l.Allgemein) && ok_;
        if (l.Zellen) ok_ = Schreiben(basis, *l.Zellen) && ok_;
        if (l.Bilder) ok_ = Schreiben(basis + ".bild", *l.Bilder) && ok_;
    }
    std::unordered_map<std::string, std::size_t> nummer;
    for (std::size_t i = 0; i < a.Level.size(); ++i) nummer[a.Level[i].Pfad] = i;
    for (const std::string& pfad : a.Levelliste) {
        const auto n = nummer.find(pfad);
        Levelliste.push_back(
            ordner_ + (n == nummer.end() ? std::string("fehlt") : std::to_string(n->second)) +
            ".dat");
    }
}

TAbspielOrdner::~TAbspielOrdner() {
    std::error_code f;
    if (!ordner_.empty()) fs::remove_all(ordner_, f);
}
