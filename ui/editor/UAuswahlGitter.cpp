#include "ui/editor/UAuswahlGitter.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

namespace {

constexpr int kSchritt = TAuswahlGitter::kZelle + 1;  // a row and its grid line

}  // namespace

TAuswahlGitter::TAuswahlGitter(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("SG_Auswahl"));
    setFocusPolicy(Qt::StrongFocus);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::Box);
    setLineWidth(2);
    SetzeZeilen(1);
}

void TAuswahlGitter::SetzeZeilen(int n) {
    zeilen_ = std::max(1, n);
    if (zeile_ >= zeilen_) zeile_ = 0;
    const bool leiste = zeilen_ > 1;
    setVerticalScrollBarPolicy(leiste ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setFixedWidth(leiste ? kBreiteMitLeiste : kBreiteEinzeln);
    LeisteEinrichten();
    viewport()->update();
}

void TAuswahlGitter::LeisteEinrichten() {
    const int sichtbar = std::max(1, viewport()->height() / kSchritt);
    verticalScrollBar()->setRange(0, std::max(0, zeilen_ - sichtbar));
    verticalScrollBar()->setPageStep(sichtbar);
    verticalScrollBar()->setSingleStep(1);
}

void TAuswahlGitter::resizeEvent(QResizeEvent* e) {
    QAbstractScrollArea::resizeEvent(e);
    LeisteEinrichten();
}

void TAuswahlGitter::WaehleZeile(int i) {
    zeile_ = std::clamp(i, 0, zeilen_ - 1);
    // Keep the selected row in view.
    QScrollBar* leiste = verticalScrollBar();
    if (zeile_ < leiste->value()) leiste->setValue(zeile_);
    if (zeile_ >= leiste->value() + leiste->pageStep())
        leiste->setValue(zeile_ - leiste->pageStep() + 1);
    viewport()->update();
}

QRect TAuswahlGitter::ZeilenRechteck(int i) const {
    return {0, (i - verticalScrollBar()->value()) * kSchritt, kZelle, kZelle};
}

void TAuswahlGitter::paintEvent(QPaintEvent*) {
    QPainter p(viewport());
    p.fillRect(viewport()->rect(), palette().color(QPalette::Base));
    for (int i = verticalScrollBar()->value(); i < zeilen_; ++i) {
        const QRect r = ZeilenRechteck(i);
        if (r.top() > viewport()->height()) break;
        if (ZeileZeichnen) ZeileZeichnen(p, r, i);
        p.setPen(Qt::gray);
        p.drawLine(r.left(), r.bottom() + 1, r.right(), r.bottom() + 1);
        if (i == zeile_) {
            p.setPen(QPen(Qt::red, 2));
            p.setBrush(Qt::NoBrush);
            p.drawRect(r.adjusted(1, 1, -1, -1));
        }
    }
}

void TAuswahlGitter::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton) return;
    setFocus(Qt::MouseFocusReason);
    const int i = verticalScrollBar()->value() + e->position().toPoint().y() / kSchritt;
    if (i < zeilen_) WaehleZeile(i);
}

void TAuswahlGitter::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Up)
        WaehleZeile(zeile_ - 1);
    else if (e->key() == Qt::Key_Down)
        WaehleZeile(zeile_ + 1);
    else
        QAbstractScrollArea::keyPressEvent(e);
}
