// The built-in figures as drawings: the generator draws the shipped 40-pixel pictures with them,
// and the match draws its moving pictures with them at the cell's own size.
#pragma once

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include "model/UTyp.h"

inline const QColor kSpielerBlau(40, 90, 230), kSpielerRot(220, 40, 40);

// A bomb of radius r; `lunte` is the part of its fuse not yet burnt (1: the whole fuse).
void BombeMalen(QPainter& p, QPointF mitte, double r, double lunte = 1.0);
QPolygonF Stern(QPointF m, double aussen, double innen, int zacken, double drehung);
// A figure in r, looking the way it goes; `schritt` 1..4 are its walking frames, 0 standing.
void FigurMalen(QPainter& p, QRectF r, QColor farbe, TRichtung blick = riUnten, int schritt = 0);
// A path filled with a gradient from `von` to `bis`, outlined with `rand`.
void VerlaufMalen(QPainter& p, const QPainterPath& pfad, QPointF von, QPointF bis, QColor a,
                  QColor b, const QPen& rand);
// The grave stone on its grass, in a 40 x 40 square.
void GrabMalen(QPainter& p);
