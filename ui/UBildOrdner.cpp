#include "ui/UBildOrdner.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "ui/UFensterHilfen.h"
#include "ui/UProgrammDaten.h"

TFrm_BildOrdner::TFrm_BildOrdner(TProgrammDaten& p) : p_(p) {
    setObjectName(QStringLiteral("TFrm_BildOrdner"));
    setWindowTitle(QStringLiteral("Knallfeld - Bilder-Ordner-Auswahl"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(535, 170);

    auto* lb1 = new QLabel(QStringLiteral("(Un-) Zerstörbare Bilder:"), this);
    lb1->setObjectName(QStringLiteral("Lb_UnZerstoer"));
    lb1->setGeometry(16, 14, 300, 18);
    Ed_UnZerstoer = new QLineEdit(this);
    Ed_UnZerstoer->setObjectName(QStringLiteral("Ed_UnZerstoer"));
    Ed_UnZerstoer->setReadOnly(true);
    Ed_UnZerstoer->setGeometry(16, 34, 465, 25);
    SB_UnZerstoerbar = new QToolButton(this);
    SB_UnZerstoerbar->setObjectName(QStringLiteral("SB_UnZerstoerbar"));
    SB_UnZerstoerbar->setGeometry(490, 33, 27, 27);

    auto* lb2 = new QLabel(QStringLiteral("Wasser Bilder:"), this);
    lb2->setObjectName(QStringLiteral("Lb_Wasser"));
    lb2->setGeometry(16, 70, 300, 18);
    Ed_Wasser = new QLineEdit(this);
    Ed_Wasser->setObjectName(QStringLiteral("Ed_Wasser"));
    Ed_Wasser->setReadOnly(true);
    Ed_Wasser->setGeometry(16, 90, 465, 25);
    SB_Wasser = new QToolButton(this);
    SB_Wasser->setObjectName(QStringLiteral("SB_Wasser"));
    SB_Wasser->setGeometry(490, 89, 27, 27);

    for (QToolButton* b : {SB_UnZerstoerbar, SB_Wasser}) {
        b->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
        b->setAutoRaise(true);
        connect(b, &QToolButton::clicked, this, [this, b] { OrdnerAuswahl(b); });
    }

    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("Btn_Abbrechen"));
    abbrechen->setGeometry(348, 132, 81, 25);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Btn_OK"));
    ok->setGeometry(436, 132, 81, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    FormCreate();
}

void TFrm_BildOrdner::FormCreate() {
    p_.Bilder.StandardOrdner(p_.Programmordner);
    Ed_UnZerstoer->setText(QText(p_.Bilder.Blockbilderordner));
    Ed_Wasser->setText(QText(p_.Bilder.Wasserbilderordner));
}

void TFrm_BildOrdner::Set_TempOrdner() {
    Ed_UnZerstoer->setText(tempUnZerstoer_);
    Ed_Wasser->setText(tempWasser_);
}

bool TFrm_BildOrdner::OrdnerWaehlen() {
    tempUnZerstoer_ = Ed_UnZerstoer->text();
    tempWasser_ = Ed_Wasser->text();
    ZentriereAufBildschirm(this);
    if (p_.ModalZeigen(*this) != QDialog::Accepted) {
        Set_TempOrdner();
        return false;
    }
    p_.Bilder.Blockbilderordner = StdText(Ed_UnZerstoer->text());
    p_.Bilder.Wasserbilderordner = StdText(Ed_Wasser->text());
    p_.Bilder.BilderNeuLaden();
    return true;
}

void TFrm_BildOrdner::OrdnerAuswahl(QToolButton* sender) {
    const std::string ordner = p_.Dialoge.Ordner(this, QStringLiteral("Ordner auswählen"),
                                                 QText(p_.Programmordner + "Bilder/"));
    if (ordner.empty()) return;
    std::string mitTrenner = ordner;
    if (mitTrenner.back() != '/') mitTrenner += '/';
    if (!PfadPasst(mitTrenner, p_.Meldungen)) return;
    (sender == SB_Wasser ? Ed_Wasser : Ed_UnZerstoer)->setText(QText(mitTrenner));
}
