#include "ui/dialoge/USpielEinstellungen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "files/UEinstellungenDatei.h"
#include "files/UPfad.h"
#include "model/UAnsi.h"
#include "ui/basis/UEingebauteBilder.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/basis/USpinFeld.h"
#include "ui/dialoge/UBildOrdner.h"
#include "ui/dialoge/USteuerungEinstellungen.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/vorlieben/UComputerWahl.h"

namespace {

const std::string kMindestensEinLevel = "Bitte wählen sie mindestens ein Level aus!";
const std::string kBildBenutzt = "Bild wird schon verwendet. Bitte ein anderes wählen!";

QSpinBox* Feld(QSpinBox* f, const char* name, int min, int max, int schritt) {
    f->setObjectName(QString::fromLatin1(name));
    f->setRange(min, max);
    f->setSingleStep(schritt);
    f->setAlignment(Qt::AlignRight);
    f->setMinimumWidth(80);
    return f;
}

// label, field and unit in one row of a grid.
void Zeile(QGridLayout* g, int zeile, const QString& text, QWidget* feld, const QString& einheit) {
    g->addWidget(new QLabel(text), zeile, 0);
    g->addWidget(feld, zeile, 1);
    if (!einheit.isEmpty()) g->addWidget(new QLabel(einheit), zeile, 2);
}

QGroupBox* Gruppe(const QString& titel, const char* name) {
    auto* g = new QGroupBox(titel);
    g->setObjectName(QString::fromLatin1(name));
    return g;
}

}  // namespace

TFrm_Spieleinstellungen::TFrm_Spieleinstellungen(TProgrammDaten& p, TFenster& fenster)
    : p_(p), fenster_(fenster) {
    setObjectName(QStringLiteral("TFrm_Spieleinstellungen"));
    setWindowTitle(QStringLiteral("Knallfeld - Spieleinstellungen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* haupt = new QVBoxLayout(this);

    // Menu bar.
    auto* menue = new QMenuBar(this);
    menue->setObjectName(QStringLiteral("MM_Einstellungen"));
    QMenu* datei = menue->addMenu(QStringLiteral("Datei"));
    QAction* oeffnen = datei->addAction(QStringLiteral("Öffnen"));
    oeffnen->setObjectName(QStringLiteral("Btn_Oeffnen"));
    oeffnen->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    connect(oeffnen, &QAction::triggered, this, &TFrm_Spieleinstellungen::DateiLaden);
    QAction* speichern = datei->addAction(QStringLiteral("Speichern"));
    speichern->setObjectName(QStringLiteral("Btn_Speichern"));
    speichern->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(speichern, &QAction::triggered, this, &TFrm_Spieleinstellungen::DateiSpeichern);
    QMenu* ordner = menue->addMenu(QStringLiteral("Ordner"));
    QAction* bilderordner = ordner->addAction(QStringLiteral("Bilderordner ändern"));
    bilderordner->setObjectName(QStringLiteral("Btn_Bilderordner"));
    connect(bilderordner, &QAction::triggered, this,
            &TFrm_Spieleinstellungen::Btn_BilderordnerClick);
    haupt->setMenuBar(menue);

    auto* spalten = new QHBoxLayout;
    haupt->addLayout(spalten);
    auto* links = new QVBoxLayout;
    auto* rechts = new QVBoxLayout;
    spalten->addLayout(links);
    spalten->addLayout(rechts, 1);

    // Players.
    QGroupBox* spieler = Gruppe(QStringLiteral("Spieler"), "GB_Spieler");
    auto* sg = new QGridLayout(spieler);
    Ed_Namen1 = new QLineEdit;
    Ed_Namen2 = new QLineEdit;
    CB_Computer1 = new QCheckBox(QStringLiteral("Computer"));
    CB_Computer2 = new QCheckBox(QStringLiteral("Computer"));
    const std::array<QLineEdit*, 2> namen{Ed_Namen1, Ed_Namen2};
    const std::array<QCheckBox*, 2> computer{CB_Computer1, CB_Computer2};
    CB_ComputerArt1 = new QComboBox;
    CB_ComputerArt2 = new QComboBox;
    const std::array<QComboBox*, 2> art{CB_ComputerArt1, CB_ComputerArt2};
    for (int s = 0; s < 2; ++s) {
        namen[s]->setObjectName(s == 0 ? QStringLiteral("Ed_Namen1") : QStringLiteral("Ed_Namen2"));
        namen[s]->setMaxLength(20);
        NurSpeicherbareZeichen(namen[s]);
        computer[s]->setObjectName(s == 0 ? QStringLiteral("CB_Computer1")
                                          : QStringLiteral("CB_Computer2"));
        auto* lb = new QLabel(s == 0 ? QStringLiteral("Eins:") : QStringLiteral("Zwei:"));
        QFont f = lb->font();
        f.setBold(true);
        lb->setFont(f);
        TextFarbe(lb, s == 0 ? Qt::blue : Qt::red);
        sg->addWidget(lb, s * 2, 0);
        sg->addWidget(namen[s], s * 2, 1);
        sg->addWidget(BildKnopf(s, s == 0 ? "SB_Spieler1" : "SB_Spieler2",
                                s == 0 ? "Im_Spieler1" : "Im_Spieler2"),
                      s * 2, 2, 2, 1);
        art[s]->setObjectName(s == 0 ? QStringLiteral("CB_ComputerArt1")
                                     : QStringLiteral("CB_ComputerArt2"));
        art[s]->addItems({QStringLiteral("klassisch"), QStringLiteral("stark")});
        art[s]->setToolTip(
            QStringLiteral("Der klassische Computer oder der starke, der "
                           "vorausplant"));
        auto* wahl = new QHBoxLayout;
        wahl->addWidget(computer[s]);
        wahl->addWidget(art[s], 1);
        sg->addLayout(wahl, s * 2 + 1, 1);
        connect(computer[s], &QCheckBox::toggled, art[s], &QWidget::setEnabled);
        connect(namen[s], &QLineEdit::textChanged, this, [this, s](const QString& t) {
            // NamenAendern: at most 20 characters reach the record.
            p_.Einstellungen.Arbeitskopie.Spieler(s + 1).Name = Utf8Kuerzen(StdText(t), 20);
        });
        connect(computer[s], &QCheckBox::toggled, this, [this, s](bool an) {
            p_.Einstellungen.Arbeitskopie.Spieler(s + 1).Computer = an;  // ComputerAendern
        });
    }
    auto* steuerung = new QPushButton(QStringLiteral("Steuerung"));
    steuerung->setObjectName(QStringLiteral("Btn_Steuerung"));
    steuerung->setAutoDefault(false);
    connect(steuerung, &QPushButton::clicked, this, &TFrm_Spieleinstellungen::SteuerungEinstellen);
    sg->addWidget(steuerung, 4, 1);
    links->addWidget(spieler);

    // Timings.
    QGroupBox* zeiten = Gruppe(QStringLiteral("Zeitintervalle"), "GB_Zeitintervalle");
    auto* zg = new QGridLayout(zeiten);
    SE_PlatzExplo =
        Feld(new TPfeilFeld, "SE_PlatzExplo", kBereichPlatzExplo.Min, kBereichPlatzExplo.Max, 10);
    SE_Explo = Feld(new TPfeilFeld, "SE_Explo", kBereichExploDauer.Min, kBereichExploDauer.Max, 10);
    SE_WasserGeschwindigkeit = Feld(new TPfeilFeld, "SE_WasserGeschwindigkeit", kBereichWasser.Min,
                                    kBereichWasser.Max, 10);
    Zeile(zg, 0, QStringLiteral("Platzierung -> Explosion"), SE_PlatzExplo, QStringLiteral("ms"));
    Zeile(zg, 1, QStringLiteral("Explosion der Bombe"), SE_Explo, QStringLiteral("ms"));
    Zeile(zg, 2, QStringLiteral("Wassergeschwindigkeit:"), SE_WasserGeschwindigkeit,
          QStringLiteral("ms"));
    links->addWidget(zeiten);

    QGroupBox* tempo = Gruppe(QStringLiteral("Spielgeschwindigkeit"), "GB_Spielgeschwindigkeit");
    auto* tg = new QGridLayout(tempo);
    SE_Spielergeschwindigkeit = Feld(new TPfeilFeld, "SE_Spielergeschwindigkeit",
                                     kBereichVerzoegerung.Min, kBereichVerzoegerung.Max, 1);
    Zeile(tg, 0, QStringLiteral("Verzögerung der Spielfiguren:"), SE_Spielergeschwindigkeit,
          QStringLiteral("ms"));
    links->addWidget(tempo);

    // Extras.
    QGroupBox* extras = Gruppe(QStringLiteral("Extras"), "GB_Extras");
    auto* eg = new QGridLayout(extras);
    SE_ExtraProzent = Feld(new TPfeilFeld, "SE_ExtraProzent", 0, 100, 1);
    SE_Unverwundbarkeit = Feld(new TPfeilFeld, "SE_Unverwundbarkeit", 1, 240, 1);
    Zeile(eg, 0, QStringLiteral("Wahrscheinlichkeit"), SE_ExtraProzent, QStringLiteral("%"));
    Zeile(eg, 1, QStringLiteral("Unverwundbarkeitszeit:"), SE_Unverwundbarkeit,
          QStringLiteral("s"));
    auto* bilder = new QHBoxLayout;
    const char* extraTexte[4] = {"Werfen:", "Mehr Bomben:", "Unverwundbar:", "Krankheit:"};
    const char* extraKnoepfe[4] = {"SB_Werfen", "SB_MehrBomben", "SB_Unverwund", "SB_Krank"};
    const char* extraBilder[4] = {"Im_Werfen", "Im_MehrBomben", "Im_Unverwundbar", "Im_Krankheit"};
    for (int i = 0; i < 4; ++i) {
        auto* spalte = new QVBoxLayout;
        spalte->addWidget(new QLabel(QString::fromUtf8(extraTexte[i])), 0, Qt::AlignHCenter);
        spalte->addWidget(BildKnopf(2 + i, extraKnoepfe[i], extraBilder[i]), 0, Qt::AlignHCenter);
        bilder->addLayout(spalte);
    }
    eg->addLayout(bilder, 2, 0, 1, 3);
    links->addWidget(extras);

    // Computer opponent.
    QGroupBox* ki = Gruppe(QStringLiteral("Computergegner"), "GB_Computergegner");
    auto* kg = new QGridLayout(ki);
    SE_Schwierigkeit = Feld(new TPfeilFeld, "SE_Schwierigkeit", 1, 5, 1);
    Zeile(kg, 0, QStringLiteral("Schwierigkeitgrad"), SE_Schwierigkeit, QString());
    auto* hinweis = new QLabel(QStringLiteral("1 = sehr leicht; 3 = Mittel; 5 = sehr schwer"));
    hinweis->setObjectName(QStringLiteral("Lb_Schwierigkeit_Hinweis"));
    kg->addWidget(hinweis, 1, 0, 1, 3);
    rechts->addWidget(ki);

    // Levels.
    QGroupBox* level = Gruppe(QStringLiteral("Level"), "GB_Level");
    auto* lg = new QGridLayout(level);
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
    lg->addWidget(LV_Level, 0, 0, 1, 4);
    auto* sbLevel = new QToolButton;
    sbLevel->setObjectName(QStringLiteral("SB_Level"));
    sbLevel->setToolTip(QStringLiteral("Level hinzufügen"));
    sbLevel->setIcon(style()->standardIcon(QStyle::SP_FileDialogNewFolder));
    sbLevel->setIconSize(QSize(20, 20));
    connect(sbLevel, &QToolButton::clicked, this, &TFrm_Spieleinstellungen::AddLevel);
    auto* sbLoeschen = new QToolButton;
    sbLoeschen->setObjectName(QStringLiteral("SB_Loeschen"));
    sbLoeschen->setToolTip(QStringLiteral("Markierte Level entfernen"));
    sbLoeschen->setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    sbLoeschen->setIconSize(QSize(20, 20));
    connect(sbLoeschen, &QToolButton::clicked, this, &TFrm_Spieleinstellungen::SB_LoeschenClick);
    lg->addWidget(sbLevel, 1, 0);
    lg->addWidget(sbLoeschen, 1, 1);
    SE_Rundenanzahl = Feld(new TZahlFeld, "SE_Rundenanzahl", 1, 100, 1);
    auto* runden = new QHBoxLayout;
    runden->addStretch();
    runden->addWidget(new QLabel(QStringLiteral("Rundenanzahl:")));
    runden->addWidget(SE_Rundenanzahl);
    lg->addLayout(runden, 1, 2, 1, 2);
    CB_LevelZufall = new QCheckBox(QStringLiteral("Spielfelder zufällig zuordnen"));
    CB_LevelZufall->setObjectName(QStringLiteral("CB_LevelZufall"));
    connect(CB_LevelZufall, &QCheckBox::toggled, this,
            [this](bool an) { p_.Einstellungen.Arbeitskopie.LevelZufall = an; });
    lg->addWidget(CB_LevelZufall, 2, 0, 1, 4);
    rechts->addWidget(level, 1);

    // OK and Cancel.
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"));
    abbrechen->setObjectName(QStringLiteral("Btn_Abbrechen"));
    abbrechen->setAutoDefault(false);
    connect(abbrechen, &QPushButton::clicked, this, &TFrm_Spieleinstellungen::AbbrechenClick);
    auto* ok = new QPushButton(QStringLiteral("&OK"));
    ok->setObjectName(QStringLiteral("Btn_OK"));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TFrm_Spieleinstellungen::Btn_OKClick);
    knoepfe->addWidget(abbrechen);
    knoepfe->addWidget(ok);
    rechts->addLayout(knoepfe);

    for (QSpinBox* f :
         {SE_PlatzExplo, SE_Explo, SE_WasserGeschwindigkeit, SE_Spielergeschwindigkeit,
          SE_ExtraProzent, SE_Unverwundbarkeit, SE_Schwierigkeit, SE_Rundenanzahl})
        connect(f, &QSpinBox::valueChanged, this, [this, f] { FeldAendern(f); });

    // FormCreate: both fuse fields start at 500.
    SE_PlatzExplo->setMinimum(500);
    SE_Explo->setMinimum(500);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

QWidget* TFrm_Spieleinstellungen::BildKnopf(int nr, const char* knopf, const char* bild) {
    auto* sb = new QToolButton;
    sb->setObjectName(QString::fromLatin1(knopf));
    sb->setFixedSize(46, 46);
    sb->setAutoRaise(true);
    auto* im = new QLabel(sb);
    im->setObjectName(QString::fromLatin1(bild));
    im->setGeometry(3, 3, 40, 40);
    im->setScaledContents(true);
    im->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(sb, &QToolButton::clicked, this, [this, sb] { BildAuswahl(sb); });
    SB_Bilder[nr] = sb;
    Im_Bilder[nr] = im;
    return sb;
}

std::string& TFrm_Spieleinstellungen::BildPfad(TSpielRecEinstellungen& e, int nr) {
    switch (nr) {
        case 0:
            return e.Spieler1.Bild;
        case 1:
            return e.Spieler2.Bild;
        case 2:
            return e.BildWerfen;
        case 3:
            return e.BildMehrBomben;
        case 4:
            return e.BildUnverwundbar;
        default:
            return e.BildKrankheit;
    }
}

void TFrm_Spieleinstellungen::BildZeigen(int nr, const std::string& pfad, bool* ausDatei) {
    const TEingebaut ersatz = nr < 2 ? SpielerBild(nr + 1) : ExtraBild(nr - 2);
    Im_Bilder[nr]->setPixmap(QPixmap::fromImage(BildOderEingebaut(pfad, ersatz, ausDatei)));
}

void TFrm_Spieleinstellungen::FeldAendern(QSpinBox* f) {
    TSpielRecEinstellungen& a = p_.Einstellungen.Arbeitskopie;
    const int v = f->value();
    if (f == SE_PlatzExplo) a.PlatzExplo = std::uint16_t(v);
    if (f == SE_Explo) a.ExploDauer = std::uint16_t(v);
    if (f == SE_WasserGeschwindigkeit) a.WasserGeschwindigkeit = std::uint16_t(v);
    if (f == SE_Spielergeschwindigkeit) a.SpielerVerzoegerung = std::uint16_t(v);
    if (f == SE_ExtraProzent) a.ExtraProzent = std::uint8_t(v);
    if (f == SE_Unverwundbarkeit) a.Unverwundbarkeit = std::uint8_t(v);
    if (f == SE_Schwierigkeit) a.Schwierigkeit = std::uint8_t(v);
    if (f == SE_Rundenanzahl) a.Rundenanzahl = std::uint8_t(v);
}

void TFrm_Spieleinstellungen::LevelAnzahlSetzen() {
    p_.Einstellungen.LevelAnzahl = std::uint16_t(LV_Level->topLevelItemCount());
}

void TFrm_Spieleinstellungen::DialogLaden() {
    // Shown, and taken on OK, as the match would use them.
    TSpielRecEinstellungen l = IntervalleBegrenzt(p_.Einstellungen.EinstellungenHolen());
    SE_Rundenanzahl->setValue(l.Rundenanzahl);
    CB_LevelZufall->setChecked(l.LevelZufall);
    SE_PlatzExplo->setValue(l.PlatzExplo);
    SE_Explo->setValue(l.ExploDauer);
    SE_WasserGeschwindigkeit->setValue(l.WasserGeschwindigkeit);
    SE_Spielergeschwindigkeit->setValue(l.SpielerVerzoegerung);
    SE_Unverwundbarkeit->setValue(l.Unverwundbarkeit);
    SE_ExtraProzent->setValue(l.ExtraProzent);
    SE_Schwierigkeit->setValue(l.Schwierigkeit);
    Ed_Namen1->setText(QText(l.Spieler1.Name));
    CB_Computer1->setChecked(l.Spieler1.Computer);
    Ed_Namen2->setText(QText(l.Spieler2.Name));
    CB_Computer2->setChecked(l.Spieler2.Computer);
    p_.ComputerWahlLaden();
    CB_ComputerArt1->setCurrentIndex(int(p_.Einstellungen.ComputerArt(1)));
    CB_ComputerArt2->setCurrentIndex(int(p_.Einstellungen.ComputerArt(2)));
    CB_ComputerArt1->setEnabled(l.Spieler1.Computer);
    CB_ComputerArt2->setEnabled(l.Spieler2.Computer);

    for (int nr = 0; nr < 6; ++nr) {
        bool ausDatei = false;
        BildZeigen(nr, BildPfad(l, nr), &ausDatei);
        if (!ausDatei) BildPfad(l, nr).clear();
    }
    p_.Einstellungen.Arbeitskopie = l;

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
    w.Titel = QStringLiteral("Bitte wählen Sie ein Spielfeld");
    w.Filter = QStringLiteral("Spielfelder (*.dat)");
    w.Ordner = QText(p_.SpielfelderOrdner());
    const std::string datei = p_.Dialoge.Oeffnen(this, w);
    if (datei.empty() || !PfadPasst(datei, p_.Meldungen)) return;
    LevelEinlesen(datei);
}

void TFrm_Spieleinstellungen::SB_LoeschenClick() {
    qDeleteAll(LV_Level->selectedItems());
    LevelAnzahlSetzen();
}

void TFrm_Spieleinstellungen::BildAuswahl(QToolButton* sender) {
    int nr = 0;
    while (nr < 6 && SB_Bilder[nr] != sender) ++nr;
    if (nr == 6) return;
    TDateiWahl w;
    w.Titel = QStringLiteral("Bitte wählen Sie ein Bild aus");
    w.Filter = QStringLiteral("Bitmaps (*.bmp)");
    w.Endung = QStringLiteral(".bmp");
    w.MitVorschau = true;
    const std::string f = p_.Dialoge.Oeffnen(this, w);
    if (f.empty() || !PfadPasst(f, p_.Meldungen)) return;
    if (!BitmapLesbar(f)) {
        p_.Meldungen.Zeige(TBoxTyp::Fehler, "Die Datei " + f +
                                                " ist keine lesbare Bitmap und kann nicht "
                                                "verwendet werden.");
        return;
    }
    TSpielRecEinstellungen l = p_.Einstellungen.Arbeitskopie;
    if (nr < 2) {
        const std::string& anderes = BildPfad(l, 1 - nr);
        if (!anderes.empty() && Dateiname(anderes) == Dateiname(f)) {
            p_.Meldungen.Zeige(TBoxTyp::Warnung, kBildBenutzt);
            return;
        }
    }
    BildZeigen(nr, f);
    BildPfad(l, nr) = f;
    p_.Einstellungen.Arbeitskopie = l;
}

void TFrm_Spieleinstellungen::SteuerungEinstellen() {
    TSpielRecEinstellungen l = p_.Einstellungen.Arbeitskopie;
    TTastenbelegung t1{}, t2{};
    for (int k = 1; k <= 6; ++k) {
        t1[k - 1] = l.Spieler1.Taste(k);
        t2[k - 1] = l.Spieler2.Taste(k);
    }
    TFrm_Steuerung& st = *fenster_.Steuerung;
    st.Einrichten(t1, t2);
    ZentriereAufBildschirm(&st);
    if (p_.ModalZeigen(st) != QDialog::Accepted) return;
    for (int k = 1; k <= 6; ++k) {
        l.Spieler1.Taste(k) = st.Ergebnis(1)[k - 1];
        l.Spieler2.Taste(k) = st.Ergebnis(2)[k - 1];
    }
    p_.Einstellungen.Arbeitskopie = l;
}

void TFrm_Spieleinstellungen::Btn_BilderordnerClick() {
    fenster_.BildOrdner->OrdnerWaehlen();
}

void TFrm_Spieleinstellungen::LevellisteUebernehmen() {
    p_.Einstellungen.LevellisteLoeschen();
    for (int i = 0; i < LV_Level->topLevelItemCount(); ++i)
        p_.Einstellungen.LevelAnhaengen(StdText(LV_Level->topLevelItem(i)->text(2)));
}

void TFrm_Spieleinstellungen::Btn_OKClick() {
    // A number still being typed into the rounds field counts, within its range.
    SE_Rundenanzahl->interpretText();
    LevellisteUebernehmen();
    LevelAnzahlSetzen();
    p_.Einstellungen.EinstellungenSetzen(p_.Einstellungen.Arbeitskopie);
    for (int s = 1; s <= 2; ++s)
        p_.Einstellungen.ComputerArten[std::size_t(s - 1)] =
            (s == 1 ? CB_ComputerArt1 : CB_ComputerArt2)->currentIndex() == 1
                ? TComputerArt::Stark
                : TComputerArt::Klassisch;
    ComputerWahlSpeichern(p_.Einstellungen.ComputerArten);
    accept();
}

void TFrm_Spieleinstellungen::AbbrechenClick() {
    reject();
}

void TFrm_Spieleinstellungen::reject() {
    p_.Einstellungen.Arbeitskopie = p_.Einstellungen.EinstellungenHolen();
    // Rows added or removed here are abandoned as well; the match counts the committed list.
    p_.Einstellungen.LevelAnzahl = std::uint16_t(p_.Einstellungen.Levelliste().size());
    QDialog::reject();
}

void TFrm_Spieleinstellungen::DateiSpeichern() {
    if (LV_Level->topLevelItemCount() == 0) {
        p_.Meldungen.Zeige(TBoxTyp::Fehler, kMindestensEinLevel);
        return;
    }
    SE_Rundenanzahl->interpretText();
    TDateiWahl w;
    w.Titel = QStringLiteral("Spiel-Einstellungen speichern");
    w.Filter = QStringLiteral("KonfigDatei (*.sps)");
    w.Endung = QStringLiteral(".sps");
    w.Ordner = QText(p_.Programmordner);
    const std::string datei = p_.Dialoge.Speichern(this, w);
    if (datei.empty()) return;
    p_.Einstellungen.EinstellungenSetzen(p_.Einstellungen.Arbeitskopie);
    LevellisteUebernehmen();
    EinstellungenSpeichern(p_.Einstellungen, p_.Fehler, datei);
}

void TFrm_Spieleinstellungen::DateiLaden() {
    TDateiWahl w;
    w.Titel = QStringLiteral("Spiel-Einstellungen laden");
    w.Filter = QStringLiteral("KonfigDatei (*.sps)");
    w.Endung = QStringLiteral("sps");
    w.Ordner = QText(p_.Programmordner);
    const std::string datei = p_.Dialoge.Oeffnen(this, w);
    if (datei.empty()) return;
    if (!EinstellungenLaden(p_.Einstellungen, p_.Fehler, datei)) DialogLaden();
}
