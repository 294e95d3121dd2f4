// The default block and water bitmaps: 40 x 40, 24 bit, no alpha.
#include <QLinearGradient>
#include <QPainterPath>
#include <algorithm>

#include "tools/beispiele/UBilder.h"
#include "tools/beispiele/UZeichnen.h"

namespace {

QImage Block() {
    QImage b(40, 40, QImage::Format_RGB32);
    return b;
}

void Fase(QPainter& p, QColor hell, QColor dunkel) {
    p.setPen(hell);
    p.drawLine(0, 0, 39, 0);
    p.drawLine(0, 0, 0, 39);
    p.setPen(dunkel);
    p.drawLine(0, 39, 39, 39);
    p.drawLine(39, 0, 39, 39);
}

// Courses of stones with joints between, bevelled.
QImage Mauerwerk(QColor stein, QColor fuge, std::uint32_t saat, QColor hell, QColor dunkel) {
    QImage b = Block();
    TRauschen r(saat);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const int reihe = y / 10;
            const int versatz = reihe % 2 ? 10 : 0;
            const bool istFuge = y % 10 == 9 || (x + versatz) % 20 == 19;
            const int v = r.Zahl(22) - 11;
            const QColor c = istFuge ? fuge : stein;
            b.setPixel(x, y,
                       qRgb(std::clamp(c.red() + v, 0, 255), std::clamp(c.green() + v, 0, 255),
                            std::clamp(c.blue() + v, 0, 255)));
        }
    QPainter p(&b);
    Fase(p, hell, dunkel);
    return b;
}

}  // namespace

QImage Fels() {
    QImage b = Block();
    TRauschen r(11);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            const int v = 112 + r.Zahl(28) - (x + y) / 4;
            b.setPixel(x, y, qRgb(v + 6, v + 2, v - 4));
        }
    QPainter p(&b);
    Glatt(p);
    p.setPen(QPen(QColor(60, 58, 55), 1.4));
    p.drawPolyline(QPolygonF() << QPointF(6, 10) << QPointF(14, 16) << QPointF(12, 24)
                               << QPointF(20, 30));
    p.drawPolyline(QPolygonF() << QPointF(26, 4) << QPointF(30, 14) << QPointF(36, 18));
    p.setRenderHint(QPainter::Antialiasing, false);
    Fase(p, QColor(185, 180, 172), QColor(50, 48, 45));
    return b;
}

QImage Kiste() {
    QImage b = Block();
    QPainter p(&b);
    TRauschen r(23);
    for (int y = 0; y < 40; ++y) {
        const int planke = y / 10;
        for (int x = 0; x < 40; ++x) {
            const int v =
                r.Zahl(18) + (planke % 2 ? 8 : 0) + ((x + planke * 7) % 11 == 0 ? -20 : 0);
            b.setPixel(x, y, qRgb(160 + v, 105 + v / 2, 50 + v / 3));
        }
    }
    p.setPen(QColor(95, 60, 25));
    for (int y = 10; y < 40; y += 10) p.drawLine(3, y, 36, y);
    Glatt(p);
    p.setPen(QPen(QColor(110, 70, 30), 5));
    p.drawLine(QPointF(5, 5), QPointF(35, 35));
    p.setPen(QPen(QColor(185, 130, 70), 1.2));
    p.drawLine(QPointF(4, 6), QPointF(34, 36));
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 75, 35));
    p.drawRect(0, 0, 40, 3);
    p.drawRect(0, 37, 40, 3);
    p.drawRect(0, 0, 3, 40);
    p.drawRect(37, 0, 3, 40);
    p.setBrush(QColor(70, 70, 70));
    for (QPoint n : {QPoint(1, 1), QPoint(37, 1), QPoint(1, 37), QPoint(37, 37)})
        p.drawRect(QRect(n, QSize(2, 2)));
    Fase(p, QColor(200, 150, 90), QColor(60, 35, 15));
    return b;
}

QImage Mauer() {
    return Mauerwerk(QColor(140, 140, 150), QColor(70, 70, 78), 5, QColor(200, 200, 210),
                     QColor(40, 40, 45));
}

QImage Ziegel() {
    return Mauerwerk(QColor(175, 65, 45), QColor(215, 200, 180), 9, QColor(225, 120, 95),
                     QColor(90, 30, 20));
}

QImage Wasser(int phase) {
    const QColor tief = phase ? QColor(10, 50, 130) : QColor(20, 70, 170);
    const QColor hell = phase ? QColor(40, 110, 200) : QColor(70, 140, 230);
    QImage b = Block();
    QPainter p(&b);
    QLinearGradient g(0, 0, 40, 40);
    g.setColorAt(0, hell);
    g.setColorAt(1, tief);
    p.fillRect(b.rect(), g);
    Glatt(p);
    p.setPen(QPen(QColor(220, 240, 255, 170), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (int reihe = 0; reihe < 4; ++reihe) {
        const double y = 6 + reihe * 10 + (phase ? 4 : 0);
        const double x0 = (reihe % 2 ? 4 : 12) + phase * 6;
        QPainterPath welle;
        welle.moveTo(x0 - 12, y);
        welle.quadTo(x0 - 6, y - 4, x0, y);
        welle.quadTo(x0 + 6, y + 4, x0 + 12, y);
        welle.quadTo(x0 + 18, y - 4, x0 + 24, y);
        p.drawPath(welle);
    }
    return b;
}
