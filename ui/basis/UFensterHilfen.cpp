#include "ui/basis/UFensterHilfen.h"

#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QValidator>
#include <QWidget>

#include "model/UAnsi.h"
#include "model/UMeldungen.h"

void TextFarbe(QWidget* w, const QColor& farbe) {
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, farbe);
    w->setPalette(p);
}

void ZentriereAufBildschirm(QWidget* w) {
    QScreen* schirm = w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    if (!schirm) return;
    const QRect frei = schirm->availableGeometry();
    // A window laid out by a layout learns its size only when asked; one never shown yet has
    // no frame, so its client size counts.
    if (!w->isVisible() && w->layout()) w->adjustSize();
    const QSize groesse = w->isVisible() ? w->frameGeometry().size() : w->size();
    w->move(frei.x() + (frei.width() - groesse.width()) / 2,
            frei.y() + (frei.height() - groesse.height()) / 2);
}

std::string PfadZuLangText(const std::string& pfad) {
    return "Der Pfad " + pfad +
           " ist länger als 255 Zeichen und kann nicht gespeichert werden. Bitte wählen Sie eine "
           "Datei mit kürzerem Pfad.";
}

bool PfadZeichenPassen(const std::string& pfad, IMeldungen& m) {
    const std::string zeichen = NichtSpeicherbaresZeichen(pfad);
    if (zeichen.empty()) return true;
    m.Zeige(TBoxTyp::Fehler, "Der Pfad " + pfad + " enthält das Zeichen \"" + zeichen +
                                 "\", das nicht gespeichert werden kann. Bitte wählen Sie eine "
                                 "Datei oder einen Ordner ohne dieses Zeichen.");
    return false;
}

bool PfadPasst(const std::string& pfad, IMeldungen& m) {
    if (!PfadZeichenPassen(pfad, m)) return false;
    if (Utf8Laenge(pfad) <= 255) return true;
    m.Zeige(TBoxTyp::Fehler, PfadZuLangText(pfad));
    return false;
}

namespace {

class TAnsiPruefer final : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& text, int&) const override {
        return NichtSpeicherbaresZeichen(text.toStdString()).empty() ? Acceptable : Invalid;
    }
};

}  // namespace

void NurSpeicherbareZeichen(QLineEdit* ed) {
    ed->setValidator(new TAnsiPruefer(ed));
}

QPushButton* Knopf(QWidget* eltern, const QString& text, const char* name, QRect r) {
    auto* k = new QPushButton(text, eltern);
    k->setObjectName(QLatin1String(name));
    k->setGeometry(r);
    k->setAutoDefault(false);
    return k;
}
