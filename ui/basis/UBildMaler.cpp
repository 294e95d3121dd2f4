#include "ui/basis/UBildMaler.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <cmath>

void BombeMalen(QPainter& p, QPointF mitte, double r, double lunte) {
    QRadialGradient g(mitte + QPointF(-r * 0.35, -r * 0.35), r * 1.3);
    g.setColorAt(0, QColor(110, 110, 125));
    g.setColorAt(0.45, QColor(35, 35, 45));
    g.setColorAt(1, QColor(5, 5, 10));
    p.setPen(QPen(QColor(0, 0, 0), r * 0.08));
    p.setBrush(g);
    p.drawEllipse(mitte, r, r);
    // cap and fuse
    p.save();
    p.translate(mitte + QPointF(r * 0.62, -r * 0.62));
    p.rotate(45);
    p.setBrush(QColor(70, 70, 80));
    p.drawRect(QRectF(-r * 0.28, -r * 0.25, r * 0.56, r * 0.4));
    p.restore();
    QPainterPath lunteBahn;
    const QPointF a = mitte + QPointF(r * 0.8, -r * 0.8);
    lunteBahn.moveTo(a);
    lunteBahn.cubicTo(a + QPointF(r * 0.2, -r * 0.5), a + QPointF(r * 0.6, -r * 0.1),
                      a + QPointF(r * 0.55, -r * 0.6));
    QPointF f = a + QPointF(r * 0.55, -r * 0.6);
    if (lunte < 1) {
        // What is left of the fuse, from the cap to the spark.
        const double rest = std::max(0.0, lunte);
        QPainterPath kurz(a);
        for (int i = 1; i <= 12; ++i) kurz.lineTo(lunteBahn.pointAtPercent(rest * i / 12));
        lunteBahn = kurz;
        f = lunteBahn.currentPosition();
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 110, 60), r * 0.13, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lunteBahn);
    // spark
    QRadialGradient funke(f, r * 0.35);
    funke.setColorAt(0, QColor(255, 255, 200));
    funke.setColorAt(0.5, QColor(255, 200, 0, 220));
    funke.setColorAt(1, QColor(255, 80, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(funke);
    p.drawEllipse(f, r * 0.35, r * 0.35);
    // shine
    p.setBrush(QColor(255, 255, 255, 110));
    p.drawEllipse(mitte + QPointF(-r * 0.4, -r * 0.4), r * 0.22, r * 0.15);
}

QPolygonF Stern(QPointF m, double aussen, double innen, int zacken, double drehung) {
    QPolygonF poly;
    for (int i = 0; i < zacken * 2; ++i) {
        const double w = drehung + M_PI * i / zacken;
        const double r = i % 2 ? innen : aussen;
        poly << m + QPointF(std::cos(w) * r, std::sin(w) * r);
    }
    return poly;
}

void FigurMalen(QPainter& p, QRectF r, QColor farbe, TRichtung blick, int schritt) {
    const double s = r.width() / 40.0;
    p.save();
    p.translate(r.topLeft());
    p.scale(s, s);
    const QColor dunkel = farbe.darker(170);
    p.setPen(QPen(QColor(20, 20, 20), 1.2));
    // legs, one ahead of the other while walking
    const double bein = schritt == 1 ? -2 : schritt == 3 ? 2 : 0;
    p.setBrush(QColor(40, 40, 50));
    p.drawRoundedRect(QRectF(13, 29 + bein, 6, 9 - bein), 2, 2);
    p.drawRoundedRect(QRectF(21, 29 - bein, 6, 9 + bein), 2, 2);
    // body
    QLinearGradient g(0, 17, 0, 32);
    g.setColorAt(0, farbe.lighter(130));
    g.setColorAt(1, dunkel);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(11, 17, 18, 15), 5, 5);
    // arms, swinging against the legs
    p.setBrush(farbe);
    p.drawRoundedRect(QRectF(6, 18 - bein / 2, 6, 11), 3, 3);
    p.drawRoundedRect(QRectF(28, 18 + bein / 2, 6, 11), 3, 3);
    // head
    QRadialGradient haut(QPointF(18, 9), 9);
    haut.setColorAt(0, QColor(255, 230, 200));
    haut.setColorAt(1, QColor(225, 175, 135));
    p.setBrush(blick == riOben ? QBrush(farbe) : QBrush(haut));
    p.drawEllipse(QPointF(20, 11), 8, 8);
    // helmet
    QPainterPath helm;
    helm.moveTo(11.5, 10);
    helm.arcTo(QRectF(11.5, 2.5, 17, 15), 180, -180);
    helm.closeSubpath();
    p.setBrush(farbe);
    p.drawPath(helm);
    p.setBrush(Qt::white);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(20, 4.8), 1.6, 1.6);
    if (blick != riOben) {
        // eyes, turned the way it looks
        const double x = blick == riLinks ? -2.5 : blick == riRechts ? 2.5 : 0;
        p.setBrush(QColor(20, 20, 20));
        p.drawEllipse(QPointF(17 + x, 12), 1.3, 1.6);
        p.drawEllipse(QPointF(23 + x, 12), 1.3, 1.6);
        p.setPen(QPen(QColor(120, 40, 30), 1));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(17 + x, 12, 6, 4), 200 * 16, 140 * 16);
    }
    p.restore();
}

void VerlaufMalen(QPainter& p, const QPainterPath& pfad, QPointF von, QPointF bis, QColor a,
                  QColor b, const QPen& rand) {
    QLinearGradient g(von, bis);
    g.setColorAt(0, a);
    g.setColorAt(1, b);
    p.setPen(rand);
    p.setBrush(g);
    p.drawPath(pfad);
}

void GrabMalen(QPainter& p) {
    // grass
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 110, 30));
    p.drawEllipse(QRectF(4, 31, 32, 8));
    // tombstone
    QPainterPath stein;
    stein.moveTo(10, 35);
    stein.lineTo(10, 16);
    stein.arcTo(QRectF(10, 5, 20, 22), 180, -180);
    stein.lineTo(30, 35);
    stein.closeSubpath();
    VerlaufMalen(p, stein, {10, 0}, {30, 0}, QColor(190, 190, 195), QColor(110, 110, 120),
                 QPen(QColor(60, 60, 70), 1.2));
    // cross
    p.setPen(QPen(QColor(70, 70, 80), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 11), QPointF(20, 27));
    p.drawLine(QPointF(15, 16), QPointF(25, 16));
}
