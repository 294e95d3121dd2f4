// The built-in pictures: 40 x 40 with alpha, and the title picture.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <functional>

#include "tools/beispiele/UBilder.h"
#include "tools/beispiele/UZeichnen.h"
#include "ui/basis/UBildMaler.h"

namespace {

const QColor kBlau = kSpielerBlau, kRot = kSpielerRot;

void Kachel(QPainter& p, QColor farbe) {
    QLinearGradient g(0, 0, 0, 40);
    g.setColorAt(0, farbe.lighter(150));
    g.setColorAt(1, farbe.darker(130));
    p.setPen(QPen(farbe.darker(200), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 37, 37), 7, 7);
}

// A 40 x 40 picture with alpha, drawn smooth.
QImage Gemalt(const std::function<void(QPainter&)>& malen) {
    QImage b(40, 40, QImage::Format_ARGB32);
    b.fill(Qt::transparent);
    QPainter p(&b);
    Glatt(p);
    malen(p);
    return b;
}

}  // namespace

QImage Bombe() {
    return Gemalt([&](QPainter& p) { BombeMalen(p, QPointF(18, 23), 12.5); });
}

QImage Explosion() {
    return Gemalt([&](QPainter& p) {
        const QPointF m(20, 20);
        QRadialGradient g(m, 21);
        g.setColorAt(0, QColor(255, 255, 230));
        g.setColorAt(0.3, QColor(255, 230, 60));
        g.setColorAt(0.65, QColor(255, 130, 0));
        g.setColorAt(1, QColor(200, 30, 0));
        p.setPen(QPen(QColor(170, 30, 0), 1));
        p.setBrush(g);
        p.drawPolygon(Stern(m, 21, 12, 10, 0.2));
        QRadialGradient kern(m, 10);
        kern.setColorAt(0, QColor(255, 255, 255));
        kern.setColorAt(1, QColor(255, 240, 120, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(kern);
        p.drawPolygon(Stern(m, 11, 6, 7, 0.6));
    });
}

QImage Tot() {
    return Gemalt(GrabMalen);
}

QImage Spieler(int nr) {
    return Gemalt(
        [&](QPainter& p) { FigurMalen(p, QRectF(0, 0, 40, 40), nr == 1 ? kBlau : kRot); });
}

QImage Werfen() {
    return Gemalt([&](QPainter& p) {
        Kachel(p, QColor(240, 140, 30));
        BombeMalen(p, QPointF(13, 27), 7);
        QPainterPath bogen;
        bogen.moveTo(16, 17);
        bogen.quadTo(20, 4, 33, 9);
        p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(bogen);
        p.setBrush(Qt::white);
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF() << QPointF(35, 10) << QPointF(27, 4.5) << QPointF(28, 14));
    });
}

QImage MehrBomben() {
    return Gemalt([&](QPainter& p) {
        Kachel(p, QColor(60, 120, 220));
        BombeMalen(p, QPointF(12, 27), 7);
        BombeMalen(p, QPointF(24, 29), 6);
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(29, 6), QPointF(29, 18));
        p.drawLine(QPointF(23, 12), QPointF(35, 12));
    });
}

QImage Unverwundbar() {
    return Gemalt([&](QPainter& p) {
        Kachel(p, QColor(235, 200, 40));
        QPainterPath schild;
        schild.moveTo(20, 6);
        schild.lineTo(32, 10);
        schild.cubicTo(32, 22, 27, 30, 20, 35);
        schild.cubicTo(13, 30, 8, 22, 8, 10);
        schild.closeSubpath();
        VerlaufMalen(p, schild, {8, 0}, {32, 0}, QColor(230, 235, 245), QColor(120, 140, 170),
                     QPen(QColor(50, 60, 90), 1.5));
        p.setBrush(QColor(220, 40, 40));
        p.setPen(Qt::NoPen);
        p.drawPolygon(Stern(QPointF(20, 18), 7, 3, 5, -M_PI / 2));
    });
}

QImage Krankheit() {
    return Gemalt([&](QPainter& p) {
        Kachel(p, QColor(140, 60, 170));
        QRadialGradient g(QPointF(17, 16), 14);
        g.setColorAt(0, QColor(190, 240, 120));
        g.setColorAt(1, QColor(70, 150, 40));
        p.setPen(QPen(QColor(30, 80, 20), 1.3));
        p.setBrush(g);
        p.drawEllipse(QPointF(20, 20), 12, 12);
        // crossed-out eyes and a wavy mouth
        p.setPen(QPen(QColor(30, 50, 20), 1.8, Qt::SolidLine, Qt::RoundCap));
        for (double x : {15.0, 25.0}) {
            p.drawLine(QPointF(x - 2.5, 14.5), QPointF(x + 2.5, 19.5));
            p.drawLine(QPointF(x - 2.5, 19.5), QPointF(x + 2.5, 14.5));
        }
        QPainterPath mund;
        mund.moveTo(13, 26);
        for (int i = 0; i < 4; ++i)
            mund.quadTo(14.75 + i * 3.5, i % 2 ? 28.5 : 23.5, 16.5 + i * 3.5, 26);
        p.setBrush(Qt::NoBrush);
        p.drawPath(mund);
    });
}

QImage Titel(int faktor) {
    // Drawn in 400 x 400 units, at twice the pixels for high-density screens; the game decodes only
    // the one its screen needs, as decoding the large one costs more than the rest of the start.
    QImage b(400 * faktor, 400 * faktor, QImage::Format_ARGB32);
    b.setDevicePixelRatio(faktor);
    QPainter p(&b);
    Glatt(p);
    QLinearGradient himmel(0, 0, 0, 400);
    himmel.setColorAt(0, QColor(20, 30, 80));
    himmel.setColorAt(0.55, QColor(80, 40, 110));
    himmel.setColorAt(1, QColor(20, 20, 40));
    p.fillRect(b.rect(), himmel);
    // the board, seen from above
    TRauschen r(7);
    for (int zeile = 0; zeile < 4; ++zeile)
        for (int spalte = 0; spalte < 10; ++spalte) {
            const QRectF zelle(spalte * 40, 240 + zeile * 40, 39, 39);
            const int art = r.Zahl(6);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 110 + r.Zahl(20), 0));
            p.drawRect(zelle);
            if (art == 0) {
                p.setBrush(QColor(150, 95, 45));
                p.drawRect(zelle.adjusted(3, 3, -3, -3));
                p.setPen(QPen(QColor(90, 55, 25), 2));
                p.drawLine(zelle.topLeft() + QPointF(5, 5), zelle.bottomRight() - QPointF(5, 5));
            } else if (art == 1) {
                p.setBrush(QColor(120, 120, 130));
                p.drawRect(zelle.adjusted(1, 1, -1, -1));
            }
        }
    // blast behind the bomb
    const QPointF m(200, 230);
    QRadialGradient knall(m, 150);
    knall.setColorAt(0, QColor(255, 255, 220));
    knall.setColorAt(0.25, QColor(255, 220, 60));
    knall.setColorAt(0.6, QColor(255, 110, 0, 230));
    knall.setColorAt(1, QColor(200, 20, 0, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(knall);
    p.drawPolygon(Stern(m, 150, 80, 14, 0.1));
    BombeMalen(p, QPointF(196, 244), 58);
    // the two players
    FigurMalen(p, QRectF(22, 286, 96, 96), kBlau);
    FigurMalen(p, QRectF(282, 286, 96, 96), kRot);
    // title
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(54);
    QPainterPath text;
    text.addText(0, 0, f, QStringLiteral("KNALLFELD"));
    const QRectF tr = text.boundingRect();
    text.translate(200 - tr.center().x(), 86 - tr.center().y());
    QLinearGradient gold(0, 50, 0, 115);
    gold.setColorAt(0, QColor(255, 240, 120));
    gold.setColorAt(1, QColor(255, 140, 0));
    p.setPen(QPen(QColor(90, 20, 0), 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawPath(text);
    QFont klein(QStringLiteral("DejaVu Sans"));
    klein.setPixelSize(18);
    p.setFont(klein);
    p.setPen(QColor(230, 230, 255));
    p.drawText(QRectF(0, 118, 400, 26), Qt::AlignCenter,
               QStringLiteral("Bomben, Wasser und zwei Spieler"));
    return b;
}
