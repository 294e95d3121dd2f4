// Draws the built-in pictures, the default block and water bitmaps and writes the sample levels.
// Its output is kept in the repository; run it again only to change the artwork or the levels:
//   build/knallfeld-beispiele /path/to/repository
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "editor/UEditorFeldTest.h"
#include "files/URecords.h"
#include "model/UPointer.h"

namespace {

QString ziel;

// A small deterministic noise source, so that the pictures come out the same every run.
struct TRauschen {
    std::uint32_t s;
    explicit TRauschen(std::uint32_t saat) : s(saat) {}
    int Zahl(int n) {
        s = s * 1664525u + 1013904223u;
        return int((s >> 8) % std::uint32_t(n));
    }
};

void Speichern(const QImage& bild, const QString& datei, const char* format) {
    const QString pfad = ziel + "/" + datei;
    QDir().mkpath(QFileInfo(pfad).absolutePath());
    if (!bild.save(pfad, format)) std::fprintf(stderr, "cannot write %s\n", qPrintable(pfad));
}

QImage Leer(int w, int h) {
    QImage b(w, h, QImage::Format_ARGB32);
    b.fill(Qt::transparent);
    return b;
}

void Glatt(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// ---- Built-in pictures ----

void BombeMalen(QPainter& p, QPointF mitte, double r) {
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
    QPainterPath lunte;
    const QPointF a = mitte + QPointF(r * 0.8, -r * 0.8);
    lunte.moveTo(a);
    lunte.cubicTo(a + QPointF(r * 0.2, -r * 0.5), a + QPointF(r * 0.6, -r * 0.1),
                  a + QPointF(r * 0.55, -r * 0.6));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 110, 60), r * 0.13, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(lunte);
    // spark
    const QPointF f = a + QPointF(r * 0.55, -r * 0.6);
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

QImage Bombe() {
    QImage b = Leer(40, 40);
    QPainter p(&b);
    Glatt(p);
    BombeMalen(p, QPointF(18, 23), 12.5);
    return b;
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

QImage Explosion() {
    QImage b = Leer(40, 40);
    QPainter p(&b);
    Glatt(p);
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
    return b;
}

QImage Tot() {
    QImage b = Leer(40, 40);
    QPainter p(&b);
    Glatt(p);
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
    QLinearGradient g(10, 0, 30, 0);
    g.setColorAt(0, QColor(190, 190, 195));
    g.setColorAt(1, QColor(110, 110, 120));
    p.setPen(QPen(QColor(60, 60, 70), 1.2));
    p.setBrush(g);
    p.drawPath(stein);
    // cross
    p.setPen(QPen(QColor(70, 70, 80), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 11), QPointF(20, 27));
    p.drawLine(QPointF(15, 16), QPointF(25, 16));
    return b;
}

void FigurMalen(QPainter& p, QRectF r, QColor farbe) {
    const double s = r.width() / 40.0;
    p.save();
    p.translate(r.topLeft());
    p.scale(s, s);
    const QColor dunkel = farbe.darker(170);
    p.setPen(QPen(QColor(20, 20, 20), 1.2));
    // legs
    p.setBrush(QColor(40, 40, 50));
    p.drawRoundedRect(QRectF(13, 29, 6, 9), 2, 2);
    p.drawRoundedRect(QRectF(21, 29, 6, 9), 2, 2);
    // body
    QLinearGradient g(0, 17, 0, 32);
    g.setColorAt(0, farbe.lighter(130));
    g.setColorAt(1, dunkel);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(11, 17, 18, 15), 5, 5);
    // arms
    p.setBrush(farbe);
    p.drawRoundedRect(QRectF(6, 18, 6, 11), 3, 3);
    p.drawRoundedRect(QRectF(28, 18, 6, 11), 3, 3);
    // head
    QRadialGradient haut(QPointF(18, 9), 9);
    haut.setColorAt(0, QColor(255, 230, 200));
    haut.setColorAt(1, QColor(225, 175, 135));
    p.setBrush(haut);
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
    // eyes
    p.setBrush(QColor(20, 20, 20));
    p.drawEllipse(QPointF(17, 12), 1.3, 1.6);
    p.drawEllipse(QPointF(23, 12), 1.3, 1.6);
    p.setPen(QPen(QColor(120, 40, 30), 1));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(17, 12, 6, 4), 200 * 16, 140 * 16);
    p.restore();
}

QImage Spieler(QColor farbe) {
    QImage b = Leer(40, 40);
    QPainter p(&b);
    Glatt(p);
    FigurMalen(p, QRectF(0, 0, 40, 40), farbe);
    return b;
}

void Kachel(QPainter& p, QColor farbe) {
    QLinearGradient g(0, 0, 0, 40);
    g.setColorAt(0, farbe.lighter(150));
    g.setColorAt(1, farbe.darker(130));
    p.setPen(QPen(farbe.darker(200), 1.5));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(1.5, 1.5, 37, 37), 7, 7);
}

QImage Werfen() {
    QImage b = Leer(40, 40);
    QPainter p(&b);
    Glatt(p);
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
    return b;
}

QImage MehrBomben() {
    QImage b = Leer(40, 40);
    QPainter p(&b);
    Glatt(p);
    Kachel(p, QColor(60, 120, 220));
    BombeMalen(p, QPointF(12, 27), 7);
    BombeMalen(p, QPointF(24, 29), 6);
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(29, 6), QPointF(29, 18));
    p.drawLine(QPointF(23, 12), QPointF(35, 12));
    return b;
}

QImage Unverwundbar() {
    QImage b = Leer(40, 40);
    QPainter p(&b);
    Glatt(p);
    Kachel(p, QColor(235, 200, 40));
    QPainterPath schild;
    schild.moveTo(20, 6);
    schild.lineTo(32, 10);
    schild.cubicTo(32, 22, 27, 30, 20, 35);
    schild.cubicTo(13, 30, 8, 22, 8, 10);
    schild.closeSubpath();
    QLinearGradient g(8, 0, 32, 0);
    g.setColorAt(0, QColor(230, 235, 245));
    g.setColorAt(1, QColor(120, 140, 170));
    p.setPen(QPen(QColor(50, 60, 90), 1.5));
    p.setBrush(g);
    p.drawPath(schild);
    p.setBrush(QColor(220, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawPolygon(Stern(QPointF(20, 18), 7, 3, 5, -M_PI / 2));
    return b;
}

QImage Krankheit() {
    QImage b = Leer(40, 40);
    QPainter p(&b);
    Glatt(p);
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
    return b;
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
    FigurMalen(p, QRectF(22, 286, 96, 96), QColor(40, 90, 230));
    FigurMalen(p, QRectF(282, 286, 96, 96), QColor(220, 40, 40));
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

// ---- Block and water bitmaps (24 bit, no alpha) ----

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

void Mauerwerk(QImage& b, QColor stein, QColor fuge, std::uint32_t saat) {
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
}

QImage Mauer() {
    QImage b = Block();
    Mauerwerk(b, QColor(140, 140, 150), QColor(70, 70, 78), 5);
    QPainter p(&b);
    Fase(p, QColor(200, 200, 210), QColor(40, 40, 45));
    return b;
}

QImage Ziegel() {
    QImage b = Block();
    Mauerwerk(b, QColor(175, 65, 45), QColor(215, 200, 180), 9);
    QPainter p(&b);
    Fase(p, QColor(225, 120, 95), QColor(90, 30, 20));
    return b;
}

QImage Wasser(int phase, QColor tief, QColor hell) {
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

// ---- Sample levels ----

struct TLevelPlan {
    const char* Datei;
    const char* Name;
    std::uint16_t EinzelBreite, EinzelHoehe;
    std::uint32_t Farbe;
    std::vector<std::string> Zeilen;
};

// Pictures by position in the level's image file (the block folder, sorted by name, and the
// water folder): fels 0, kiste 1, mauer 2, ziegel 3; wasser1 0, wasser2 1.
TZelle ZelleVon(char c) {
    switch (c) {
        case '+':
            return {zaZerstoerbar, 1, false};
        case '%':
            return {zaZerstoerbar, 3, false};
        case '#':
            return {zaUnzerstoerbar, 2, false};
        case '@':
            return {zaUnzerstoerbar, 0, false};
        case '~':
            return {zaWasser, 0, false};
        case 'w':
            return {zaWasser, 1, false};
        case '1':
            return {zaSpieler1, 0, false};
        case '2':
            return {zaSpieler2, 0, false};
        default:
            return {zaFrei, 0, false};
    }
}

bool Schreiben(const QString& pfad, const TBytes& bytes) {
    QFile f(pfad);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return f.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size())) ==
           qint64(bytes.size());
}

bool LevelSchreiben(const TLevelPlan& plan) {
    TSpielfeld feld;
    TFeldDaten g;
    g.Name = plan.Name;
    g.SpielHoehe = std::uint16_t(plan.Zeilen.size());
    g.SpielBreite = std::uint16_t(plan.Zeilen.front().size());
    g.EinzelBreite = plan.EinzelBreite;
    g.EinzelHoehe = plan.EinzelHoehe;
    g.Farbe = plan.Farbe;
    feld.SetzeFeldDaten(g);
    feld.ErzeugeFeld(feld.Zellenzahl());
    TBytes zellen;
    for (std::size_t z = 0; z < plan.Zeilen.size(); ++z) {
        if (plan.Zeilen[z].size() != g.SpielBreite) {
            std::fprintf(stderr, "%s: row %zu has the wrong width\n", plan.Name, z);
            return false;
        }
        for (std::size_t s = 0; s < g.SpielBreite; ++s) {
            const TZelle c = ZelleVon(plan.Zeilen[z][s]);
            TSpielfeld::SetzeZellenDaten(feld.KnotenBei(feld.IndexVon(s, z)), c);
            const TBytes b = PackeZelle(c);
            zellen.insert(zellen.end(), b.begin(), b.end());
        }
    }
    const TFeldFehler fehler = PruefeFeld(feld);
    if (fehler != 0) {
        std::fprintf(stderr, "%s fails the level check with code %d\n", plan.Name, fehler);
        return false;
    }
    TBytes bilder;
    const char* bloecke[] = {"fels.bmp", "kiste.bmp", "mauer.bmp", "ziegel.bmp"};
    const char* wasser[] = {"wasser1.bmp", "wasser2.bmp"};
    auto eintrag = [&](std::uint8_t art, std::uint16_t nr, const char* name) {
        // Only the file name: the level finds its pictures in the current image folders.
        const TBytes b = PackeBildEintrag({art, nr, name});
        bilder.insert(bilder.end(), b.begin(), b.end());
    };
    for (std::uint16_t i = 0; i < 4; ++i) eintrag(1, i + 1, bloecke[i]);
    for (std::uint16_t i = 0; i < 2; ++i) eintrag(3, i + 1, wasser[i]);

    const QString basis = ziel + "/Spielfelder/" + plan.Datei;
    QDir().mkpath(ziel + "/Spielfelder");
    return Schreiben(basis, zellen) && Schreiben(basis + ".all", PackeFeldDaten(g)) &&
           Schreiben(basis + ".bild", bilder);
}

// A small picture of a level for the README: its pictures at 10 pixels a cell on its colour.
void Vorschau(const TLevelPlan& plan) {
    constexpr int kZelle = 10;
    const int h = int(plan.Zeilen.size()), w = int(plan.Zeilen.front().size());
    QImage b(w * kZelle, h * kZelle, QImage::Format_RGB32);
    const std::uint32_t f = plan.Farbe;  // 0x00BBGGRR
    b.fill(QColor(int(f & 0xFF), int((f >> 8) & 0xFF), int((f >> 16) & 0xFF)));
    const QImage fels = Fels(), kiste = Kiste(), mauer = Mauer(), ziegel = Ziegel();
    const QImage wasser1 = Wasser(0, QColor(20, 70, 170), QColor(70, 140, 230));
    const QImage wasser2 = Wasser(1, QColor(10, 50, 130), QColor(40, 110, 200));
    const QImage eins = Spieler(QColor(40, 90, 230)), zwei = Spieler(QColor(220, 40, 40));
    QPainter p(&b);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    for (int r = 0; r < h; ++r)
        for (int c = 0; c < w; ++c) {
            const QImage* bild = nullptr;
            switch (plan.Zeilen[std::size_t(r)][std::size_t(c)]) {
                case '@':
                    bild = &fels;
                    break;
                case '+':
                    bild = &kiste;
                    break;
                case '#':
                    bild = &mauer;
                    break;
                case '%':
                    bild = &ziegel;
                    break;
                case '~':
                    bild = &wasser1;
                    break;
                case 'w':
                    bild = &wasser2;
                    break;
                case '1':
                    bild = &eins;
                    break;
                case '2':
                    bild = &zwei;
                    break;
                default:
                    break;
            }
            if (bild) p.drawImage(QRect(c * kZelle, r * kZelle, kZelle, kZelle), *bild);
        }
    p.end();
    QString name = QString::fromUtf8(plan.Datei);
    name.chop(4);
    Speichern(b, "docs/level/" + name + ".png", "PNG");
}

// A maze of walls on the even rows and columns, carved by a depth-first walk from a fixed seed,
// with some walls made bricks (loops once blasted) and a crate in one of 'kisten' dead ends; the
// players in opposite corners.
std::vector<std::string> Labyrinth(int breite, int hoehe, std::uint32_t saat, int kisten) {
    std::vector<std::string> z(std::size_t(hoehe), std::string(std::size_t(breite), '#'));
    std::uint32_t x = saat;
    auto zufall = [&](std::uint32_t n) {
        x = x * 1664525u + 1013904223u;
        return (x >> 16) % n;
    };
    auto zelle = [&](int r, int c) -> char& { return z[std::size_t(r)][std::size_t(c)]; };
    std::vector<std::pair<int, int>> stapel{{0, 0}};
    zelle(0, 0) = '.';
    const int dr[4] = {-2, 0, 0, 2}, dc[4] = {0, -2, 2, 0};
    while (!stapel.empty()) {
        const auto [r, c] = stapel.back();
        int wege[4], n = 0;
        for (int i = 0; i < 4; ++i) {
            const int rr = r + dr[i], cc = c + dc[i];
            if (rr >= 0 && rr < hoehe && cc >= 0 && cc < breite && zelle(rr, cc) == '#')
                wege[n++] = i;
        }
        if (n == 0) {
            stapel.pop_back();
            continue;
        }
        const int i = wege[zufall(std::uint32_t(n))];
        zelle(r + dr[i] / 2, c + dc[i] / 2) = '.';
        zelle(r + dr[i], c + dc[i]) = '.';
        stapel.push_back({r + dr[i], c + dc[i]});
    }
    // Loops: a wall between two corridors becomes a crate now and then.
    for (int r = 1; r + 1 < hoehe; ++r)
        for (int c = 1; c + 1 < breite; ++c)
            if (zelle(r, c) == '#' && (r + c) % 2 == 1 && zufall(6) == 0) zelle(r, c) = '%';
    // Crates only in dead ends, where they close no way: a slow player cannot get away from a
    // bomb in a corridor.
    for (int r = 0; r < hoehe; ++r)
        for (int c = 0; c < breite; ++c) {
            if (zelle(r, c) != '.' || r + c <= 3 || (hoehe - r) + (breite - c) <= 5) continue;
            int offen = 0;
            for (int i = 0; i < 4; ++i) {
                const int rr = r + dr[i] / 2, cc = c + dc[i] / 2;
                offen += rr >= 0 && rr < hoehe && cc >= 0 && cc < breite && zelle(rr, cc) != '#';
            }
            if (offen == 1 && zufall(std::uint32_t(kisten)) == 0) zelle(r, c) = '+';
        }
    zelle(0, 0) = '1';
    zelle(hoehe - 1, breite - 1) = '2';
    return z;
}

std::vector<TLevelPlan> Plaene() {
    std::vector<TLevelPlan> p;
    p.push_back({"Arena.dat",
                 "Arena",
                 40,
                 40,
                 0x00008000,
                 {
                     "1..+.+.++..++.+.+...",
                     ".#.#+#.#+#.#+#.#+#+.",
                     "..+..+.+..+.+.+..+..",
                     "+#.#+#.#.#+#.#+#.#.+",
                     ".+.+..+.++.+..+.+.+.",
                     ".#+#.#+#.#.#+#.#+#..",
                     "+..+.+..+.+..+.+..+.",
                     ".#.#+#.#+#.#+#.#.#+.",
                     ".+.+..+.+..+.+..+.+.",
                     "+#.#.#+#.#+#.#+#.#.+",
                     "..+.+..+.++.+..+.+..",
                     ".#+#.#.#+#.#+#.#+#..",
                     "+..+.+.+..+.+.+..+.+",
                     ".#.#+#.#+#.#.#+#.#+.",
                     "..+.+.+..++.+.+.+...",
                     "...+.+.++..++.+.+..2",
                 }});
    p.push_back({"Wassergraben.dat",
                 "Wassergraben",
                 40,
                 40,
                 0x00228B22,
                 {
                     "1...+.+..%~~%..+.+..",
                     ".#.#+#.#+%~~%+#.#.#.",
                     "..++.+.+.%~~%.+..++.",
                     "+#.#+#+#.%~~%.#+#.#+",
                     ".+.+.++.+%~~%+.+.+..",
                     "+#+#.#.#+####.#.#+#+",
                     "..+.++.+.+..+.+.++..",
                     ".#+#.#+#.+..+.#+#.#.",
                     ".#+#.#+#.+..+.#+#.#.",
                     "..++.+.+.+..+.+.+...",
                     "+#+#.#.#+####.#.#+#+",
                     "..+.+.++.%ww%+..+.+.",
                     "+#.#+#.#.%ww%.#+#.#+",
                     ".++.+.+.+%ww%.+.+++.",
                     ".#.#+#+#.%ww%+#.#.#.",
                     "..+.+.+..%ww%.+.+..2",
                 }});
    p.push_back({"Labyrinth.dat",
                 "Labyrinth",
                 36,
                 36,
                 0x00507080,
                 {
                     "1..+.....#.....+...+.",
                     ".####.##.#.###.#.###.",
                     ".#...+.#...#...#...#+",
                     "+#.###.#####.#####.#.",
                     ".#...#...+...#...+.#.",
                     ".###.###.###.#.###.#.",
                     ".....#...#.+.#.#...+.",
                     "####+#.###.#####.####",
                     ".+.#...#.+.....#.....",
                     ".#.#.###.###.###.###.",
                     "+#...#...#...#.+.#...",
                     ".###.#.###.#.#.###.#.",
                     ".#.+.#.....#...#...#.",
                     ".#.###.#####.###.###.",
                     "+....+.......+......2",
                 }});
    p.push_back({"KleinesDuell.dat",
                 "Kleines Duell",
                 48,
                 48,
                 0x00309030,
                 {
                     "1..+.+.+...",
                     ".@+@.@+@.@.",
                     ".+.+%.%+.+.",
                     "+@.@+@+@.@+",
                     ".%+.+.+.+%.",
                     "+@.@+@+@.@+",
                     ".+.+%.%+.+.",
                     ".@.@+@.@+@.",
                     "...+.+.+..2",
                 }});
    p.push_back({"Festung.dat",
                 "Festung",
                 40,
                 40,
                 0x0078B0C8,
                 {
                     "1..#..+.+.+..+.+..+.",
                     "...#.+.+.+.++.+.+.+.",
                     "...%.@.@+@.@+@.@+@..",
                     "##%#++.+.+.+..+.+.+.",
                     "..+.+@.@.%%%%%.@+@+.",
                     "+.+.+..+.%~~~%+.+.+.",
                     ".@+@.@+@.%~~~%+@+@..",
                     "..+.+..+.%~~~%+.+.+.",
                     "..+.+..+.%~~~%+.+.+.",
                     ".@+@.@+@.%~~~%+@+@..",
                     "+.+.+..+.%~~~%+.+.+.",
                     "..+.+@.@.%%%%%.@.+..",
                     ".+.+.+.+.+.+.+.#%#%#",
                     "..@+@.@+@.@+@.@%....",
                     ".+.+.+..+.+.+..#....",
                     "..+.+.+.+..+.+.#...2",
                 }});
    p.push_back({"Zweikampf.dat",
                 "Zweikampf",
                 56,
                 56,
                 0x00306090,
                 {
                     "1..+.+...",
                     ".@.@+@.@.",
                     "+.+...+.+",
                     ".@+@.@+@.",
                     "+.+...+.+",
                     ".@.@+@.@.",
                     "...+.+..2",
                 }});
    p.push_back({"Insel.dat",
                 "Insel",
                 48,
                 48,
                 0x00A0A060,
                 {
                     "1.+...+.+...+..",
                     ".@.@.@.+.@.@.@.",
                     "+.%%%%%%%%%%%.+",
                     "..%~~~~~~~~~%..",
                     "+.%~%%%%%%%~%.+",
                     "..%~%..+..%~%..",
                     "+.%~%.+@+.%~%.+",
                     "..%~%..+..%~%..",
                     "+.%~%%%.%%%~%.+",
                     "..%~~~%.%~~~%..",
                     "+.%%%%%.%%%%%.+",
                     ".@.@.@.+.@.@.@.",
                     "..+...+.+...+.2",
                 }});
    p.push_back({"Kreuzweg.dat",
                 "Kreuzweg",
                 40,
                 40,
                 0x00205080,
                 {
                     "1..+.#...#.+..+",
                     ".@.@.#.+.#.@.@.",
                     "..+..#...#..+..",
                     ".@.@.#+.+#.@.@.",
                     "+....+...+....+",
                     "######.+.######",
                     "...+...@...+...",
                     ".+.+.+@@@+.+.+.",
                     "...+...@...+...",
                     "######.+.######",
                     "+....+...+....+",
                     ".@.@.#+.+#.@.@.",
                     "..+..#...#..+..",
                     ".@.@.#.+.#.@.@.",
                     "+..+.#...#.+..2",
                 }});
    p.push_back({"Schachbrett.dat",
                 "Schachbrett",
                 40,
                 40,
                 0x00E0E0E0,
                 {
                     "1.+.+.+.+.+.+.+.",
                     ".@.@.@.@.@.@.@..",
                     "+.+.+.+.+.+.+.+.",
                     ".@.@.@.@.@.@.@.+",
                     "+.+.+.+.+.+.+.+.",
                     ".@.@.@.@.@.@.@.+",
                     "+.+.+.+.+.+.+.+.",
                     ".@.@.@.@.@.@.@.+",
                     "+.+.+.+.+.+.+.+.",
                     ".@.@.@.@.@.@.@.+",
                     "..+.+.+.+.+.+.+.",
                     "+.+.+.+.+.+.+..2",
                 }});
    p.push_back({"Kammern.dat",
                 "Kammern",
                 36,
                 36,
                 0x00405060,
                 {
                     "1...+.#.+...+.#.+..",
                     "..+...+...+...+....",
                     ".+..+.#.+..+..#.+.+",
                     "###+###########+###",
                     "..+.+.#..+.+..#.+..",
                     ".+....+.+...+.+...+",
                     "..+.+.#...+...#.+..",
                     "####+#####+#####+##",
                     ".+..+.#.+...+.#.+..",
                     "....+.+...+...+..+.",
                     ".+.+..#.+..+..#....",
                     "+...+.#...+...#.+.2",
                 }});
    p.push_back({"Stausee.dat",
                 "Stausee",
                 40,
                 40,
                 0x00386838,
                 {
                     "#########%%%%%%%####",
                     "########%wwwwwww%###",
                     "#######%wwwwwwwww%##",
                     "1..+.+.%%%%%%%%%%%..",
                     ".@.@.@.+.+.+.+.+.@..",
                     "..+.+.+.@.@.@.@.+.+.",
                     "+.@.@.+.+...+.+.@.@.",
                     "..+.+.@.@.@.@.@.+.+.",
                     ".@.@.+...+.+...+.@..",
                     "..+.+.%%%%%%%%%.+.+.",
                     "+.@.@%~~~~~~~~~%@.@.",
                     "..+..%%%%%%%%%%%+..2",
                 }});
    p.push_back({"Spirale.dat",
                 "Spirale",
                 36,
                 36,
                 0x006040A0,
                 {
                     "1................",
                     ".#######.#######.",
                     ".#..+..........#.",
                     ".#.#####%#####.#.",
                     ".#.#.........#.#.",
                     ".#.#.###.###.#.#.",
                     ".#.#.#+....#.#.#.",
                     ".%.#.#..2..#.#.%.",
                     ".#.#.#....+#.#.#.",
                     ".#.#.###%###.#.#.",
                     ".#.#......+..#.#.",
                     ".#.#####.#####.#.",
                     ".#.............#.",
                     ".###############.",
                     "..+...+.....+...+",
                 }});
    p.push_back({"Seenplatte.dat",
                 "Seenplatte",
                 32,
                 32,
                 0x0040A040,
                 {
                     "1..+.+..+.+..+.+..+.+..",
                     ".@.@+%%%.@.@+@.%%%%.@..",
                     "+.+.%~~~%.+.+.%~~~~%.+.",
                     ".@.@%~~~%@.@.@%~~~~%@.+",
                     "..+.+%%%..+.+..%%%%.+..",
                     "+@.@.@.@+@.@.@.@+@.@.@+",
                     "..+.+..+.+%%%%.+..+.+..",
                     ".@.@+@.@.%~ww~%@.@+@.@.",
                     "+.+.+..+.%~ww~%.+..+.+.",
                     ".@.@.@+@.@%%%%.@.@.@+@.",
                     "..%%%%+..+.+..+.+%%%..+",
                     "+%~~~~%@.@+@.@.@%~~~%@.",
                     ".%~~~~%.+..+.+..%~~~%..",
                     "..%%%%.@+@.@.@+@.%%%.@.",
                     "+.+.+..+.+..+.+..+.+..+",
                     ".@.@.@.@+@.@.@+@.@.@.@.",
                     "..+.+..+.+..+.+..+.+..2",
                 }});
    p.push_back(
        {"WeiteEbene.dat",
         "Weite Ebene",
         32,
         32,
         0x0050B0D0,
         {
             "1..+....+......+....+....", "...+..+....+.+....+..+...", ".+...@.....+.....@....+..",
             "+..+....+.....+....+..+..", "..+..+....@.@....+...+...", ".....+..+.....+..+.....+.",
             "+.@....+...+.+...+....@..", "...+.+...+.....+...+.+...", ".+....+.@..+.+..@.+....+.",
             "..+.+......+.+......+.+..", "+.....+.+.@...@.+.+.....+", "..+.+......+.+......+.+..",
             ".+....+.@..+.+..@.+....+.", "...+.+...+.....+...+.+...", "..@....+...+.+...+....@.+",
             ".+.....+..+.....+..+.....", "...+...+....@.@....+..+..", "..+..+....+.....+....+..+",
             "..+....@.....+.....@...+.", "...+..+.+....+....+..+...", "....+....+......+....+..2",
         }});
    p.push_back(
        {"Schlangengrube.dat", "Schlangengrube", 36, 36, 0x00206040, Labyrinth(21, 15, 11, 2)});
    p.push_back({"Irrgarten.dat", "Irrgarten", 28, 28, 0x00304060, Labyrinth(25, 25, 23, 2)});
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: knallfeld-beispiele REPOSITORY\n");
        return 2;
    }
    ziel = QString::fromLocal8Bit(argv[1]);

    Speichern(Explosion(), "resources/bilder/explosion.png", "PNG");
    Speichern(Bombe(), "resources/bilder/bombe.png", "PNG");
    Speichern(Tot(), "resources/bilder/tot.png", "PNG");
    Speichern(Spieler(QColor(40, 90, 230)), "resources/bilder/spieler1.png", "PNG");
    Speichern(Spieler(QColor(220, 40, 40)), "resources/bilder/spieler2.png", "PNG");
    Speichern(Werfen(), "resources/bilder/werfen.png", "PNG");
    Speichern(MehrBomben(), "resources/bilder/mehrbomben.png", "PNG");
    Speichern(Unverwundbar(), "resources/bilder/unverwundbar.png", "PNG");
    Speichern(Krankheit(), "resources/bilder/krankheit.png", "PNG");
    Speichern(Titel(1), "resources/bilder/titel.png", "PNG");
    Speichern(Titel(2), "resources/bilder/titel@2x.png", "PNG");

    Speichern(Fels(), "Bilder/UnZerstoer/fels.bmp", "BMP");
    Speichern(Kiste(), "Bilder/UnZerstoer/kiste.bmp", "BMP");
    Speichern(Mauer(), "Bilder/UnZerstoer/mauer.bmp", "BMP");
    Speichern(Ziegel(), "Bilder/UnZerstoer/ziegel.bmp", "BMP");
    Speichern(Wasser(0, QColor(20, 70, 170), QColor(70, 140, 230)), "Bilder/Wasser/wasser1.bmp",
              "BMP");
    Speichern(Wasser(1, QColor(10, 50, 130), QColor(40, 110, 200)), "Bilder/Wasser/wasser2.bmp",
              "BMP");

    int fehler = 0;
    QDir().mkpath(ziel + "/docs/level");
    for (const TLevelPlan& plan : Plaene()) {
        if (!LevelSchreiben(plan)) ++fehler;
        Vorschau(plan);
    }

    QFile hsk(ziel + "/Highscore.hsk");
    if (!hsk.exists() && hsk.open(QIODevice::WriteOnly)) hsk.close();
    return fehler == 0 ? 0 : 1;
}
