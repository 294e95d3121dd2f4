#include "ui/dialoge/UHighscoreAnzeige.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

#include "ui/basis/UFensterHilfen.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/programm/UWiederholungen.h"

namespace {
constexpr int kListeOben = 8;
}

TFrm_Highscore::TFrm_Highscore(TProgrammDaten& p) : p_(p) {
    setObjectName(QStringLiteral("TFrm_Highscore"));
    setWindowTitle(QStringLiteral("Knallfeld - Highscore"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::WindowMinimizeButtonHint);
    setMinimumSize(360, 400);
    setMaximumWidth(360);

    LV_Highscore = new QTreeWidget(this);
    LV_Highscore->setObjectName(QStringLiteral("LV_Highscore"));
    LV_Highscore->setColumnCount(3);
    LV_Highscore->setHeaderLabels(
        {QStringLiteral("Rang"), QStringLiteral("Name"), QStringLiteral("Punkte")});
    LV_Highscore->setRootIsDecorated(false);
    LV_Highscore->setSortingEnabled(false);
    LV_Highscore->setSelectionMode(QAbstractItemView::SingleSelection);
    LV_Highscore->setEditTriggers(QAbstractItemView::NoEditTriggers);
    LV_Highscore->header()->setSectionsClickable(false);
    LV_Highscore->header()->setSectionsMovable(false);
    LV_Highscore->header()->setStretchLastSection(false);
    LV_Highscore->setColumnWidth(0, 50);
    LV_Highscore->setColumnWidth(1, 154);
    LV_Highscore->setColumnWidth(2, 80);
    LV_Highscore->headerItem()->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);

    Btn_Delete = new QPushButton(QStringLiteral("Löschen"), this);
    Btn_Delete->setObjectName(QStringLiteral("Btn_Delete"));
    Btn_Delete->setEnabled(false);
    connect(Btn_Delete, &QPushButton::clicked, this, &TFrm_Highscore::Btn_DeleteClick);
    Btn_Wiederholung = new QPushButton(QStringLiteral("Wiederholung ansehen"), this);
    Btn_Wiederholung->setObjectName(QStringLiteral("Btn_Wiederholung"));
    Btn_Wiederholung->setEnabled(false);
    connect(Btn_Wiederholung, &QPushButton::clicked, this, &TFrm_Highscore::WiederholungAnsehen);
    connect(LV_Highscore, &QTreeWidget::currentItemChanged, this, [this] {
        const int zeile = LV_Highscore->indexOfTopLevelItem(LV_Highscore->currentItem());
        Btn_Wiederholung->setEnabled(zeile >= 0 && std::size_t(zeile) < aufnahmen_.size() &&
                                     !aufnahmen_[std::size_t(zeile)].empty());
    });
    Btn_OK = new QPushButton(QStringLiteral("OK"), this);
    Btn_OK->setObjectName(QStringLiteral("Btn_OK"));
    Btn_OK->setDefault(true);
    connect(Btn_OK, &QPushButton::clicked, this, &QDialog::accept);

    resize(360, 400);
}

void TFrm_Highscore::Programmstart(TProgrammDaten& p) {
    HighscoreLaden(p.Highscore, p.Fehler, p.HighscoreLesedatei());
}

void TFrm_Highscore::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    // The list takes the height, the buttons stay 20 pixels below it and 8 above the edge.
    const int hoehe = height() - kListeOben - 20 - 25 - kListeOben;
    LV_Highscore->setGeometry(8, kListeOben, width() - 16, hoehe);
    const int knopfOben = kListeOben + hoehe + 20;
    Btn_Delete->setGeometry(8, knopfOben, 81, 25);
    Btn_Wiederholung->setGeometry(97, knopfOben, width() - 2 * 97, 25);
    Btn_OK->setGeometry(width() - 8 - 81, knopfOben, 81, 25);
}

void TFrm_Highscore::ListeFuellen() {
    LV_Highscore->clear();
    Btn_Wiederholung->setEnabled(false);
    aufnahmen_.clear();
    const auto wiederholungen = WiederholungsEintraege();
    int rang = 0;
    for (const THighscoreEintrag& e : p_.Highscore.Liste()) {
        std::string datei;
        for (const auto& [eintrag, pfad] : wiederholungen)
            if (eintrag == e) {
                datei = pfad;
                break;
            }
        aufnahmen_.push_back(datei);
        Btn_Delete->setEnabled(true);
        auto* zeile = new QTreeWidgetItem(LV_Highscore);
        zeile->setText(0, QString::number(++rang));
        zeile->setText(1, QText(e.Name));
        zeile->setText(2, QString::number(e.Punkte));
        zeile->setTextAlignment(2, Qt::AlignRight | Qt::AlignVCenter);
    }
}

void TFrm_Highscore::WiederholungAnsehen() {
    const int zeile = LV_Highscore->indexOfTopLevelItem(LV_Highscore->currentItem());
    if (zeile < 0 || std::size_t(zeile) >= aufnahmen_.size() || aufnahmen_[zeile].empty()) return;
    if (p_.WiederholungAnsehen) p_.WiederholungAnsehen(aufnahmen_[std::size_t(zeile)]);
}

void TFrm_Highscore::Btn_DeleteClick() {
    Btn_Delete->setEnabled(false);
    if (HighscoreLeeren(p_.Highscore, p_.Fehler, p_.HighscoreDatei()))
        HighscoreLaden(p_.Highscore, p_.Fehler, p_.HighscoreLesedatei());
    ListeFuellen();
}
