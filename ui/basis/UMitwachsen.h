// Widgets laid out at fixed design positions, grown as one: every geometry and font by a factor.
#pragma once

#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QWidget>
#include <vector>

class TMitwachsen {
  public:
    // w and everything in it, as they stand now; w itself at `platz` in the group's design.
    void Merken(QWidget* w, QPoint platz);
    // Places the group at `ursprung`, every part grown by `faktor` (1: the design).
    void Anwenden(double faktor, QPoint ursprung);
    // Once more at the same place and size, after texts have changed.
    void Erneuern() { Anwenden(faktor_, ursprung_); }

  private:
    struct TTeil {
        QPointer<QWidget> W;
        QRect Entwurf;
        qreal Punkte;  // the font's size in points, or -1 when given in pixels
        int Pixel;
        bool Oben;  // placed at the group's origin rather than inside its parent
    };
    std::vector<TTeil> teile_;
    double faktor_ = 1.0;
    QPoint ursprung_;
};
