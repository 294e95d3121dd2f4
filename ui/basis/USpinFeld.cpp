#include "ui/basis/USpinFeld.h"

#include <QLineEdit>

TPfeilFeld::TPfeilFeld(QWidget* eltern) : QSpinBox(eltern) {
    lineEdit()->setReadOnly(true);
}

QValidator::State TZahlFeld::validate(QString& text, int& pos) const {
    const QValidator::State s = QSpinBox::validate(text, pos);
    if (s != QValidator::Invalid) return s;
    bool zahl = false;
    const int wert = text.trimmed().toInt(&zahl);
    return zahl && wert > maximum() ? QValidator::Intermediate : s;
}

void TZahlFeld::fixup(QString& text) const {
    bool zahl = false;
    const int wert = text.trimmed().toInt(&zahl);
    if (zahl) text = QString::number(qBound(minimum(), wert, maximum()));
}
