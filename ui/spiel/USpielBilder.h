// The pictures of one round, scaled to the cell size once, so that painting never scales.
#pragma once

#include <QColor>
#include <QPixmap>
#include <QSize>
#include <array>
#include <cstdint>
#include <vector>

#include "files/UBilderPointer.h"
#include "model/USpielRecEinstellungen.h"

class TSpielBilder {
  public:
    explicit TSpielBilder(const TBilderSets& bilder) : bilder_(bilder) {}

    // Loads the player and extras pictures the settings name (falling back to the built-in ones)
    // and prepares every picture for cells of this size on this board colour.
    void RundeVorbereiten(const TSpielRecEinstellungen& e, QSize zelle, QColor farbe);
    // The screen's device pixels per cell pixel; a change scales every picture again, so that a
    // high-density screen gets pictures of its own resolution instead of enlarged ones.
    void Pixelverhaeltnis(qreal dpr);
    // Another cell size for the same round (a resized window): every picture scaled once more.
    void Zellgroesse(QSize zelle);
    QSize Zelle() const { return zelle_; }

    // Unscaled, for the status panel.
    const QImage& Spielerbild(int spieler) const { return spieler_[spieler == 1 ? 0 : 1]; }
    const QImage& Extrabild(TExtra x) const { return extras_[ExtraIndex(x)]; }
    // The player has the built-in figure, which moving pictures draw at any size.
    bool EingebauteFigur(int spieler) const { return eingebaut_[spieler == 1 ? 0 : 1]; }

    // Scaled to the cell.
    const QPixmap& Explosion() const { return explosion_; }
    const QPixmap& Bombe() const { return bombe_; }
    const QPixmap& Tot() const { return tot_; }
    const QPixmap& Spieler(int spieler) const { return spielerZelle_[spieler == 1 ? 0 : 1]; }
    const QPixmap& Extra(TExtra x) const { return extrasZelle_[ExtraIndex(x)]; }
    // A block (set 1) or water (set 3) picture by the cell's Bild; beyond the end the last one;
    // nullptr while the set is empty. Rescaled only when a set has changed.
    const QPixmap* Satzbild(std::uint16_t bild, std::uint8_t bildArt);

    // How often the sets were scaled; a test checks that painting does not do it.
    int Skalierungen() const { return skalierungen_; }

  private:
    QPixmap AufZelle(const QImage& bild) const;
    QPixmap MitHintergrund(const QImage& bild) const;
    void Skalieren();

    const TBilderSets& bilder_;
    QSize zelle_{40, 40};
    QColor farbe_;
    qreal dpr_ = 1.0;
    std::array<QImage, 2> spieler_;
    std::array<bool, 2> eingebaut_{};
    std::array<QImage, kExtraAnzahl> extras_;
    QPixmap explosion_, bombe_, tot_;
    std::array<QPixmap, 2> spielerZelle_;
    std::array<QPixmap, kExtraAnzahl> extrasZelle_;

    std::uint64_t stand_ = ~std::uint64_t(0);
    QSize satzGroesse_;
    std::vector<QPixmap> block_, wasser_;
    int skalierungen_ = 0;
};
