#include "ui/dialoge/USpielEinstellungen.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "files/UEinstellungenDatei.h"
#include "model/UAnsi.h"
#include "model/USturmRinge.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/basis/USpinFeld.h"
#include "ui/dialoge/UBildOrdner.h"
#include "ui/dialoge/USteuerungEinstellungen.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/vorlieben/UBildWahl.h"
#include "ui/vorlieben/UComputerWahl.h"
#include "ui/vorlieben/USturmflutWahl.h"

namespace {

const std::string kMindestensEinLevel = "Bitte wählen sie mindestens ein Level aus!";

// label, field and unit in one row of a grid.
void Zeile(QGridLayout* g, int zeile, const QString& text, QWidget* feld, const QString& einheit) {
    g->addWidget(new QLabel(text), zeile, 0);
    g->addWidget(feld, zeile, 1);
    if (!einheit.isEmpty()) g->addWidget(new QLabel(einheit), zeile, 2);
}

}  // namespace

TFrm_Spieleinstellungen::TFrm_Spieleinstellungen(TProgrammDaten& p, TFenster& fenster)
    : p_(p), fenster_(fenster) {
    setObjectName(QStringLiteral("TFrm_Spieleinstellungen"));
    setWindowTitle(QStringLiteral("Knallfeld - Spieleinstellungen"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    // Built in this order, which is also the order of the Tab key.
    auto* haupt = new QVBoxLayout(this);
    haupt->setMenuBar(MenueLeiste());
    auto* spalten = new QHBoxLayout;
    haupt->addLayout(spalten);
    auto* links = new QVBoxLayout;
    auto* rechts = new QVBoxLayout;
    spalten->addLayout(links);
    spalten->addLayout(rechts, 1);
    links->addWidget(SpielerGruppe());
    links->addWidget(ZeitenGruppe());
    links->addWidget(TempoGruppe());
    links->addWidget(ExtrasGruppe());
    rechts->addWidget(ComputerGruppe());
    rechts->addWidget(LevelGruppe(), 1);
    rechts->addLayout(KnopfLeiste());

    // FormCreate: both fuse fields start at 500.
    SE_PlatzExplo->setMinimum(500);
    SE_Explo->setMinimum(500);
    haupt->setSizeConstraint(QLayout::SetFixedSize);
}

QMenuBar* TFrm_Spieleinstellungen::MenueLeiste() {
    auto* menue = new QMenuBar(this);
    menue->setObjectName(QStringLiteral("MM_Einstellungen"));
    QMenu* datei = menue->addMenu(QStringLiteral("Datei"));
    Eintrag(datei, QStringLiteral("Öffnen"), "Btn_Oeffnen", &TFrm_Spieleinstellungen::DateiLaden)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    Eintrag(datei, QStringLiteral("Speichern"), "Btn_Speichern",
            &TFrm_Spieleinstellungen::DateiSpeichern)
        ->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    QMenu* ordner = menue->addMenu(QStringLiteral("Ordner"));
    Eintrag(ordner, QStringLiteral("Bilderordner ändern"), "Btn_Bilderordner",
            &TFrm_Spieleinstellungen::Btn_BilderordnerClick);
    return menue;
}

QGroupBox* TFrm_Spieleinstellungen::SpielerGruppe() {
    QGroupBox* spieler = Gruppe(QStringLiteral("Spieler"), "GB_Spieler");
    auto* g = new QGridLayout(spieler);
    SpielerZeile(g, 0);
    SpielerZeile(g, 1);
    g->addWidget(Knopf(QStringLiteral("Steuerung"), "Btn_Steuerung",
                       &TFrm_Spieleinstellungen::SteuerungEinstellen),
                 4, 1);
    return spieler;
}

// Two rows of the players' grid: name and picture, then whether and which computer plays.
void TFrm_Spieleinstellungen::SpielerZeile(QGridLayout* g, int s) {
    const QString nr = QString::number(s + 1);
    auto* name = (s == 0 ? Ed_Namen1 : Ed_Namen2) = new QLineEdit;
    auto* computer = (s == 0 ? CB_Computer1 : CB_Computer2) =
        new QCheckBox(QStringLiteral("Computer"));
    auto* art = (s == 0 ? CB_ComputerArt1 : CB_ComputerArt2) = new QComboBox;
    name->setObjectName(QStringLiteral("Ed_Namen") + nr);
    name->setMaxLength(20);
    NurSpeicherbareZeichen(name);
    computer->setObjectName(QStringLiteral("CB_Computer") + nr);
    auto* lb = new QLabel(s == 0 ? QStringLiteral("Eins:") : QStringLiteral("Zwei:"));
    QFont f = lb->font();
    f.setBold(true);
    lb->setFont(f);
    TextFarbe(lb, s == 0 ? Qt::blue : Qt::red);
    g->addWidget(lb, s * 2, 0);
    g->addWidget(name, s * 2, 1);
    g->addWidget(BildKnopf(s, QStringLiteral("SB_Spieler") + nr, QStringLiteral("Im_Spieler") + nr),
                 s * 2, 2, 2, 1);
    art->setObjectName(QStringLiteral("CB_ComputerArt") + nr);
    art->addItems({QStringLiteral("klassisch"), QStringLiteral("stark")});
    art->setToolTip(QStringLiteral("Der klassische Computer oder der starke, der vorausplant"));
    auto* wahl = new QHBoxLayout;
    wahl->addWidget(computer);
    wahl->addWidget(art, 1);
    g->addLayout(wahl, s * 2 + 1, 1);
    connect(computer, &QCheckBox::toggled, art, &QWidget::setEnabled);
    connect(name, &QLineEdit::textChanged, this, [this, s](const QString& t) {
        // NamenAendern: at most 20 characters reach the record.
        p_.Einstellungen.Arbeitskopie.Spieler(s + 1).Name = Utf8Kuerzen(StdText(t), 20);
    });
    connect(computer, &QCheckBox::toggled, this, [this, s](bool an) {
        p_.Einstellungen.Arbeitskopie.Spieler(s + 1).Computer = an;  // ComputerAendern
    });
}

QGroupBox* TFrm_Spieleinstellungen::ZeitenGruppe() {
    QGroupBox* zeiten = Gruppe(QStringLiteral("Zeitintervalle"), "GB_Zeitintervalle");
    auto* g = new QGridLayout(zeiten);
    SE_PlatzExplo =
        Feld(new TPfeilFeld, "SE_PlatzExplo", kBereichPlatzExplo.Min, kBereichPlatzExplo.Max, 10);
    SE_Explo = Feld(new TPfeilFeld, "SE_Explo", kBereichExploDauer.Min, kBereichExploDauer.Max, 10);
    SE_WasserGeschwindigkeit = Feld(new TPfeilFeld, "SE_WasserGeschwindigkeit", kBereichWasser.Min,
                                    kBereichWasser.Max, 10);
    Zeile(g, 0, QStringLiteral("Platzierung -> Explosion"), SE_PlatzExplo, QStringLiteral("ms"));
    Zeile(g, 1, QStringLiteral("Explosion der Bombe"), SE_Explo, QStringLiteral("ms"));
    Zeile(g, 2, QStringLiteral("Wassergeschwindigkeit:"), SE_WasserGeschwindigkeit,
          QStringLiteral("ms"));
    return zeiten;
}

QGroupBox* TFrm_Spieleinstellungen::TempoGruppe() {
    QGroupBox* tempo = Gruppe(QStringLiteral("Spielgeschwindigkeit"), "GB_Spielgeschwindigkeit");
    auto* g = new QGridLayout(tempo);
    SE_Spielergeschwindigkeit = Feld(new TPfeilFeld, "SE_Spielergeschwindigkeit",
                                     kBereichVerzoegerung.Min, kBereichVerzoegerung.Max, 1);
    Zeile(g, 0, QStringLiteral("Verzögerung der Spielfiguren:"), SE_Spielergeschwindigkeit,
          QStringLiteral("ms"));
    CB_BewegteBilder = new QCheckBox(QStringLiteral("Bewegte Bilder"));
    CB_BewegteBilder->setObjectName(QStringLiteral("CB_BewegteBilder"));
    CB_BewegteBilder->setToolTip(
        QStringLiteral("Figuren gehen, Lunten brennen, Flammen schießen hervor"));
    g->addWidget(CB_BewegteBilder, 1, 0, 1, 3);
    return tempo;
}

QGroupBox* TFrm_Spieleinstellungen::ExtrasGruppe() {
    QGroupBox* extras = Gruppe(QStringLiteral("Extras"), "GB_Extras");
    auto* g = new QGridLayout(extras);
    SE_ExtraProzent = Feld(new TPfeilFeld, "SE_ExtraProzent", 0, 100, 1);
    SE_Unverwundbarkeit = Feld(new TPfeilFeld, "SE_Unverwundbarkeit", 1, 240, 1);
    Zeile(g, 0, QStringLiteral("Wahrscheinlichkeit"), SE_ExtraProzent, QStringLiteral("%"));
    Zeile(g, 1, QStringLiteral("Unverwundbarkeitszeit:"), SE_Unverwundbarkeit, QStringLiteral("s"));
    auto* bilder = new QHBoxLayout;
    const char* texte[4] = {"Werfen:", "Mehr Bomben:", "Unverwundbar:", "Krankheit:"};
    const char* knoepfe[4] = {"SB_Werfen", "SB_MehrBomben", "SB_Unverwund", "SB_Krank"};
    const char* namen[4] = {"Im_Werfen", "Im_MehrBomben", "Im_Unverwundbar", "Im_Krankheit"};
    for (int i = 0; i < 4; ++i) {
        auto* spalte = new QVBoxLayout;
        spalte->addWidget(new QLabel(QString::fromUtf8(texte[i])), 0, Qt::AlignHCenter);
        spalte->addWidget(
            BildKnopf(2 + i, QString::fromLatin1(knoepfe[i]), QString::fromLatin1(namen[i])), 0,
            Qt::AlignHCenter);
        bilder->addLayout(spalte);
    }
    g->addLayout(bilder, 2, 0, 1, 3);
    return extras;
}

QGroupBox* TFrm_Spieleinstellungen::ComputerGruppe() {
    QGroupBox* ki = Gruppe(QStringLiteral("Computergegner"), "GB_Computergegner");
    auto* g = new QGridLayout(ki);
    SE_Schwierigkeit = Feld(new TPfeilFeld, "SE_Schwierigkeit", 1, 5, 1);
    Zeile(g, 0, QStringLiteral("Schwierigkeitgrad"), SE_Schwierigkeit, QString());
    auto* hinweis = new QLabel(QStringLiteral("1 = sehr leicht; 3 = Mittel; 5 = sehr schwer"));
    hinweis->setObjectName(QStringLiteral("Lb_Schwierigkeit_Hinweis"));
    g->addWidget(hinweis, 1, 0, 1, 3);
    CB_Sturmflut = new QComboBox;
    CB_Sturmflut->setObjectName(QStringLiteral("CB_Sturmflut"));
    CB_Sturmflut->addItem(QStringLiteral("aus"));
    for (int m = 1; m <= kSturmflutMaxMinuten; ++m)
        CB_Sturmflut->addItem(QStringLiteral("nach %1 min").arg(m));
    CB_Sturmflut->setToolTip(
        QStringLiteral("Nach dieser Zeit schließt sich das Wasser vom Rand her, bis die Runde "
                       "endet"));
    Zeile(g, 2, QStringLiteral("Sturmflut"), CB_Sturmflut, QString());
    return ki;
}

QHBoxLayout* TFrm_Spieleinstellungen::KnopfLeiste() {
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(Knopf(QStringLiteral("&Abbrechen"), "Btn_Abbrechen",
                             &TFrm_Spieleinstellungen::AbbrechenClick));
    knoepfe->addWidget(
        Knopf(QStringLiteral("&OK"), "Btn_OK", &TFrm_Spieleinstellungen::Btn_OKClick));
    return knoepfe;
}

QAction* TFrm_Spieleinstellungen::Eintrag(QMenu* m, const QString& text, const char* name,
                                          TKlick klick) {
    QAction* a = m->addAction(text);
    a->setObjectName(QString::fromLatin1(name));
    connect(a, &QAction::triggered, this, klick);
    return a;
}

QPushButton* TFrm_Spieleinstellungen::Knopf(const QString& text, const char* name, TKlick klick) {
    auto* k = new QPushButton(text);
    k->setObjectName(QString::fromLatin1(name));
    // Enter in a field presses no button.
    k->setAutoDefault(false);
    connect(k, &QPushButton::clicked, this, klick);
    return k;
}

QSpinBox* TFrm_Spieleinstellungen::Feld(QSpinBox* f, const char* name, int min, int max,
                                        int schritt) {
    f->setObjectName(QString::fromLatin1(name));
    f->setRange(min, max);
    f->setSingleStep(schritt);
    f->setAlignment(Qt::AlignRight);
    f->setMinimumWidth(80);
    connect(f, &QSpinBox::valueChanged, this, [this, f] { FeldAendern(f); });
    return f;
}

QGroupBox* TFrm_Spieleinstellungen::Gruppe(const QString& titel, const char* name) {
    auto* g = new QGroupBox(titel);
    g->setObjectName(QString::fromLatin1(name));
    return g;
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
    CB_BewegteBilder->setChecked(BewegteBilderLesen());
    CB_Sturmflut->setCurrentIndex(p_.Einstellungen.Sturmflut);

    BilderLaden(l);
    p_.Einstellungen.Arbeitskopie = l;
    LevellisteLaden();
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
    BewegteBilderSpeichern(CB_BewegteBilder->isChecked());
    p_.Einstellungen.Sturmflut = std::uint8_t(CB_Sturmflut->currentIndex());
    SturmflutWahlSpeichern(p_.Einstellungen.Sturmflut);
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
