#include "ui/basis/UMitwachsen.h"

#include <QLabel>
#include <algorithm>
#include <cmath>

void TMitwachsen::Merken(QWidget* w, QPoint platz) {
    const auto merken = [this](QWidget* x, QRect r, bool oben) {
        teile_.push_back({x, r, x->font().pointSizeF(), x->font().pixelSize(), oben});
    };
    merken(w, QRect(platz, w->size()), true);
    for (QWidget* k : w->findChildren<QWidget*>()) merken(k, k->geometry(), false);
}

void TMitwachsen::Anwenden(double faktor, QPoint ursprung) {
    const auto mal = [faktor](int v) { return int(std::lround(v * faktor)); };
    for (const TTeil& t : teile_) {
        if (!t.W) continue;
        const QRect& r = t.Entwurf;
        const QPoint ort = QPoint(mal(r.x()), mal(r.y())) + (t.Oben ? ursprung : QPoint());
        if (faktor != faktor_) {
            QFont f = t.W->font();
            if (t.Punkte > 0)
                f.setPointSizeF(t.Punkte * faktor);
            else if (t.Pixel > 0)
                f.setPixelSize(mal(t.Pixel));
            t.W->setFont(f);
        }
        int breite = mal(r.width());
        // A font grows in steps of whole pixels, not in proportion: a text that fitted its
        // label may need a little more, which it takes up to its parent's edge.
        const auto* l = qobject_cast<const QLabel*>(t.W.data());
        if (l && !l->text().isEmpty() && !t.Oben && l->parentWidget())
            breite = std::max(
                breite, std::min(l->sizeHint().width(), l->parentWidget()->width() - ort.x()));
        t.W->setGeometry(QRect(ort, QSize(breite, mal(r.height()))));
    }
    faktor_ = faktor;
    ursprung_ = ursprung;
}
