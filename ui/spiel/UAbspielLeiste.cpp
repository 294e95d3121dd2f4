#include "ui/spiel/UAbspielLeiste.h"

#include <QPushButton>

#include "ui/basis/UMitwachsen.h"
#include "ui/spiel/USpielMasse.h"

TAbspielLeiste::TAbspielLeiste(QWidget& fenster, TMitwachsen& panel, int oben, int breite) {
    Btn_Pause = new QPushButton(QStringLiteral("Pause"), &fenster);
    Btn_Pause->setObjectName(QStringLiteral("Btn_Pause"));
    Btn_Tempo = new QPushButton(&fenster);
    Btn_Tempo->setObjectName(QStringLiteral("Btn_Tempo"));
    for (QPushButton* b : {Btn_Pause, Btn_Tempo}) {
        b->resize(kKnopfBreite, kKnopfHoehe);
        // The keyboard belongs to the board: the buttons are for the mouse only.
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }
    QObject::connect(Btn_Pause, &QPushButton::clicked, Btn_Pause, [this] {
        if (Pause) Pause();
    });
    QObject::connect(Btn_Tempo, &QPushButton::clicked, Btn_Tempo, [this] {
        if (Tempo) Tempo();
    });
    panel.Merken(Btn_Pause, {0, oben});
    panel.Merken(Btn_Tempo, {breite - kKnopfBreite, oben});
}

void TAbspielLeiste::Zeigen(bool an) {
    Btn_Pause->setVisible(an);
    Btn_Tempo->setVisible(an);
}

void TAbspielLeiste::Aktualisieren(bool pausiert, int tempo, bool weiter) {
    Btn_Pause->setEnabled(weiter);
    Btn_Pause->setText(pausiert ? QStringLiteral("Weiter") : QStringLiteral("Pause"));
    Btn_Tempo->setText(QStringLiteral("Tempo %1×").arg(tempo));
}
