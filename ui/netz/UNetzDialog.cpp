#include "ui/netz/UNetzDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTimer>
#include <filesystem>

#include "files/URecords.h"
#include "match/URegelVersion.h"
#include "transport/UAdressen.h"
#include "transport/UNetzBetrieb.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/netz/UNetzDienst.h"
#include "ui/programm/UProgrammDaten.h"
#include "ui/vorlieben/UNetzWahl.h"

namespace {

template <class T>
T* Benannt(T* w, const char* name) {
    w->setObjectName(QString::fromLatin1(name));
    return w;
}

QString AdressenText() {
    const std::vector<std::string> a = EigeneAdressen();
    if (a.empty()) return QStringLiteral("Eigene Adressen: keine im Netzwerk gefunden");
    QStringList l;
    for (const std::string& x : a) l << QString::fromStdString(x);
    return QStringLiteral("Eigene Adressen: ") + l.join(QStringLiteral(", "));
}

// Who plays, on which levels, how many rounds: what both players see before the match.
QString TreffenText(const TNetzSitzung& s) {
    const TAufnahme& a = *s.Spieldaten();
    QStringList level;
    for (const std::string& pfad : a.Levelliste)
        level << QString::fromStdString(std::filesystem::path(pfad).stem().string());
    const TSpielRecEinstellungen e =
        EntpackeEinstellungen(reinterpret_cast<const std::uint8_t*>(a.Arbeitskopie.data()));
    QString text = QStringLiteral("Mitspieler: %1\nLevel: %2\nRunden: %3\n")
                       .arg(QText(s.Mitspieler()), level.join(QStringLiteral(", ")))
                       .arg(e.Rundenanzahl);
    return text +
           (s.Gastgeber()
                ? QStringLiteral("Mit \"Starten\" beginnt das Match.")
                : QStringLiteral("Warte, bis %1 das Match startet …").arg(QText(s.Mitspieler())));
}

}  // namespace

TFrm_Netzwerk::TFrm_Netzwerk(TProgrammDaten& p, std::function<TNetzUmgebung()> umgebung,
                             QWidget* eltern)
    : QDialog(eltern), p_(p), umgebung_(std::move(umgebung)) {
    setObjectName(QStringLiteral("TFrm_Netzwerk"));
    auto* g = new QGridLayout(this);
    RB_Eroeffnen =
        Benannt(new QRadioButton(QStringLiteral("Spiel &eröffnen (Gastgeber)")), "RB_Eroeffnen");
    RB_Beitreten =
        Benannt(new QRadioButton(QStringLiteral("Einem Spiel &beitreten")), "RB_Beitreten");
    auto* gruppe = new QButtonGroup(this);
    gruppe->addButton(RB_Eroeffnen);
    gruppe->addButton(RB_Beitreten);
    g->addWidget(RB_Eroeffnen, 0, 0, 1, 2);
    g->addWidget(RB_Beitreten, 1, 0, 1, 2);

    Lb_Adresse = Benannt(new QLabel(QStringLiteral("&Adresse des Gastgebers:")), "Lb_Adresse");
    Ed_Adresse = Benannt(new QLineEdit, "Ed_Adresse");
    Ed_Adresse->setPlaceholderText(QStringLiteral("z. B. 192.168.1.20 oder 192.168.1.20:41414"));
    Lb_Adresse->setBuddy(Ed_Adresse);
    g->addWidget(Lb_Adresse, 2, 0);
    g->addWidget(Ed_Adresse, 2, 1);
    auto* lbPort = Benannt(new QLabel(QStringLiteral("&Port (UDP):")), "Lb_Port");
    SE_Port = Benannt(new QSpinBox, "SE_Port");
    SE_Port->setRange(1, 65535);
    lbPort->setBuddy(SE_Port);
    g->addWidget(lbPort, 3, 0);
    g->addWidget(SE_Port, 3, 1);
    auto* lbName = Benannt(new QLabel(QStringLiteral("Eigener &Name:")), "Lb_Name");
    Ed_Name = Benannt(new QLineEdit, "Ed_Name");
    Ed_Name->setMaxLength(20);
    lbName->setBuddy(Ed_Name);
    g->addWidget(lbName, 4, 0);
    g->addWidget(Ed_Name, 4, 1);
    CB_Computer =
        Benannt(new QCheckBox(QStringLiteral("Der &Computer spielt für mich")), "CB_Computer");
    g->addWidget(CB_Computer, 5, 0, 1, 2);
    Lb_Adressen = Benannt(new QLabel, "Lb_Adressen");
    Lb_Adressen->setTextInteractionFlags(Qt::TextSelectableByMouse);
    g->addWidget(Lb_Adressen, 6, 0, 1, 2);
    Lb_Status = Benannt(new QLabel, "Lb_Status");
    Lb_Status->setTextFormat(Qt::PlainText);
    Lb_Status->setWordWrap(true);
    g->addWidget(Lb_Status, 7, 0, 1, 2);

    Btn_Start = Benannt(new QPushButton, "Btn_Start");
    Btn_Start->setDefault(true);
    Btn_Abbrechen = Benannt(new QPushButton(QStringLiteral("Abbrechen")), "Btn_Abbrechen");
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(Btn_Start);
    knoepfe->addWidget(Btn_Abbrechen);
    g->addLayout(knoepfe, 8, 0, 1, 2);
    setMinimumWidth(420);

    connect(RB_Eroeffnen, &QRadioButton::toggled, this, [this] { Anpassen(); });
    connect(Btn_Start, &QPushButton::clicked, this, &TFrm_Netzwerk::Starten);
    connect(Btn_Abbrechen, &QPushButton::clicked, this, &TFrm_Netzwerk::Abbrechen);
}

TFrm_Netzwerk::~TFrm_Netzwerk() = default;

std::unique_ptr<TNetzDienst> TFrm_Netzwerk::Zeigen(bool eroeffnen) {
    const TNetzWahl w = NetzWahlLesen();
    (eroeffnen ? RB_Eroeffnen : RB_Beitreten)->setChecked(true);
    Ed_Adresse->setText(QString::fromStdString(w.Adresse));
    SE_Port->setValue(w.Port);
    // The guest plays player 2.
    const TSpielRecEinstellungen e = p_.Einstellungen.EinstellungenHolen();
    Ed_Name->setText(QString::fromStdString(
        !w.Name.empty() ? w.Name : (eroeffnen ? e.Spieler1 : e.Spieler2).Name));
    CB_Computer->setChecked(w.Computer);
    Lb_Status->clear();
    Warten(false);
    Anpassen();
    ZentriereAufBildschirm(this);
    if (p_.ModalZeigen(*this) != QDialog::Accepted) dienst_.reset();
    return std::move(dienst_);
}

void TFrm_Netzwerk::Anpassen() {
    const bool gastgeber = RB_Eroeffnen->isChecked();
    Lb_Adresse->setEnabled(!gastgeber && !dienst_);
    Ed_Adresse->setEnabled(!gastgeber && !dienst_);
    Lb_Adressen->setVisible(gastgeber);
    if (gastgeber && Lb_Adressen->text().isEmpty()) Lb_Adressen->setText(AdressenText());
    setWindowTitle(gastgeber ? QStringLiteral("Knallfeld - Netzwerkspiel eröffnen")
                             : QStringLiteral("Knallfeld - Netzwerkspiel beitreten"));
    const bool treffen = dienst_ && dienst_->Sitzung().Zustand() == TNetzZustand::Treffen;
    Btn_Start->setText(treffen     ? QStringLiteral("Starten")
                       : gastgeber ? QStringLiteral("Eröffnen")
                                   : QStringLiteral("Beitreten"));
    Btn_Abbrechen->setText(treffen ? QStringLiteral("Verlassen") : QStringLiteral("Abbrechen"));
}

void TFrm_Netzwerk::Warten(bool an) {
    for (QWidget* w : std::initializer_list<QWidget*>{RB_Eroeffnen, RB_Beitreten, SE_Port, Ed_Name,
                                                      CB_Computer, Btn_Start})
        w->setEnabled(!an);
    Anpassen();
}

bool TFrm_Netzwerk::Meldung(const std::string& text) {
    p_.Meldungen.Zeige(TBoxTyp::Fehler, text);
    return false;
}

void TFrm_Netzwerk::Starten() {
    if (dienst_) {
        // The host's player has seen who joined.
        dienst_->Sitzung().Anfangen(WandMs());
        dienst_->Bedienen();
        return;
    }
    TNetzWahl w;
    w.Eroeffnen = RB_Eroeffnen->isChecked();
    w.Adresse = Ed_Adresse->text().trimmed().toStdString();
    w.Port = std::uint16_t(SE_Port->value());
    if (!w.Eroeffnen && !w.Adresse.empty()) {
        // "host:port" fills the port.
        std::string host, fehler;
        std::optional<std::uint16_t> port;
        if (!AdresseZerlegen(w.Adresse, host, port, fehler)) return (void)Meldung(fehler);
        w.Adresse = host;
        if (port) w.Port = *port;
        Ed_Adresse->setText(QString::fromStdString(host));
        SE_Port->setValue(w.Port);
    }
    w.Name = Ed_Name->text().trimmed().toStdString();
    w.Computer = CB_Computer->isChecked();
    if (w.Name.empty()) return (void)Meldung("Bitte geben Sie Ihren Namen ein.");
    if (!w.Eroeffnen && w.Adresse.empty())
        return (void)Meldung("Bitte geben Sie die Adresse des Gastgebers ein.");
    NetzWahlSpeichern(w);

    TNetzOptionen o;
    o.Regeln = kRegelVersion;
    o.AufStartWarten = true;
    o.Countdown = kCountdown;
    if (w.Eroeffnen) {
        if (p_.Einstellungen.Levelliste().empty())
            return (void)Meldung(
                "Bitte wählen Sie unter Spiel → Einstellungen mindestens ein Level aus.");
        // The host's settings and levels, read now: the match is played from these bytes.
        p_.ComputerWahlLaden();
        TAufnahme daten = SpieldatenLesen(p_.Einstellungen, SaatAusUhr());
        for (const TAufnahmeLevel& l : daten.Level)
            if (!l.Allgemein || !l.Zellen)
                return (void)Meldung("Das Level \"" + l.Pfad + "\" kann nicht gelesen werden.");
        SpielerSetzen(daten, 1, w.Name, w.Computer);
        dienst_ = std::make_unique<TNetzDienst>(o, umgebung_(), std::move(daten));
        if (!dienst_->Eroeffnen(w.Port)) {
            Meldung(dienst_->Fehler);
            dienst_.reset();
            return;
        }
        Lb_Status->setText(
            QStringLiteral("Warte auf einen Mitspieler an Port %1 …").arg(dienst_->Port()));
    } else {
        o.Name = w.Name;
        o.Computer = w.Computer;
        dienst_ = std::make_unique<TNetzDienst>(o, umgebung_(), std::nullopt);
        dienst_->Verbinden(w.Adresse, w.Port);
        Lb_Status->setText(
            QStringLiteral("Verbinde mit %1, Port %2 …").arg(QText(w.Adresse)).arg(w.Port));
    }
    dienst_->Geaendert = [this] { DienstGeaendert(); };
    Warten(true);
}

void TFrm_Netzwerk::DienstGeaendert() {
    if (!dienst_) return;
    const TNetzZustand z = dienst_->Sitzung().Zustand();
    if (z == TNetzZustand::Laeuft) {
        dienst_->Geaendert = nullptr;
        accept();
        return;
    }
    if (!dienst_->Fehler.empty() || z == TNetzZustand::Fehler || z == TNetzZustand::Fertig) {
        const std::string text =
            dienst_->Fehler.empty() ? dienst_->Sitzung().Fehler() : dienst_->Fehler;
        // Not inside the service's turn: the box waits for the player.
        dienst_->Geaendert = nullptr;
        QTimer::singleShot(0, this, [this, text] {
            dienst_.reset();
            Lb_Status->clear();
            Warten(false);
            Meldung(text);
        });
        return;
    }
    if (z == TNetzZustand::Laden)
        Lb_Status->setText(QStringLiteral("Verbunden, das Match wird geladen …"));
    if (z == TNetzZustand::Treffen) {
        Lb_Status->setText(TreffenText(dienst_->Sitzung()));
        Btn_Start->setEnabled(dienst_->Sitzung().Gastgeber());
        Anpassen();
    }
}

void TFrm_Netzwerk::Abbrechen() {
    if (!dienst_) return QDialog::reject();
    // The port is free again at once.
    dienst_ = nullptr;
    Lb_Status->clear();
    Warten(false);
}

void TFrm_Netzwerk::reject() {
    // Esc and the title bar's close button: nothing keeps waiting.
    dienst_.reset();
    QDialog::reject();
}
