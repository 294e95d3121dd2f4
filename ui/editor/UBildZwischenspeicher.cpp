#include "ui/editor/UBildZwischenspeicher.h"

#include <algorithm>

namespace {

std::vector<QPixmap> Skaliert(const std::vector<TBildSatzEintrag>& satz, QSize groesse, qreal dpr) {
    std::vector<QPixmap> bilder;
    bilder.reserve(satz.size());
    for (const auto& e : satz) {
        bilder.push_back(QPixmap::fromImage(
            e.Bitmap.scaled(groesse * dpr, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
        bilder.back().setDevicePixelRatio(dpr);
    }
    return bilder;
}

}  // namespace

void TBildZwischenspeicher::Pruefen(QSize groesse, qreal dpr) {
    if (bilder_.Stand() == stand_ && groesse == groesse_ && dpr == dpr_) return;
    stand_ = bilder_.Stand();
    groesse_ = groesse;
    dpr_ = dpr;
    block_ = Skaliert(bilder_.Satz(kBlockbilder), groesse, dpr);
    wasser_ = Skaliert(bilder_.Satz(kWasserbilder), groesse, dpr);
    ++skalierungen_;
}

const QPixmap* TBildZwischenspeicher::Bild(std::uint16_t bild, std::uint8_t bildArt, QSize groesse,
                                           qreal dpr) {
    Pruefen(groesse, dpr);
    const auto& satz = bildArt == kBlockbilder ? block_ : wasser_;
    if (satz.empty()) return nullptr;
    return &satz[std::min<std::size_t>(bild, satz.size() - 1)];
}
