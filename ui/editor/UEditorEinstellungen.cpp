#include "ui/editor/UEditorEinstellungen.h"

#include <QColorDialog>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "ui/basis/UFarbe.h"
#include "ui/basis/UFensterHilfen.h"
#include "ui/basis/USpinFeld.h"

namespace {

using TE = TEditorEinstellungen;

QSpinBox* Drehfeld(QWidget* gruppe, const char* name, const QString& text, int y, int min,
                   int max) {
    auto* label = new QLabel(text, gruppe);
    label->setGeometry(12, y + 3, 60, 20);
    auto* feld = new TPfeilFeld(gruppe);
    feld->setObjectName(QLatin1String(name));
    feld->setGeometry(80, y, 80, 26);
    feld->setRange(min, max);
    feld->setSingleStep(1);
    label->setBuddy(feld);
    return feld;
}

}  // namespace

TFrm_Editoreinstellungen::TFrm_Editoreinstellungen(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Frm_Editoreinstellungen"));
    setWindowTitle(QStringLiteral("Knallfeld - Spielfeldeditor - Einstellungen"));
    // Only the buttons close it.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(592, 171);

    auto* einzel = new QGroupBox(QStringLiteral("Einzelfelder"), this);
    einzel->setObjectName(QStringLiteral("GB_Einzelfelder"));
    einzel->setGeometry(8, 8, 185, 105);
    einzelHoehe_ = Drehfeld(einzel, "SE_Einzel_Hoehe", QStringLiteral("Höhe:"), 28, TE::kEinzelMin,
                            TE::kEinzelMax);
    einzelBreite_ = Drehfeld(einzel, "SE_Einzel_Breite", QStringLiteral("Breite:"), 64,
                             TE::kEinzelMin, TE::kEinzelMax);

    auto* spiel = new QGroupBox(QStringLiteral("Spielfeld"), this);
    spiel->setObjectName(QStringLiteral("GB_Spielfeld"));
    spiel->setGeometry(203, 8, 185, 105);
    spielHoehe_ = Drehfeld(spiel, "SE_Spiel_Hoehe", QStringLiteral("Höhe:"), 28, TE::kSpielMin,
                           TE::kSpielMax);
    spielBreite_ = Drehfeld(spiel, "SE_Spiel_Breite", QStringLiteral("Breite:"), 64, TE::kSpielMin,
                            TE::kSpielMax);

    auto* farbe = new QGroupBox(QStringLiteral("Hintergrundfarbe"), this);
    farbe->setObjectName(QStringLiteral("GB_Hintergrundfarbe"));
    farbe->setGeometry(398, 8, 186, 105);
    farbfeld_ = new QFrame(farbe);
    farbfeld_->setObjectName(QStringLiteral("Shape_Color"));
    farbfeld_->setGeometry(14, 30, 60, 60);
    farbfeld_->setFrameShape(QFrame::Box);
    farbfeld_->setAutoFillBackground(true);
    auto* aendern = Knopf(farbe, QStringLiteral("Ändern"), "Btn_Color", QRect(88, 46, 86, 28));
    connect(aendern, &QPushButton::clicked, this, &TFrm_Editoreinstellungen::Btn_ColorClick);

    auto* abbrechen =
        Knopf(this, QStringLiteral("Abbrechen"), "Btn_Abbrechen", QRect(300, 130, 90, 30));
    auto* standard =
        Knopf(this, QStringLiteral("Standardwerte"), "Btn_Standard", QRect(396, 130, 100, 30));
    auto* ok = Knopf(this, QStringLiteral("OK"), "Btn_OK", QRect(502, 130, 82, 30));
    ok->setDefault(true);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(standard, &QPushButton::clicked, this, &TFrm_Editoreinstellungen::Reset);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    FarbWahl = [this](std::uint32_t alt) -> std::optional<std::uint32_t> {
        const QColor c = QColorDialog::getColor(FarbeVon(alt), this);
        if (!c.isValid()) return std::nullopt;
        return FarbWert(c);
    };
    Reset();
}

void TFrm_Editoreinstellungen::Laden(const TEditorEinstellungen& e) {
    einzelHoehe_->setValue(e.EinzelHoehe);
    einzelBreite_->setValue(e.EinzelBreite);
    spielHoehe_->setValue(e.SpielHoehe);
    spielBreite_->setValue(e.SpielBreite);
    FarbeSetzen(e.Farbe);
}

void TFrm_Editoreinstellungen::Reset() {
    Laden(TEditorEinstellungen{});
}

void TFrm_Editoreinstellungen::Set_Einstellungen(const TFeldDaten& d) {
    TEditorEinstellungen e;
    e.Set_Einstellungen(d);
    Laden(e);
}

void TFrm_Editoreinstellungen::FarbeSetzen(std::uint32_t farbe) {
    farbe_ = farbe;
    QPalette p = farbfeld_->palette();
    p.setColor(QPalette::Window, FarbeVon(farbe));
    farbfeld_->setPalette(p);
}

void TFrm_Editoreinstellungen::Btn_ColorClick() {
    if (const auto neu = FarbWahl ? FarbWahl(farbe_) : std::nullopt) FarbeSetzen(*neu);
}

void TFrm_Editoreinstellungen::Zentrieren() {
    ZentriereAufBildschirm(this);
}

std::uint16_t TFrm_Editoreinstellungen::SpielHoehe() const {
    return static_cast<std::uint16_t>(spielHoehe_->value());
}
std::uint16_t TFrm_Editoreinstellungen::SpielBreite() const {
    return static_cast<std::uint16_t>(spielBreite_->value());
}
std::uint16_t TFrm_Editoreinstellungen::EinzelHoehe() const {
    return static_cast<std::uint16_t>(einzelHoehe_->value());
}
std::uint16_t TFrm_Editoreinstellungen::EinzelBreite() const {
    return static_cast<std::uint16_t>(einzelBreite_->value());
}

TEditorEinstellungen TFrm_Editoreinstellungen::Werte() const {
    return {EinzelHoehe(), EinzelBreite(), SpielHoehe(), SpielBreite(), Farbe()};
}

std::optional<TEditorEinstellungen> TFrm_Editoreinstellungen::Zeigen(
    const TFeldDaten& d, const std::function<int(QDialog&)>& modal) {
    Set_Einstellungen(d);
    Zentrieren();
    if ((modal ? modal(*this) : exec()) != QDialog::Accepted) return std::nullopt;
    return Werte();
}
