#include "ui/start/UPufferAbgabe.h"

#include <QBackingStore>
#include <QEvent>

TPufferAbgabe::TPufferAbgabe(QWidget& hinten, QWidget& vorne)
    : hinten_(hinten), vorne_(vorne), hintenFenster_(hinten.windowHandle()) {
    vorne_.installEventFilter(this);
    if (hintenFenster_) hintenFenster_->installEventFilter(this);
}

TPufferAbgabe::~TPufferAbgabe() {
    vorne_.removeEventFilter(this);
    if (vorneFenster_) vorneFenster_->removeEventFilter(this);
    if (hintenFenster_) hintenFenster_->removeEventFilter(this);
    if (!Abgegeben(hinten_)) return;
    // In front again: what waited is painted now, whole (Qt sends no further request for
    // changes that wait).
    if (!hinten_.testAttribute(Qt::WA_Mapped) && hintenFenster_ && hintenFenster_->isExposed())
        hinten_.setAttribute(Qt::WA_Mapped, true);
    hinten_.repaint();
}

bool TPufferAbgabe::Abgegeben(const QWidget& w) {
    const QBackingStore* b = w.backingStore();
    return b && b->size() != w.size();
}

bool TPufferAbgabe::eventFilter(QObject* o, QEvent* e) {
    // The front window's platform window exists once it is shown.
    if (o == &vorne_ && e->type() == QEvent::Show && !vorneFenster_) {
        vorneFenster_ = vorne_.windowHandle();
        if (vorneFenster_) vorneFenster_->installEventFilter(this);
    } else if (e->type() == QEvent::Expose && o == vorneFenster_ && !erledigt_) {
        // Before the front window's first picture, so that the two buffers are never held at
        // once.
        erledigt_ = true;
        QBackingStore* b = hinten_.backingStore();
        if (!b || b->size().isEmpty() || !hinten_.testAttribute(Qt::WA_Mapped)) return false;
        b->resize(QSize(1, 1));
        // Losing the focus, say, would paint it again at once: as for a window out of sight,
        // Qt keeps such changes until the window is exposed.
        hinten_.setAttribute(Qt::WA_Mapped, false);
    } else if (e->type() == QEvent::Expose && o == hintenFenster_ && Abgegeben(hinten_)) {
        // Qt would show the emptied buffer for what came into sight; a change of its own makes
        // it paint the whole window first.
        hinten_.update();
    }
    return QObject::eventFilter(o, e);
}
