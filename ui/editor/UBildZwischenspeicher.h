// The block and water pictures scaled to one size, made again only when a set or the size changes,
// so that painting a grid never scales a bitmap.
#pragma once

#include <QPixmap>
#include <QSize>
#include <cstdint>
#include <vector>

#include "files/UBilderPointer.h"

class TBildZwischenspeicher {
  public:
    explicit TBildZwischenspeicher(const TBilderSets& bilder) : bilder_(bilder) {}

    // The picture of a cell's Bild (0-based) in a set, scaled; beyond the end the set's last
    // picture; nullptr while the set is empty. dpr: the screen's device pixels per pixel, so that
    // a high-density screen gets pictures of its own resolution.
    const QPixmap* Bild(std::uint16_t bild, std::uint8_t bildArt, QSize groesse, qreal dpr = 1.0);
    // How often the pictures were scaled (for tests).
    int Skalierungen() const { return skalierungen_; }

  private:
    void Pruefen(QSize groesse, qreal dpr);

    const TBilderSets& bilder_;
    std::uint64_t stand_ = ~std::uint64_t(0);
    QSize groesse_;
    qreal dpr_ = 1.0;
    std::vector<QPixmap> block_;
    std::vector<QPixmap> wasser_;
    int skalierungen_ = 0;
};
