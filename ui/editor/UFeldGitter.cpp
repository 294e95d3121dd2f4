#include "ui/editor/UFeldGitter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "ui/basis/UFarbe.h"

namespace {

// The outer frame; with the last grid line it makes the 3 px beyond the cells.
constexpr int kRand = 2;

const QColor kLinien(64, 64, 64);
const QColor kSpieler1 = FarbeVon(0xFF0000);
const QColor kSpieler2 = FarbeVon(0x0000FF);

// A start cell: a one-pixel frame on the cell's edge and a second one 3 px further in.
void StartRahmen(QPainter& p, const QRect& r, const QColor& farbe) {
    p.setPen(farbe);
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.drawRect(r.adjusted(3, 3, -4, -4));
}

}  // namespace

TFeldGitter::TFeldGitter(TSpielfeld& feld, TBilderSets& bilder, QWidget* parent)
    : QWidget(parent), feld_(feld), bilder_(bilder) {
    setObjectName(QStringLiteral("SG_Feld"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize TFeldGitter::Groesse(const TFeldDaten& g) {
    return {(g.EinzelBreite + 1) * g.SpielBreite + 3, (g.EinzelHoehe + 1) * g.SpielHoehe + 3};
}

void TFeldGitter::Aufbauen() {
    setFixedSize(Groesse(feld_.FeldDaten()));
    aktuell_ = QPoint(0, 0);
    update();
}

QRect TFeldGitter::ZellRechteck(int spalte, int zeile) const {
    const TFeldDaten& g = feld_.FeldDaten();
    return {kRand + spalte * (g.EinzelBreite + 1), kRand + zeile * (g.EinzelHoehe + 1),
            g.EinzelBreite, g.EinzelHoehe};
}

QPoint TFeldGitter::ZelleBeiPunkt(QPoint p) const {
    const TFeldDaten& g = feld_.FeldDaten();
    if (g.SpielBreite == 0 || g.SpielHoehe == 0) return {0, 0};
    // Points on a grid line or the frame belong to the nearest cell.
    const int s = std::clamp((p.x() - kRand) / (g.EinzelBreite + 1), 0, g.SpielBreite - 1);
    const int z = std::clamp((p.y() - kRand) / (g.EinzelHoehe + 1), 0, g.SpielHoehe - 1);
    return {p.x() < kRand ? 0 : s, p.y() < kRand ? 0 : z};
}

void TFeldGitter::ZelleNeuZeichnen(int spalte, int zeile) {
    update(ZellRechteck(spalte, zeile));
}

void TFeldGitter::paintEvent(QPaintEvent* e) {
    QPainter p(this);
    const TFeldDaten& g = feld_.FeldDaten();
    const QColor farbe = FarbeVon(g.Farbe);
    p.fillRect(e->rect(), kLinien);
    if (g.SpielBreite == 0 || g.SpielHoehe == 0) return;

    // Only the cells in the exposed area: a level from a file may hold 65535 of them.
    const QPoint von = ZelleBeiPunkt(e->rect().topLeft());
    const QPoint bis = ZelleBeiPunkt(e->rect().bottomRight());
    const QSize zelle(g.EinzelBreite, g.EinzelHoehe);
    for (int z = von.y(); z <= bis.y(); ++z)
        for (int s = von.x(); s <= bis.x(); ++s) {
            const QRect r = ZellRechteck(s, z);
            const TZelle c = feld_.ZelleBei(s, z);
            const QPixmap* bild = nullptr;
            if (c.Art == zaZerstoerbar || c.Art == zaUnzerstoerbar)
                bild = bilder_.Bild(c.Bild, kBlockbilder, zelle, devicePixelRatioF());
            else if (c.Art == zaWasser)
                bild = bilder_.Bild(c.Bild, kWasserbilder, zelle, devicePixelRatioF());
            // A block or water cell whose set is empty shows the field colour.
            if (bild)
                p.drawPixmap(r.topLeft(), *bild);
            else
                p.fillRect(r, farbe);
            if (c.Art == zaSpieler1) StartRahmen(p, r, kSpieler1);
            if (c.Art == zaSpieler2) StartRahmen(p, r, kSpieler2);
        }
    if (hasFocus()) {
        const QRect r = ZellRechteck(aktuell_.x(), aktuell_.y());
        p.setPen(QPen(Qt::white, 1, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(r.adjusted(1, 1, -2, -2));
    }
}

void TFeldGitter::Waehlen(QPoint zelle) {
    ZelleNeuZeichnen(aktuell_.x(), aktuell_.y());
    aktuell_ = zelle;
    ZelleNeuZeichnen(zelle.x(), zelle.y());
    emit ZelleGewaehlt(zelle.x(), zelle.y());
}

void TFeldGitter::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    Waehlen(ZelleBeiPunkt(e->position().toPoint()));
}

void TFeldGitter::mouseMoveEvent(QMouseEvent* e) {
    if (!(e->buttons() & Qt::LeftButton)) return;
    const QPoint zelle = ZelleBeiPunkt(e->position().toPoint());
    if (zelle != aktuell_) Waehlen(zelle);
}

void TFeldGitter::keyPressEvent(QKeyEvent* e) {
    const TFeldDaten& g = feld_.FeldDaten();
    QPoint ziel = aktuell_;
    switch (e->key()) {
        case Qt::Key_Up:
            ziel.ry() -= 1;
            break;
        case Qt::Key_Down:
            ziel.ry() += 1;
            break;
        case Qt::Key_Left:
            ziel.rx() -= 1;
            break;
        case Qt::Key_Right:
            ziel.rx() += 1;
            break;
        default:
            QWidget::keyPressEvent(e);
            return;
    }
    // At the border the current cell stays and nothing is painted.
    if (ziel.x() >= 0 && ziel.y() >= 0 && ziel.x() < g.SpielBreite && ziel.y() < g.SpielHoehe &&
        ziel != aktuell_)
        Waehlen(ziel);
}
