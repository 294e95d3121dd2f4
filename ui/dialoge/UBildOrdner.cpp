#include "ui/dialoge/UBildOrdner.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>

#include "ui/basis/UFensterHilfen.h"
#include "ui/programm/UProgrammDaten.h"

TFrm_BildOrdner::TFrm_BildOrdner(TProgrammDaten& p) : p_(p) {
    setObjectName(QStringLiteral("TFrm_BildOrdner"));
    setWindowTitle(QStringLiteral("Knallfeld - Bilder-Ordner-Auswahl"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(535, 170);

    // One row per image set: caption, read-only folder box, folder button.
    auto zeile = [this](const QString& text, const char* label, const char* feld, const char* knopf,
                        int oben, QLineEdit*& ed, QToolButton*& sb) {
        auto* lb = new QLabel(text, this);
        lb->setObjectName(QLatin1String(label));
        lb->setGeometry(16, oben, 300, 18);
        ed = new QLineEdit(this);
        ed->setObjectName(QLatin1String(feld));
        ed->setReadOnly(true);
        ed->setGeometry(16, oben + 20, 465, 25);
        sb = new QToolButton(this);
        sb->setObjectName(QLatin1String(knopf));
        sb->setGeometry(490, oben + 19, 27, 27);
    };
    zeile(QStringLiteral("(Un-) Zerstörbare Bilder:"), "Lb_UnZerstoer", "Ed_UnZerstoer",
          "SB_UnZerstoerbar", 14, Ed_UnZerstoer, SB_UnZerstoerbar);
    zeile(QStringLiteral("Wasser Bilder:"), "Lb_Wasser", "Ed_Wasser", "SB_Wasser", 70, Ed_Wasser,
          SB_Wasser);

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

    OrdnerAnzeigen();
}

void TFrm_BildOrdner::Programmstart(TProgrammDaten& p) {
    p.Bilder.StandardOrdner(p.Programmordner);
}

void TFrm_BildOrdner::OrdnerAnzeigen() {
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
