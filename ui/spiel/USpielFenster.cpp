#include "ui/spiel/USpielFenster.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyle>
#include <QTimer>
#include <algorithm>
#include <cmath>

#include "model/UVirtuelleTasten.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/eingabe/UPadSteuerung.h"
#include "ui/eingabe/UTastencode.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/spiel/UAbspielLeiste.h"
#include "ui/spiel/UAbspielMatch.h"
#include "ui/spiel/UFeldMassstab.h"
#include "ui/spiel/UFensterGroesse.h"
#include "ui/spiel/ULokalesMatch.h"
#include "ui/spiel/USpielGitter.h"
#include "ui/spiel/USpielMasse.h"
#include "ui/spiel/UStatusPanel.h"
#include "ui/vorlieben/UBildWahl.h"

TFrm_Spiel::TFrm_Spiel(TProgrammDaten& p)
    : p_(p), bilder_(p.Bilder), meldungen_(p.Meldungen, takt_) {
    setObjectName(QStringLiteral("TFrm_Spiel"));
    setWindowTitle(QStringLiteral("Knallfeld - Spiel"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::WindowMaximizeButtonHint);

    Pn_Feld = new QScrollArea(this);
    Pn_Feld->setObjectName(QStringLiteral("Pn_Feld"));
    Pn_Feld->setFrameShape(QFrame::NoFrame);
    Pn_Feld->setFocusPolicy(Qt::NoFocus);
    Pn_Feld->setWidgetResizable(false);
    // A scaled board smaller than its area stands in the middle, on the board colour.
    Pn_Feld->setAlignment(Qt::AlignCenter);
    Pn_Feld->viewport()->setAutoFillBackground(true);
    Pn_Feld->move(kFeldLinks, kFeldOben);
    SG_Feld = new TSpielGitter(p_.Feld, bilder_);
    Pn_Feld->setWidget(SG_Feld);

    Panel = std::make_unique<TStatusPanel>(*this);

    Btn_Next = new QPushButton(QStringLiteral("Nächste Runde"), this);
    Btn_Next->setObjectName(QStringLiteral("Btn_Next"));
    Btn_Next->resize(kKnopfBreite, kKnopfHoehe);
    Btn_Next->setEnabled(false);
    Btn_Neustart = new QPushButton(QStringLiteral("Neustart"), this);
    Btn_Neustart->setObjectName(QStringLiteral("Btn_Neustart"));
    Btn_Neustart->resize(kKnopfBreite, kKnopfHoehe);
    Btn_Vollbild = new QPushButton(this);
    Btn_Vollbild->setObjectName(QStringLiteral("Btn_Vollbild"));
    Btn_Vollbild->setIcon(style()->standardIcon(QStyle::SP_TitleBarMaxButton));
    Btn_Vollbild->setToolTip(QStringLiteral("Vollbild (F11)"));
    Btn_Vollbild->resize(kKnopfHoehe, kKnopfHoehe);
    // The keyboard belongs to the board: the buttons are for the mouse only.
    for (QPushButton* b : {Btn_Next, Btn_Neustart, Btn_Vollbild}) {
        b->setFocusPolicy(Qt::NoFocus);
        b->setAutoDefault(false);
    }
    A_Vollbild = new QAction(QStringLiteral("Vollbild\tF11"), this);
    A_Vollbild->setObjectName(QStringLiteral("A_Vollbild"));
    A_Vollbild->setCheckable(true);
    addAction(A_Vollbild);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(A_Vollbild, &QAction::triggered, this, [this] { VollbildUmschalten(); });
    connect(Btn_Vollbild, &QPushButton::clicked, this, [this] { VollbildUmschalten(); });

    Im_Temp = new QLabel(this);
    Im_Temp->setObjectName(QStringLiteral("Im_Temp"));
    Im_Temp->resize(41, 41);
    Im_Temp->hide();
    Lb_Netz = PanelText(this, QString(), QStringLiteral("Lb_Netz"), 0, kTempOben, kPanelBreite);
    Lb_Netz->resize(kPanelBreite, 2 * Lb_Netz->fontMetrics().lineSpacing() + 2);
    Lb_Netz->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Lb_Netz->hide();
    Lb_Chat = PanelText(this, QString(), QStringLiteral("Lb_Chat"), 0, kChatOben, kPanelBreite);
    Lb_Chat->resize(kPanelBreite, kChatAnzeigeZeilen * Lb_Chat->fontMetrics().lineSpacing() + 2);
    Lb_Chat->setAlignment(Qt::AlignLeft | Qt::AlignBottom);
    Lb_Chat->hide();
    Ed_Chat = new QLineEdit(this);
    Ed_Chat->setObjectName(QStringLiteral("Ed_Chat"));
    Ed_Chat->setMaxLength(int(kChatMaxZeichen));
    Ed_Chat->setPlaceholderText(QStringLiteral("Nachricht an den Mitspieler (Enter sendet)"));
    // Typed into only when clicked: the keyboard belongs to the board.
    Ed_Chat->setFocusPolicy(Qt::ClickFocus);
    Ed_Chat->resize(kPanelBreite, kKnopfHoehe);
    Ed_Chat->hide();

    panel_.Merken(Panel->GB_Spiel, {0, kSpielOben});
    panel_.Merken(Panel->GB_Spieler, {0, kSpielerOben});
    panel_.Merken(Btn_Next, {0, kKnopfOben});
    // In the middle of the gap between the two buttons.
    panel_.Merken(Btn_Vollbild,
                  {kKnopfBreite + (kPanelBreite - 2 * kKnopfBreite - kKnopfHoehe) / 2, kKnopfOben});
    panel_.Merken(Btn_Neustart, {kPanelBreite - kKnopfBreite, kKnopfOben});
    panel_.Merken(Im_Temp, {0, kTempOben});
    panel_.Merken(Lb_Netz, {0, kTempOben});
    panel_.Merken(Lb_Chat, {0, kChatOben});
    panel_.Merken(Ed_Chat, {0, kChatOben + Lb_Chat->height() + 4});
    netzZusatz_ =
        kChatOben + Lb_Chat->height() + 4 + kKnopfHoehe + 8 - (kKnopfOben + kKnopfHoehe + 40);

    match_ = std::make_unique<TLokalesMatch>(*this);
    SG_Feld->TasteGedrueckt = [this](std::uint16_t k) {
        if (!FensterTaste(k)) match_->Taste(k);
    };
    connect(Btn_Next, &QPushButton::clicked, this, [this] { match_->NaechsteRunde(); });
    connect(Btn_Neustart, &QPushButton::clicked, this, [this] { match_->Neustart(); });

    // Resumed: what was moving when the clock stopped moves on.
    takt_.Weiter = [this] { SG_Feld->Wecken(); };
    // The picture behind a box, such as a round's end, is the board as it now stands: the
    // grave, the water arrived, the points counted.
    takt_.Steht = [this] {
        SG_Feld->BilderBeenden();
        Panel->ZaehlenBeenden();
    };
    Bildschirmflaeche = [this] {
        QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
        return s ? s->availableGeometry() : QRect(0, 0, 1920, 1080);
    };
    FensterEinrichten(p_.Feld.FeldDaten());
}

TFrm_Spiel::~TFrm_Spiel() {
    takt_.Stoppen();
    PadsAbmelden();
    // A network match's other side hears that this one has gone.
    match_.reset();
}

TNetzUmgebung TFrm_Spiel::NetzUmgebung() {
    return {p_.Feld, p_.Bilder, nebenMeldungen_, *this};
}

void TFrm_Spiel::NetzZeilen(bool an) {
    for (QWidget* w : {static_cast<QWidget*>(Lb_Netz), static_cast<QWidget*>(Lb_Chat),
                       static_cast<QWidget*>(Ed_Chat)})
        w->setVisible(an);
    Lb_Chat->clear();
    Ed_Chat->clear();
    groesse_.Zusatz(an ? netzZusatz_ : 0);
    FensterEinrichten(p_.Feld.FeldDaten());
}

TAbspielLeiste& TFrm_Spiel::AbspielLeiste() {
    if (!abspielLeiste_) {
        abspielLeiste_ = std::make_unique<TAbspielLeiste>(*this, panel_, kTempOben, kPanelBreite);
        Anordnen();
    }
    return *abspielLeiste_;
}

void TFrm_Spiel::PadsAnmelden() {
    TPadSteuerung* pads = p_.PadSteuerung;
    if (!pads) return;
    if (!pads->Aktion) pads->Anmelden();
    pads->Aktion = [this](int spieler, int slot) { match_->PadAktion(spieler, slot); };
    pads->Geaendert = [this] { PadSymboleZeigen(); };
    PadSymboleZeigen();
}

void TFrm_Spiel::PadsAbmelden() {
    if (TPadSteuerung* pads = p_.PadSteuerung; pads && pads->Aktion) {
        pads->Aktion = nullptr;
        pads->Geaendert = nullptr;
        pads->Abmelden();
    }
}

bool TFrm_Spiel::Zeigen(std::unique_ptr<IMatch> match) {
    Beenden();
    // A size the player chose lasts one match.
    setWindowState(Qt::WindowNoState);
    groesse_.Neu();
    match_ = std::move(match);
    setWindowTitle(match_->Titel());
    if (match_->Steuerbar())
        PadsAnmelden();
    else
        PadsAbmelden();
    if (match_->Starten()) return true;
    Beenden();
    return false;
}

bool TFrm_Spiel::MatchStarten() {
    return Zeigen(std::make_unique<TLokalesMatch>(*this));
}

bool TFrm_Spiel::WiederholungStarten(const TAufnahme& a) {
    return Zeigen(std::make_unique<TAbspielMatch>(*this, a));
}

void TFrm_Spiel::Beenden() {
    takt_.Stoppen();
    match_->Beenden();
    match_ = std::make_unique<TLokalesMatch>(*this);
    setWindowTitle(match_->Titel());
}

void TFrm_Spiel::PadSymboleZeigen() {
    std::array<bool, 2> amPad{};
    for (int s = 1; s <= 2; ++s)
        amPad[std::size_t(s - 1)] = p_.PadSteuerung && p_.PadSteuerung->SpielerAmPad(s);
    Panel->PadSymbole(amPad);
}

void TFrm_Spiel::FensterEinrichten(const TFeldDaten& g) {
    SG_Feld->Einrichten(g);
    QPalette farbe = Pn_Feld->viewport()->palette();
    farbe.setColor(QPalette::Window, FarbeVon(g.Farbe));
    Pn_Feld->viewport()->setPalette(farbe);
    groesse_.Berechnen(TSpielGitter::Groesse(g), Bildschirmflaeche());
    Anordnen();
}

void TFrm_Spiel::Anordnen() {
    const TFeldDaten& g = SG_Feld->Geometrie();
    bool rollen;
    if (!groesse_.Eigene()) {
        // The computed size: the board's own cells, the panel as designed.
        const QSize sicht = groesse_.Sicht();
        SG_Feld->Zellgroesse(QSize(g.EinzelBreite, g.EinzelHoehe));
        rollen = sicht != SG_Feld->size();
        Pn_Feld->setGeometry(QRect(QPoint(kFeldLinks, kFeldOben), sicht));
        panel_.Anwenden(1.0, QPoint(kFeldLinks + sicht.width() + 10, 0));
    } else {
        const double f = PanelFaktor(size());
        const int panelX = width() - int(std::lround((kPanelBreite + 15) * f));
        panel_.Anwenden(f, QPoint(panelX, 0));
        const QRect flaeche(kFeldLinks, kFeldOben, std::max(1, panelX - 10 - kFeldLinks),
                            std::max(1, height() - 2 * kFeldOben));
        const TFeldMassstab m = FeldMassstab(flaeche.size(), g);
        SG_Feld->Zellgroesse(m.Zelle);
        rollen = m.Rollen;
        Pn_Feld->setGeometry(flaeche);
    }
    Pn_Feld->setHorizontalScrollBarPolicy(rollen ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
    Pn_Feld->setVerticalScrollBarPolicy(rollen ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
}

void TFrm_Spiel::VollbildUmschalten() {
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

bool TFrm_Spiel::FensterTaste(std::uint16_t taste) {
    if (taste != vkF11 && !(taste == vkEscape && isFullScreen())) return false;
    const TSpielRecEinstellungen e = p_.Einstellungen.EinstellungenHolen();
    for (int s = 1; s <= 2; ++s)
        for (int n = 1; n <= 6; ++n)
            if (e.Spieler(s).Taste(n) == taste) return false;
    if (taste == vkF11)
        VollbildUmschalten();
    else
        showNormal();
    return true;
}

void TFrm_Spiel::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    groesse_.Geaendert();
    Anordnen();
}

void TFrm_Spiel::changeEvent(QEvent* e) {
    QDialog::changeEvent(e);
    if (e->type() != QEvent::WindowStateChange) return;
    A_Vollbild->setChecked(isFullScreen());
    if (groesse_.ZustandGeaendert(static_cast<QWindowStateChangeEvent*>(e)->oldState())) Anordnen();
}

void TFrm_Spiel::StatusAnzeigen(const std::string& levelname, const TSpielRecEinstellungen& e) {
    const TFeldDaten& g = p_.Feld.FeldDaten();
    // At the size the grid draws its cells now (the window may be scaled).
    bilder_.RundeVorbereiten(e, SG_Feld->Zelle(), FarbeVon(g.Farbe));
    SG_Feld->BewegungEinrichten(BewegteBilderLesen(), [this] { return Bildzeit(); });
    Panel->Bewegt(SG_Feld->Bewegt(), [this] { return Bildzeit(); });
    Panel->Zeigen(levelname, e, bilder_);
    // The names may need more room than the last ones did.
    panel_.Erneuern();
}

void TFrm_Spiel::RundeAnzeigen(std::uint8_t runde) {
    Panel->Runde(runde);
}

void TFrm_Spiel::PunkteAnzeigen(std::uint16_t punkte1, std::uint16_t punkte2) {
    Panel->Punkte(punkte1, punkte2);
}

void TFrm_Spiel::ExtraAnzeigen(int spieler, TExtra extra, bool sichtbar) {
    Panel->Extra(spieler, extra, sichtbar);
}

void TFrm_Spiel::RestsekundenAnzeigen(int spieler, std::uint16_t sekunden) {
    Panel->Restsekunden(spieler, sekunden);
}

void TFrm_Spiel::NaechsteRundeAktivieren(bool an) {
    Btn_Next->setEnabled(match_->NaechsteRundeFrei(an));
}

void TFrm_Spiel::FeldAktivieren(bool an) {
    // A new round: the last one's message has had its time.
    if (an) nebenMeldungen_.Schliessen();
    SG_Feld->setEnabled(an);
    if (!an) return;
    SG_Feld->setFocus(Qt::OtherFocusReason);
    // The match's own settings: a replay's are the recording's.
    SG_Feld->RundeBeginnt(
        BewegungsDauer(match_->Spiel().Daten().Einstellungen.EinstellungenHolen()));
}

void TFrm_Spiel::FeldNeuZeichnen() {
    SG_Feld->FeldGeaendert(match_->Spiel().Daten().Bomben);
    SpielerSichtbarHalten();
}

std::uint64_t TFrm_Spiel::Bildzeit() {
    if (takt_.Laeuft()) {
        bildzeit_ = takt_.Ziel();
        bildWand_.restart();
    } else if (bildWand_.isValid()) {
        bildzeit_ += std::uint64_t(bildWand_.restart());
    } else {
        bildWand_.start();
    }
    return bildzeit_;
}

void TFrm_Spiel::FensterZentrieren() {
    if (!groesse_.Eigene()) ZentriereAufBildschirm(this);
    SG_Feld->setFocus(Qt::OtherFocusReason);
    SpielerSichtbarHalten();
}

void TFrm_Spiel::SturmflutAnzeigen(int sekunden) {
    Panel->Sturmflut(sekunden);
}

void TFrm_Spiel::Klang(TKlang k) {
    p_.KlangSpielen(k);
}

void TFrm_Spiel::SpielerSichtbarHalten() {
    const QSize sicht = Pn_Feld->viewport()->size();
    if (sicht.width() >= SG_Feld->width() && sicht.height() >= SG_Feld->height()) return;
    const TFeldDaten& g = p_.Feld.FeldDaten();
    std::array<QRect, 2> zelle;
    for (int s = 1; s <= 2; ++s) {
        const TGefunden f = p_.Feld.FindeSpieler(s);
        if (!f.Knoten) continue;
        const TPosition pos = p_.Feld.PositionVon(f.Index);
        zelle[s - 1] = SG_Feld->ZellRechteck(pos.Spalte - 1, pos.Zeile - 1);
    }
    // The view follows the player who moved last, and shows both when they fit.
    for (int i = 0; i < 2; ++i)
        if (zelle[i] != letzteZelle_[i] && !zelle[i].isNull()) gefolgt_ = i;
    letzteZelle_ = zelle;
    const QRect beide = zelle[0].united(zelle[1]).adjusted(-g.EinzelBreite, -g.EinzelHoehe,
                                                           g.EinzelBreite, g.EinzelHoehe);
    const QRect ziel = beide.width() <= sicht.width() && beide.height() <= sicht.height()
                           ? beide
                           : zelle[gefolgt_].adjusted(-g.EinzelBreite, -g.EinzelHoehe,
                                                      g.EinzelBreite, g.EinzelHoehe);
    if (ziel.isNull()) return;
    Pn_Feld->ensureVisible(ziel.center().x(), ziel.center().y(),
                           std::min(ziel.width() / 2, sicht.width() / 2),
                           std::min(ziel.height() / 2, sicht.height() / 2));
}

void TFrm_Spiel::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    klangVorbereiten_ = true;
    // Only a shown scroll area knows its scroll range.
    letzteZelle_ = {};
    SpielerSichtbarHalten();
}

void TFrm_Spiel::paintEvent(QPaintEvent* e) {
    QDialog::paintEvent(e);
    // Once the board is on the screen the audio gets ready on its own thread, while the players
    // look at it: the first sound of the match is then on time, and the window's first picture
    // does not wait for (or pay the memory of) the sound libraries.
    if (!klangVorbereiten_) return;
    klangVorbereiten_ = false;
    QTimer::singleShot(0, this, [this] { p_.KlangVorbereiten(); });
}

void TFrm_Spiel::closeEvent(QCloseEvent* e) {
    PadsAbmelden();
    Beenden();
    QDialog::closeEvent(e);
}

void TFrm_Spiel::keyPressEvent(QKeyEvent* e) {
    FensterTaste(VirtuellerTastencode(*e));
    e->accept();
}
