#include "files/UBilderPointer.h"

#include <QDir>
#include <QImageReader>
#include <algorithm>

#include "files/UPfad.h"
#include "model/UAnsi.h"

namespace {

// A broken header must not make us allocate gigabytes.
constexpr int kBildSpeicherGrenzeMB = 256;

const std::string kBildFehlt = "Fehler beim Laden eines Bildes! Bild ist nicht mehr vorhanden";

void LeserEinrichten(QImageReader& leser) {
    QImageReader::setAllocationLimit(kBildSpeicherGrenzeMB);
    leser.setFormat("BMP");
    // Only the bitmap reader may look at the file, whatever its contents claim to be.
    leser.setAutoDetectImageFormat(false);
}

}  // namespace

QImage BitmapLaden(const std::string& pfad) {
    if (!DateiExistiert(pfad)) return {};
    QImageReader leser(QtPfad(pfad));
    LeserEinrichten(leser);
    return leser.read();
}

bool BitmapLesbar(const std::string& pfad) {
    if (!DateiExistiert(pfad)) return false;
    QImageReader leser(QtPfad(pfad));
    LeserEinrichten(leser);
    return leser.canRead();
}

std::string ImOrdner(const std::string& ordner, const std::string& name) {
    if (ordner.empty() || ordner.back() == '/' || ordner.back() == '\\') return ordner + name;
    return ordner + "/" + name;
}

TBilderSets::TBilderSets(TDateiFehler& fehler) : fehler_(fehler) {}

void TBilderSets::StandardOrdner(const std::string& programmordner) {
    Blockbilderordner = programmordner + "Bilder/UnZerstoer/";
    Wasserbilderordner = programmordner + "Bilder/Wasser/";
}

const std::string& TBilderSets::Ordner(std::uint8_t bildArt) const {
    return bildArt == kBlockbilder ? Blockbilderordner : Wasserbilderordner;
}

std::vector<TBildSatzEintrag>& TBilderSets::SatzVon(std::uint8_t bildArt) {
    return bildArt == kBlockbilder ? block_ : wasser_;
}

const std::vector<TBildSatzEintrag>& TBilderSets::Satz(std::uint8_t bildArt) const {
    return bildArt == kBlockbilder ? block_ : wasser_;
}

bool TBilderSets::EintragAnlegen(std::uint8_t bildArt, std::uint16_t nummer,
                                 const std::string& pfad) {
    QImage bild = BitmapLaden(pfad);
    if (bild.isNull()) {
        fehler_.Meldungen().Zeige(TBoxTyp::Fehler, kBildFehlt);
        return false;
    }
    TBildSatzEintrag e;
    e.Daten.BildArt = bildArt;
    e.Daten.Nummer = nummer;
    // The image file stores at most 255 characters of a path.
    e.Daten.Pfad = Utf8Kuerzen(pfad, 255);
    e.Bitmap = std::move(bild);
    SatzVon(bildArt).push_back(std::move(e));
    ++stand_;
    return true;
}

void TBilderSets::OrdnerLaden(const std::string& ordner, std::uint8_t bildArt) {
    QDir dir(QtPfad(ordner));
    // Sorted by name so that every system lists the same pictures in the same order. The suffix is
    // compared here: a name filter would bring in the whole regular expression engine.
    const QStringList namen = dir.entryList(QDir::Files | QDir::Hidden, QDir::Name);
    std::uint16_t nummer = 1;
    // A name the image file cannot hold would be saved as another file's name: left out.
    for (const QString& name : namen)
        if (name.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive) &&
            NichtSpeicherbaresZeichen(name.toStdString()).empty() &&
            EintragAnlegen(bildArt, nummer, ImOrdner(ordner, name.toStdString())))
            ++nummer;
}

void TBilderSets::BilderNeuLaden() {
    AlleFreigeben();
    OrdnerLaden(Blockbilderordner, kBlockbilder);
    OrdnerLaden(Wasserbilderordner, kWasserbilder);
}

bool TBilderSets::BildAnhaengen(const std::string& pfad, std::uint8_t bildArt) {
    const auto nummer = static_cast<std::uint16_t>(SatzVon(bildArt).size() + 1);
    return EintragAnlegen(bildArt, nummer, pfad);
}

bool TBilderSets::EintragAusDatei(const TBildEintrag& e) {
    return EintragAnlegen(e.BildArt, e.Nummer, e.Pfad);
}

const QImage* TBilderSets::BildHolen(std::uint32_t position, std::uint8_t bildArt) const {
    const auto& satz = Satz(bildArt);
    if (satz.empty()) return nullptr;
    const std::size_t i = std::clamp<std::size_t>(position, 1, satz.size()) - 1;
    return &satz[i].Bitmap;
}

std::uint32_t TBilderSets::AnzahlBilder(std::uint8_t bildArt) const {
    return static_cast<std::uint32_t>(Satz(bildArt).size());
}

bool TBilderSets::SchonBenutzt(const std::string& pfad, std::uint8_t bildArt) const {
    const std::string name = Dateiname(pfad);
    const auto& satz = Satz(bildArt);
    return std::any_of(satz.begin(), satz.end(),
                       [&](const TBildSatzEintrag& e) { return Dateiname(e.Daten.Pfad) == name; });
}

void TBilderSets::AlleFreigeben() {
    block_.clear();
    wasser_.clear();
    ++stand_;
}
