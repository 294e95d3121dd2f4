#include "ui/spiel/UBewegungsBilder.h"

#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "ui/basis/UBildMaler.h"

namespace {

// Painting in the 40 x 40 units the built-in pictures are designed in.
struct TEinheiten {
    TEinheiten(QPainter& p, const QRectF& r) : p_(p) {
        p_.save();
        p_.setRenderHint(QPainter::Antialiasing);
        p_.translate(r.topLeft());
        p_.scale(r.width() / 40.0, r.height() / 40.0);
    }
    ~TEinheiten() { p_.restore(); }
    QPainter& p_;
};

QColor Farbe(int spieler) {
    return spieler == 1 ? kSpielerBlau : kSpielerRot;
}

// One colour layer of a flame: a disc in the middle and a band to each joined side.
void FlammenLage(QPainter& p, double dicke, std::array<bool, 4> verbunden, QColor farbe) {
    p.setBrush(farbe);
    const double h = dicke / 2;
    p.drawEllipse(QPointF(20, 20), h, h);
    // One pixel past the cell, over the line between the cells.
    if (verbunden[riOben]) p.drawRect(QRectF(20 - h, -1.5, dicke, 21.5));
    if (verbunden[riUnten]) p.drawRect(QRectF(20 - h, 20, dicke, 21.5));
    if (verbunden[riLinks]) p.drawRect(QRectF(-1.5, 20 - h, 21.5, dicke));
    if (verbunden[riRechts]) p.drawRect(QRectF(20, 20 - h, 21.5, dicke));
}

}  // namespace

void FlammeMalen(QPainter& p, const QRectF& r, const TFlamme& f, std::array<bool, 4> verbunden,
                 std::uint8_t herkunft) {
    if (f.Reichweite <= 0) return;
    TEinheiten e(p, r);
    // Burst out from the centre's side: only that part of the cell burns yet.
    const double w = 41.5 * f.Reichweite;
    QRectF teil(-1, -1, 42, 42);
    if (herkunft == riOben) teil.setHeight(w);
    if (herkunft == riUnten) teil.setTop(41 - w);
    if (herkunft == riLinks) teil.setWidth(w);
    if (herkunft == riRechts) teil.setLeft(41 - w);
    if (herkunft == kKeineRichtung) teil = QRectF(20 - w / 2, 20 - w / 2, w, w);
    p.setClipRect(teil, Qt::IntersectClip);
    const double flackern[3] = {1.0, 0.92, 1.06};
    const double dicke = 34 * f.Staerke * flackern[f.Flackern % 3];
    p.setPen(Qt::NoPen);
    // An end reaches out as a tongue in its own direction.
    const int joined = int(verbunden[0]) + verbunden[1] + verbunden[2] + verbunden[3];
    if (joined == 1 && herkunft != kKeineRichtung) {
        const double zunge = 8 * f.Staerke;
        p.setBrush(QColor(200, 40, 0));
        if (herkunft == riOben)
            p.drawEllipse(QPointF(20, 20 + zunge / 2), dicke / 2, dicke / 2 + zunge);
        if (herkunft == riUnten)
            p.drawEllipse(QPointF(20, 20 - zunge / 2), dicke / 2, dicke / 2 + zunge);
        if (herkunft == riLinks)
            p.drawEllipse(QPointF(20 + zunge / 2, 20), dicke / 2 + zunge, dicke / 2);
        if (herkunft == riRechts)
            p.drawEllipse(QPointF(20 - zunge / 2, 20), dicke / 2 + zunge, dicke / 2);
    }
    FlammenLage(p, dicke, verbunden, QColor(200, 40, 0));
    FlammenLage(p, dicke * 0.72, verbunden, QColor(255, 140, 0));
    FlammenLage(p, dicke * 0.45, verbunden, QColor(255, 230, 70));
    FlammenLage(p, dicke * 0.2, verbunden, QColor(255, 255, 230));
}

void TBildSpeicher::Zeigen(QPainter& p, const QRect& r, std::uint64_t schluessel,
                           const std::function<void(QPainter&, const QRectF&)>& malen) {
    const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
    if (r.size() != zelle_ || dpr != dpr_ || bilder_.size() > 2000) {
        bilder_.clear();
        zelle_ = r.size();
        dpr_ = dpr;
    }
    const int rand = 2 + r.width() / 20;
    auto it = bilder_.find(schluessel);
    if (it == bilder_.end()) {
        QPixmap bild(QSize(r.width() + 2 * rand, r.height() + 2 * rand) * dpr);
        bild.setDevicePixelRatio(dpr);
        bild.fill(Qt::transparent);
        QPainter q(&bild);
        malen(q, QRectF(rand, rand, r.width(), r.height()));
        q.end();
        it = bilder_.emplace(schluessel, std::move(bild)).first;
    }
    p.drawPixmap(r.topLeft() - QPoint(rand, rand), it->second);
}

void FlammeZeigen(TBildSpeicher& s, QPainter& p, const QRect& r, TFlamme f,
                  std::array<bool, 4> verbunden, std::uint8_t herkunft) {
    if (f.Reichweite <= 0) return;
    const int reichweite = int(std::lround(f.Reichweite * 16)),
              staerke = int(std::lround(f.Staerke * 32));
    f.Reichweite = reichweite / 16.0;
    f.Staerke = staerke / 32.0;
    f.Flackern %= 3;
    std::uint64_t schluessel = 1;  // flames
    for (const bool v : verbunden) schluessel = schluessel * 2 + v;
    schluessel = ((schluessel * 256 + herkunft) * 4 + std::uint64_t(f.Flackern)) * 32 +
                 std::uint64_t(reichweite);
    schluessel = schluessel * 64 + std::uint64_t(staerke);
    s.Zeigen(p, r, schluessel,
             [&](QPainter& q, const QRectF& z) { FlammeMalen(q, z, f, verbunden, herkunft); });
}

void ZuendungZeigen(TBildSpeicher& s, QPainter& p, const QRect& r, TZuendung z) {
    const int lunte = int(std::lround(z.Lunte * 64)),
              groesse = int(std::lround((z.Groesse - 1) * 200));
    z.Lunte = lunte / 64.0;
    z.Groesse = 1 + groesse / 200.0;
    const std::uint64_t schluessel =
        (((2ull << 20) + std::uint64_t(lunte)) << 8) + std::uint64_t(groesse);
    s.Zeigen(p, r, schluessel,
             [&](QPainter& q, const QRectF& zelle) { ZuendungMalen(q, zelle, z); });
}

void ZuendungMalen(QPainter& p, const QRectF& r, const TZuendung& z) {
    TEinheiten e(p, r);
    p.translate(18, 23);
    p.scale(z.Groesse, z.Groesse);
    BombeMalen(p, QPointF(0, 0), 12.5, z.Lunte);
}

void BruchMalen(QPainter& p, const QRect& r, const QPixmap& block, double anteil) {
    if (anteil >= 1 || block.isNull()) return;
    p.save();
    p.setOpacity(1 - anteil);
    const double weg = anteil * 0.45;
    const QSizeF halb(r.width() / 2.0, r.height() / 2.0);
    const QSizeF quelle(block.width() / 2.0, block.height() / 2.0);
    for (int i = 0; i < 4; ++i) {
        const int sx = i % 2, sy = i / 2;
        const QPointF aus((sx ? 1 : -1) * weg * r.width(),
                          ((sy ? 1 : -1) * weg - anteil * anteil * 0.3) * r.height());
        const QSizeF groesse = halb * (1 - anteil * 0.5);
        const QRectF ziel(QPointF(r.left() + sx * halb.width(), r.top() + sy * halb.height()) + aus,
                          groesse);
        p.drawPixmap(ziel, block,
                     QRectF(QPointF(sx * quelle.width(), sy * quelle.height()), quelle));
    }
    p.restore();
}

void GlanzMalen(QPainter& p, const QRectF& r, double anteil) {
    if (anteil >= 1) return;
    TEinheiten e(p, r);
    const double g = std::sin(anteil * M_PI);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 230));
    p.drawPolygon(Stern(QPointF(28, 12), 11 * g, 2 * g, 4, anteil * 1.5));
}

void FlutMalen(QPainter& p, const QRect& r, const QPixmap* wasser, double anteil,
               std::uint8_t herkunft, std::uint64_t alter) {
    QRectF teil(r);
    const double w = r.width() * anteil, h = r.height() * anteil;
    if (herkunft == riOben) teil.setHeight(h);
    if (herkunft == riUnten) teil.setTop(r.bottom() + 1 - h);
    if (herkunft == riLinks) teil.setWidth(w);
    if (herkunft == riRechts) teil.setLeft(r.right() + 1 - w);
    if (herkunft == kKeineRichtung)
        teil = QRectF(r.center().x() - w / 2, r.center().y() - h / 2, w, h);
    p.save();
    p.setClipRect(teil, Qt::IntersectClip);
    if (wasser)
        p.drawPixmap(r.topLeft(), *wasser);
    else
        p.fillRect(r, QColor(40, 90, 200));
    p.restore();
    // The front: a light ripple running along it.
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(220, 240, 255, 200), std::max(1.0, r.width() / 20.0)));
    const bool quer = herkunft == riLinks || herkunft == riRechts;
    QPainterPath welle;
    const int n = 16;
    for (int i = 0; i <= n; ++i) {
        const double t = double(i) / n;
        const double wog = std::sin(t * 2 * M_PI * 2 + double(alter) / 60.0) * r.width() / 25.0;
        QPointF q;
        if (herkunft == riOben)
            q = {r.left() + t * r.width(), teil.bottom() + wog};
        else if (herkunft == riUnten)
            q = {r.left() + t * r.width(), teil.top() + wog};
        else if (quer)
            q = {(herkunft == riLinks ? teil.right() : teil.left()) + wog,
                 r.top() + t * r.height()};
        else
            q = {teil.left() + t * teil.width(), teil.center().y() + wog};
        if (i == 0)
            welle.moveTo(q);
        else
            welle.lineTo(q);
    }
    p.setClipRect(r, Qt::IntersectClip);
    if (anteil < 1) p.drawPath(welle);
    p.restore();
}

void FallMalen(QPainter& p, const QRectF& r, const QPixmap& bild, bool eingebaut, int spieler,
               double anteil) {
    if (anteil >= 1) return;
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    // Toppling over its feet, faster as it falls, fading.
    const QPointF fuss(r.center().x(), r.bottom());
    p.translate(fuss);
    p.rotate(90 * anteil * anteil * (spieler == 1 ? -1 : 1));
    p.translate(-fuss);
    p.setOpacity(1 - anteil * 0.6);
    if (eingebaut) {
        TEinheiten e(p, r);
        FigurMalen(p, QRectF(0, 0, 40, 40), Farbe(spieler));
    } else {
        p.drawPixmap(r, bild, QRectF(bild.rect()));
    }
    p.restore();
}

void GehenMalen(QPainter& p, const QRectF& r, const QPixmap& bild, bool eingebaut, int spieler,
                const TFigur& f) {
    // A little hop with every step.
    const double hopp = (f.Bild % 2) * r.height() / 20.0;
    const QRectF ort = r.translated(0, -hopp);
    if (eingebaut) {
        TEinheiten e(p, ort);
        FigurMalen(p, QRectF(0, 0, 40, 40), Farbe(spieler), f.Blick, f.Bild);
    } else {
        p.drawPixmap(ort.topLeft(), bild);
    }
}
