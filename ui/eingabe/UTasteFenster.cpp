#include "ui/eingabe/UTasteFenster.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>

#include "ui/eingabe/UTastencode.h"

TFrm_Taste::TFrm_Taste() {
    setObjectName(QStringLiteral("TFrm_Taste"));
    setWindowTitle(QStringLiteral("Taste auswählen"));
    // No title-bar buttons: only a key press closes it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(270, 104);
    auto* text = new QLabel(QStringLiteral("Bitte drücken Sie eine Taste..."), this);
    text->setObjectName(QStringLiteral("Lb_Taste"));
    QFont f = text->font();
    f.setBold(true);
    text->setFont(f);
    text->setAlignment(Qt::AlignCenter);
    text->setGeometry(0, 0, 270, 104);
    setFocusPolicy(Qt::StrongFocus);
}

void TFrm_Taste::TastenDruck(std::uint16_t code) {
    taste_ = code;
    pad_.reset();
    gedrueckt_ = true;
    accept();
}

void TFrm_Taste::PadDruck(const TPadEingabe& e) {
    taste_ = 0;
    pad_ = e;
    gedrueckt_ = true;
    accept();
}

bool TFrm_Taste::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        e->accept();
        return true;
    }
    if (e->type() == QEvent::KeyPress) {
        TastenDruck(VirtuellerTastencode(*static_cast<QKeyEvent*>(e)));
        return true;
    }
    if (e->type() == QEvent::Show) gedrueckt_ = false;
    return QDialog::event(e);
}

void TFrm_Taste::closeEvent(QCloseEvent* e) {
    if (gedrueckt_)
        QDialog::closeEvent(e);
    else
        e->ignore();
}
