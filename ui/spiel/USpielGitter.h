// The match's board grid: draws every cell from the board and hands every key press on it to the
// players, and to nothing else.
#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "model/UPointer.h"

class TSpielBilder;

class TSpielGitter : public QWidget {
    Q_OBJECT
  public:
    TSpielGitter(TSpielfeld& feld, TSpielBilder& bilder, QWidget* eltern = nullptr);

    // (w + 1) x B + 3 by (h + 1) x H + 3: a line between cells and a two-pixel frame.
    static QSize Groesse(const TFeldDaten& g);
    static QSize Groesse(const TFeldDaten& g, QSize zelle);
    // Takes the geometry's size, colour and cell size.
    void Einrichten(const TFeldDaten& g);
    // Draws the cells at another size (a resized window); the pictures follow, scaled once.
    void Zellgroesse(QSize zelle);
    QSize Zelle() const { return zelle_; }
    const TFeldDaten& Geometrie() const { return g_; }
    QRect ZellRechteck(int spalte, int zeile) const;

    // Called with the virtual-key code of every key press, auto-repeat included.
    std::function<void(std::uint16_t)> TasteGedrueckt;

    // Draws one cell as its kind says (DrawFeld).
    void DrawFeld(QPainter& p, int spalte, int zeile, const QRect& r);

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    TSpielfeld& feld_;
    TSpielBilder& bilder_;
    TFeldDaten g_;
    QSize zelle_;
};
