// The level list of the game settings dialog: its controls, and adding, removing and committing
// levels.
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>

#include "files/UPfad.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/basis/USpinFeld.h"
#include "ui/dialoge/USpielEinstellungen.h"
#include "ui/programm/UProgrammDaten.h"

namespace {

QToolButton* Werkzeugknopf(QWidget* dlg, const char* name, const QString& tipp,
                           QStyle::StandardPixmap bild) {
    auto* sb = new QToolButton;
    sb->setObjectName(QString::fromLatin1(name));
    sb->setToolTip(tipp);
    sb->setIcon(dlg->style()->standardIcon(bild));
    sb->setIconSize(QSize(20, 20));
    return sb;
}

}  // namespace

QGroupBox* TFrm_Spieleinstellungen::LevelGruppe() {
    QGroupBox* level = Gruppe(QStringLiteral("Level"), "GB_Level");
    auto* g = new QGridLayout(level);
    LV_Level = new QTreeWidget;
    LV_Level->setObjectName(QStringLiteral("LV_Level"));
    LV_Level->setColumnCount(3);
    LV_Level->setHeaderLabels(
        {QStringLiteral("Name"), QStringLiteral("Grösse"), QStringLiteral("Pfad")});
    LV_Level->setRootIsDecorated(false);
    LV_Level->setSelectionMode(QAbstractItemView::ExtendedSelection);
    LV_Level->setColumnWidth(0, 140);
    LV_Level->setColumnWidth(1, 70);
    LV_Level->setMinimumSize(380, 220);
    g->addWidget(LV_Level, 0, 0, 1, 4);
    auto* sbLevel = Werkzeugknopf(this, "SB_Level", QStringLiteral("Level hinzufügen"),
                                  QStyle::SP_FileDialogNewFolder);
    connect(sbLevel, &QToolButton::clicked, this, &TFrm_Spieleinstellungen::AddLevel);
    auto* sbLoeschen = Werkzeugknopf(
        this, "SB_Loeschen", QStringLiteral("Markierte Level entfernen"), QStyle::SP_TrashIcon);
    connect(sbLoeschen, &QToolButton::clicked, this, &TFrm_Spieleinstellungen::SB_LoeschenClick);
    g->addWidget(sbLevel, 1, 0);
    g->addWidget(sbLoeschen, 1, 1);
    SE_Rundenanzahl = Feld(new TZahlFeld, "SE_Rundenanzahl", 1, 100, 1);
    auto* runden = new QHBoxLayout;
    runden->addStretch();
    runden->addWidget(new QLabel(QStringLiteral("Rundenanzahl:")));
    runden->addWidget(SE_Rundenanzahl);
    g->addLayout(runden, 1, 2, 1, 2);
    CB_LevelZufall = new QCheckBox(QStringLiteral("Spielfelder zufällig zuordnen"));
    CB_LevelZufall->setObjectName(QStringLiteral("CB_LevelZufall"));
    connect(CB_LevelZufall, &QCheckBox::toggled, this,
            [this](bool an) { p_.Einstellungen.Arbeitskopie.LevelZufall = an; });
    g->addWidget(CB_LevelZufall, 2, 0, 1, 4);
    return level;
}

void TFrm_Spieleinstellungen::LevelAnzahlSetzen() {
    p_.Einstellungen.LevelAnzahl = std::uint16_t(LV_Level->topLevelItemCount());
}

void TFrm_Spieleinstellungen::LevellisteLaden() {
    LV_Level->clear();
    for (const std::string& pfad : p_.Einstellungen.Levelliste()) LevelEinlesen(pfad);
    LevelAnzahlSetzen();
}

bool TFrm_Spieleinstellungen::LevelEinlesen(const std::string& pfad) {
    if (p_.Level.AllgemeinLesen(pfad + ".all")) return false;
    const TFeldDaten& g = p_.Feld.FeldDaten();
    auto* zeile = new QTreeWidgetItem(LV_Level);
    zeile->setText(0, QText(g.Name));
    zeile->setText(1, QStringLiteral("%1 x %2").arg(g.SpielHoehe).arg(g.SpielBreite));
    zeile->setText(2, QText(pfad));
    LevelAnzahlSetzen();
    return true;
}

void TFrm_Spieleinstellungen::AddLevel() {
    TDateiWahl w;
    w.Titel = QStringLiteral("Bitte wählen Sie Spielfelder");
    w.Filter = QStringLiteral("Spielfelder (*.dat)");
    w.Ordner = QText(p_.SpielfelderOrdner());
    for (const std::string& datei : p_.Dialoge.OeffnenMehrere(this, w))
        if (PfadPasst(datei, p_.Meldungen)) LevelEinlesen(datei);
}

void TFrm_Spieleinstellungen::SB_LoeschenClick() {
    qDeleteAll(LV_Level->selectedItems());
    LevelAnzahlSetzen();
}

void TFrm_Spieleinstellungen::LevellisteUebernehmen() {
    p_.Einstellungen.LevellisteLoeschen();
    for (int i = 0; i < LV_Level->topLevelItemCount(); ++i)
        p_.Einstellungen.LevelAnhaengen(StdText(LV_Level->topLevelItem(i)->text(2)));
}
