#include "ui/dialoge/ULautstaerke.h"

#include <QBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include "klang/UKlaenge.h"

TFrm_Lautstaerke::TFrm_Lautstaerke(int lautstaerke, IKlaenge* klaenge, QWidget* eltern)
    : QDialog(eltern) {
    setObjectName(QStringLiteral("TFrm_Lautstaerke"));
    setWindowTitle(QStringLiteral("Knallfeld - Lautstärke"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    auto* haupt = new QVBoxLayout(this);
    auto* zeile = new QHBoxLayout;
    auto* text = new QLabel(QStringLiteral("&Lautstärke:"));
    SL_Lautstaerke = new QSlider(Qt::Horizontal);
    SL_Lautstaerke->setObjectName(QStringLiteral("SL_Lautstaerke"));
    SL_Lautstaerke->setRange(0, 100);
    SL_Lautstaerke->setPageStep(10);
    SL_Lautstaerke->setMinimumWidth(200);
    SL_Lautstaerke->setValue(lautstaerke);
    text->setBuddy(SL_Lautstaerke);
    Lb_Wert = new QLabel;
    Lb_Wert->setObjectName(QStringLiteral("Lb_Wert"));
    Lb_Wert->setMinimumWidth(Lb_Wert->fontMetrics().horizontalAdvance(QStringLiteral("100 %")));
    const auto zeigen = [this](int v) { Lb_Wert->setText(QStringLiteral("%1 %").arg(v)); };
    zeigen(lautstaerke);
    connect(SL_Lautstaerke, &QSlider::valueChanged, this, zeigen);
    if (klaenge)
        connect(SL_Lautstaerke, &QSlider::sliderReleased, this, [this, klaenge] {
            klaenge->Einstellen(true, Lautstaerke());
            klaenge->Spielen(TKlang::ExtraFreigelegt);
        });
    zeile->addWidget(text);
    zeile->addWidget(SL_Lautstaerke, 1);
    zeile->addWidget(Lb_Wert);
    haupt->addLayout(zeile);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    auto* ok = new QPushButton(QStringLiteral("OK"));
    ok->setObjectName(QStringLiteral("Btn_OK"));
    ok->setDefault(true);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("Btn_Abbrechen"));
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    knoepfe->addWidget(ok);
    knoepfe->addWidget(abbrechen);
    haupt->addLayout(knoepfe);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

int TFrm_Lautstaerke::Lautstaerke() const {
    return SL_Lautstaerke->value();
}
