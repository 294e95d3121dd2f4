#include "ui/editor/UBildZwischenspeicher.h"

#include <algorithm>

namespace {

std::vector<QPixmap> Skaliert(const std::vector<TBildSatzEintrag>& satz, QSize groesse) {
    std::vector<QPixmap> bilder;
    bilder.reserve(satz.size());
    for (const auto& e : satz)
        bilder.push_back(QPixmap::fromImage(
            e.Bitmap.scaled(groesse, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    return bilder;
}

}  // namespace

void TBildZwischenspeicher::Pruefen(QSize groesse) {
    if (bilder_.Stand() == stand_ && groesse == groesse_) return;
    stand_ = bilder_.Stand();
    groesse_ = groesse;
    block_ = Skaliert(bilder_.Satz(kBlockbilder), groesse);
    wasser_ = Skaliert(bilder_.Satz(kWasserbilder), groesse);
    ++skalierungen_;
}

const QPixmap* TBildZwischenspeicher::Bild(std::uint16_t bild, std::uint8_t bildArt,
                                           QSize groesse) {
    Pruefen(groesse);
    const auto& satz = bildArt == kBlockbilder ? block_ : wasser_;
    if (satz.empty()) return nullptr;
    return &satz[std::min<std::size_t>(bild, satz.size() - 1)];
}
