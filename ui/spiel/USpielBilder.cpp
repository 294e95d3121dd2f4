#include "ui/spiel/USpielBilder.h"

#include <QPainter>
#include <algorithm>

#include "ui/basis/UEingebauteBilder.h"

QPixmap TSpielBilder::AufZelle(const QImage& bild) const {
    QPixmap p = QPixmap::fromImage(
        bild.scaled(zelle_ * dpr_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    p.setDevicePixelRatio(dpr_);
    return p;
}

// As the first version composed a cell: an opaque 41 x 41 scratch picture in the board colour,
// the 40 x 40 picture at its top-left corner, the whole stretched onto the cell.
QPixmap TSpielBilder::MitHintergrund(const QImage& bild) const {
    QImage temp(41, 41, QImage::Format_RGB32);
    temp.fill(farbe_);
    QPainter p(&temp);
    p.drawImage(QRect(0, 0, 40, 40), bild);
    p.end();
    return AufZelle(temp);
}

void TSpielBilder::RundeVorbereiten(const TSpielRecEinstellungen& e, QSize zelle, QColor farbe) {
    zelle_ = zelle.isValid() && !zelle.isEmpty() ? zelle : QSize(1, 1);
    farbe_ = farbe;
    for (int s = 0; s < 2; ++s) {
        bool ausDatei = false;
        spieler_[s] = TransparentMachen(
            BildOderEingebaut(e.Spieler(s + 1).Bild,
                              s == 0 ? TEingebaut::Spieler1 : TEingebaut::Spieler2, &ausDatei));
        eingebaut_[s] = !ausDatei;
    }
    for (const TExtra x : kExtras)
        extras_[ExtraIndex(x)] = BildOderEingebaut(e.ExtraBildPfad(x), ExtraBild(x));
    Skalieren();
}

void TSpielBilder::Pixelverhaeltnis(qreal dpr) {
    if (dpr <= 0 || dpr == dpr_) return;
    dpr_ = dpr;
    Skalieren();
}

void TSpielBilder::Zellgroesse(QSize zelle) {
    if (zelle.isEmpty() || zelle == zelle_) return;
    zelle_ = zelle;
    // Before the first round there is nothing to scale yet.
    if (!spieler_[0].isNull()) Skalieren();
}

void TSpielBilder::Skalieren() {
    explosion_ = MitHintergrund(EingebautesBild(TEingebaut::Explosion));
    bombe_ = MitHintergrund(EingebautesBild(TEingebaut::Bombe));
    tot_ = MitHintergrund(EingebautesBild(TEingebaut::Tot));
    for (int s = 0; s < 2; ++s) spielerZelle_[s] = AufZelle(spieler_[s]);
    for (std::size_t x = 0; x < kExtraAnzahl; ++x) extrasZelle_[x] = AufZelle(extras_[x]);
    stand_ = ~std::uint64_t(0);  // the sets are scaled for the new size when first drawn
}

const QPixmap* TSpielBilder::Satzbild(std::uint16_t bild, std::uint8_t bildArt) {
    if (bilder_.Stand() != stand_ || satzGroesse_ != zelle_) {
        stand_ = bilder_.Stand();
        satzGroesse_ = zelle_;
        block_.clear();
        wasser_.clear();
        for (const auto& eintrag : bilder_.Satz(kBlockbilder))
            block_.push_back(AufZelle(eintrag.Bitmap));
        for (const auto& eintrag : bilder_.Satz(kWasserbilder))
            wasser_.push_back(AufZelle(eintrag.Bitmap));
        ++skalierungen_;
    }
    const auto& satz = bildArt == kBlockbilder ? block_ : wasser_;
    if (satz.empty()) return nullptr;
    return &satz[std::min<std::size_t>(bild, satz.size() - 1)];
}
