#include "ui/dialoge/USteuerungEinstellungen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "model/USpielRecEinstellungen.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/eingabe/UPadSteuerung.h"
#include "ui/eingabe/UTasteFenster.h"
#include "ui/eingabe/UTastenname.h"
#include "ui/programm/UProgrammDaten.h"

namespace {

const std::string kTasteBenutzt =
    "Die Taste wird schon verwendet. Bitte wählen Sie eine andere aus!";

struct TKnopfPlatz {
    const char* Name;
    const char* Beschriftung;
    int X, Y;
};

// In the order of the slots; the movement keys stand as a cross.
const TKnopfPlatz kPlaetze[6] = {
    {"Btn_BewegOben", "Nach oben:", 125, 38},  {"Btn_BewegUnten", "Nach unten:", 125, 138},
    {"Btn_BewegLinks", "Nach links:", 12, 88}, {"Btn_BewegRechts", "Nach rechts:", 238, 88},
    {"Btn_Legen", "Legen:", 12, 38},           {"Btn_Werfen", "Wegwerfen:", 200, 38},
};

}  // namespace

TTastenbelegung Standardtasten(int spieler) {
    const TSpielerEinstellungen s = StandardRecord().Spieler(spieler);
    TTastenbelegung t{};
    for (int n = 1; n <= 6; ++n) t[std::size_t(n - 1)] = s.Taste(n);
    return t;
}

TFrm_Steuerung::TFrm_Steuerung(TProgrammDaten& p, TFenster& fenster) : p_(p), fenster_(fenster) {
    setObjectName(QStringLiteral("TFrm_Steuerung"));
    setWindowTitle(QStringLiteral("Knallfeld - Spielereinstellungen - Steuerung"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(422, 368);

    CB_Spieler = new QComboBox(this);
    CB_Spieler->setObjectName(QStringLiteral("CB_Spieler"));
    CB_Spieler->setEditable(true);
    // Typed text stays as typed: no completion to an item's name, no new item on Enter.
    CB_Spieler->setCompleter(nullptr);
    CB_Spieler->setInsertPolicy(QComboBox::NoInsert);
    CB_Spieler->addItems({QStringLiteral("Spieler 1"), QStringLiteral("Spieler 2")});
    CB_Spieler->setCurrentIndex(0);
    CB_Spieler->setGeometry(16, 14, 160, 25);
    connect(CB_Spieler, &QComboBox::currentTextChanged, this, [this] { Anzeigeaufruf(); });

    auto* bewegung = new QGroupBox(QStringLiteral("Bewegung"), this);
    bewegung->setObjectName(QStringLiteral("GB_Bewegung"));
    bewegung->setGeometry(16, 50, 390, 176);
    auto* bombe = new QGroupBox(QStringLiteral("Bombe"), this);
    bombe->setObjectName(QStringLiteral("GB_Bombe"));
    bombe->setGeometry(16, 234, 390, 76);

    for (int slot = 0; slot < 6; ++slot) {
        const TKnopfPlatz& pl = kPlaetze[slot];
        QWidget* gruppe = slot < 4 ? bewegung : static_cast<QWidget*>(bombe);
        auto* lb = new QLabel(QString::fromUtf8(pl.Beschriftung), gruppe);
        lb->setObjectName(
            QString::fromLatin1(pl.Name).replace(QStringLiteral("Btn_"), QStringLiteral("Lb_")));
        lb->setGeometry(pl.X, pl.Y - 18, 140, 16);
        auto* b = new QPushButton(gruppe);
        b->setObjectName(QString::fromLatin1(pl.Name));
        b->setGeometry(pl.X, pl.Y, 140, 25);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, [this, slot] { Tastenauswahl(slot); });
        Knoepfe[slot] = b;
    }

    auto* reset = new QPushButton(QStringLiteral("Standart-Werte"), this);
    reset->setObjectName(QStringLiteral("Btn_Reset"));
    reset->setGeometry(16, 326, 110, 25);
    reset->setAutoDefault(false);
    connect(reset, &QPushButton::clicked, this, &TFrm_Steuerung::ButtonReset);
    auto* abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    abbrechen->setObjectName(QStringLiteral("Btn_Abbrechen"));
    abbrechen->setGeometry(236, 326, 81, 25);
    abbrechen->setAutoDefault(false);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Btn_OK"));
    ok->setGeometry(325, 326, 81, 25);
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] {
        Btn_OKClick();
        accept();
    });
}

void TFrm_Steuerung::Einrichten(const TTastenbelegung& spieler1, const TTastenbelegung& spieler2) {
    arbeit_ = {spieler1, spieler2};
    ergebnis_ = arbeit_;
    arbeitPads_ = p_.Pads();
    Anzeigeaufruf();
}

QString TFrm_Steuerung::Knopftext(int spieler, int slot) const {
    const auto& pads = arbeitPads_.Spieler[std::size_t(spieler - 1)][std::size_t(slot)];
    if (!pads.empty()) return QText(PadName(pads.front()));
    return QText(TastenName(arbeit_[std::size_t(spieler - 1)][std::size_t(slot)]));
}

int TFrm_Steuerung::GezeigterSpieler() const {
    const QString text = CB_Spieler->currentText();
    if (text == QStringLiteral("Spieler 1")) return 1;
    if (text == QStringLiteral("Spieler 2")) return 2;
    return 0;
}

void TFrm_Steuerung::Anzeigeaufruf() {
    const int s = GezeigterSpieler();
    if (s == 0) return;
    for (int slot = 0; slot < 6; ++slot) Knoepfe[slot]->setText(Knopftext(s, slot));
}

void TFrm_Steuerung::Tastenauswahl(int slot) {
    TFrm_Taste& fenster = *fenster_.Taste;
    ZentriereAufBildschirm(&fenster);
    // A pad input is captured like a key.
    TPadSteuerung* pads = p_.PadSteuerung;
    if (pads) {
        pads->Gedrueckt = [&fenster](const TPadEingabe& e) { fenster.PadDruck(e); };
        pads->Anmelden();
    }
    p_.ModalZeigen(fenster);
    if (pads) {
        pads->Gedrueckt = nullptr;
        pads->Abmelden();
    }
    if (fenster.Pad()) {
        PadWahl(slot, *fenster.Pad());
        return;
    }
    const std::uint16_t k = fenster.Taste();

    bool belegt = false;
    for (const auto& tasten : arbeit_)
        for (std::uint16_t t : tasten) belegt = belegt || t == k;
    // The key the button already shows, by name, is no conflict.
    if (belegt && Knoepfe[slot]->text() != QText(TastenName(k))) {
        p_.Meldungen.Zeige(TBoxTyp::Warnung, kTasteBenutzt);
        return;
    }
    const int s = GezeigterSpieler();
    if (s == 0) return;
    Knoepfe[slot]->setText(QText(TastenName(k)));
    arbeit_[s - 1][slot] = k;
    // A key for the slot ends its pad binding.
    arbeitPads_.Spieler[std::size_t(s - 1)][std::size_t(slot)].clear();
}

void TFrm_Steuerung::PadWahl(int slot, const TPadEingabe& e) {
    const int s = GezeigterSpieler();
    if (arbeitPads_.AndersBelegt(e, s == 0 ? 1 : s, s == 0 ? -1 : slot)) {
        p_.Meldungen.Zeige(TBoxTyp::Warnung, kTasteBenutzt);
        return;
    }
    if (s == 0) return;
    arbeitPads_.Spieler[std::size_t(s - 1)][std::size_t(slot)] = {e};
    Knoepfe[slot]->setText(QText(PadName(e)));
}

void TFrm_Steuerung::ButtonReset() {
    arbeit_ = {Standardtasten(1), Standardtasten(2)};
    Anzeigeaufruf();
}

void TFrm_Steuerung::Btn_OKClick() {
    ergebnis_ = arbeit_;
    if (!(p_.Pads() == arbeitPads_)) {
        p_.Pads() = arbeitPads_;
        PadBelegungSpeichern(arbeitPads_);
    }
}
