// The editor's field grid: draws every cell of the board and reports each newly current cell
// (click, also on the current one; moving onto another cell with the button held; arrow keys).
#pragma once

#include <QPoint>
#include <QWidget>

#include "model/UPointer.h"
#include "ui/editor/UBildZwischenspeicher.h"

class TFeldGitter : public QWidget {
    Q_OBJECT
  public:
    TFeldGitter(TSpielfeld& feld, TBilderSets& bilder, QWidget* parent = nullptr);

    // Size and current cell for the present geometry: (EB + 1) x B + 3 by (EH + 1) x H + 3.
    void Aufbauen();
    static QSize Groesse(const TFeldDaten& g);
    // Where cell (spalte, zeile) is drawn.
    QRect ZellRechteck(int spalte, int zeile) const;
    QPoint ZelleBeiPunkt(QPoint p) const;
    void ZelleNeuZeichnen(int spalte, int zeile);

  signals:
    void ZelleGewaehlt(int spalte, int zeile);

  protected:
    void paintEvent(QPaintEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void focusInEvent(QFocusEvent*) override { update(); }
    void focusOutEvent(QFocusEvent*) override { update(); }

  private:
    void Waehlen(QPoint zelle);

    TSpielfeld& feld_;
    TBildZwischenspeicher bilder_;
    QPoint aktuell_;
};
