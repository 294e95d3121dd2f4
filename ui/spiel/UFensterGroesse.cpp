#include "ui/spiel/UFensterGroesse.h"

#include <QTimer>
#include <QWidget>
#include <algorithm>

#include "ui/spiel/USpielMasse.h"

void TFensterGroesse::Berechnen(QSize gitter, QRect schirm) {
    // A board larger than the screen scrolls inside the window; the grid keeps its size.
    const int rahmenBreite = 16, rahmenHoehe = 48;
    const int maxBreite =
        std::max(200, schirm.width() - rahmenBreite - kFeldLinks - 10 - kPanelBreite - 15);
    const int maxHoehe = std::max(200, schirm.height() - rahmenHoehe - kFeldOben - 40);
    sicht_ = QSize(std::min(gitter.width(), maxBreite), std::min(gitter.height(), maxHoehe));
    const int breite = kFeldLinks + sicht_.width() + 10 + kPanelBreite + 15;
    const int panel = kKnopfOben + kKnopfHoehe + 40 + zusatz_;
    const int hoehe = std::max(kFeldOben + sicht_.height() + 40, panel);
    berechnet_ = QSize(breite, hoehe);
    f_.setMinimumSize(std::min(breite, kMinBreite), panel);
    if (!eigene_) Zuruecksetzen();
}

void TFensterGroesse::Zuruecksetzen() {
    wirAendern_ = true;
    f_.resize(berechnet_);
    wirAendern_ = false;
}

void TFensterGroesse::Geaendert() {
    if (zurueck_) {
        // The window manager gives back the size from before full screen, which the level of
        // a later round may not want: the computed size wins.
        zurueck_ = false;
        if (f_.size() != berechnet_) Zuruecksetzen();
    } else if (!wirAendern_ && f_.isVisible() && f_.size() != berechnet_) {
        eigene_ = true;
    }
}

bool TFensterGroesse::ZustandGeaendert(Qt::WindowStates vorher) {
    constexpr Qt::WindowStates gross = Qt::WindowFullScreen | Qt::WindowMaximized;
    const bool warGross = vorher & gross;
    const bool istGross = f_.windowState() & gross;
    if (istGross && !warGross) {
        eigeneDavor_ = eigene_;
        eigene_ = true;
        return false;
    }
    if (!warGross || istGross) return false;
    // Back to the layout of before: the player's own size, or the one the level computes.
    eigene_ = eigeneDavor_;
    // Resized only once the window manager has given back the normal size: a resize asked for
    // while the window still covers the screen would also keep it at the screen's corner.
    if (!eigene_ && f_.size() != berechnet_) {
        zurueck_ = true;
        // A window system that gives back no size at all: the computed one all the same.
        QTimer::singleShot(500, &f_, [this] {
            if (!zurueck_) return;
            zurueck_ = false;
            if (!eigene_ && !f_.isFullScreen() && !f_.isMaximized()) Zuruecksetzen();
        });
    }
    return true;
}
