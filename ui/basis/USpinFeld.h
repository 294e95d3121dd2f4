// Spin fields as the settings dialogs use them.
#pragma once

#include <QSpinBox>

// Changes only by its arrows or the arrow keys; typing is ignored.
class TPfeilFeld : public QSpinBox {
    Q_OBJECT
  public:
    explicit TPfeilFeld(QWidget* eltern = nullptr);
};

// Accepts typed numbers; one above the maximum becomes the maximum when the field is left,
// instead of being refused digit by digit.
class TZahlFeld : public QSpinBox {
    Q_OBJECT
  public:
    explicit TZahlFeld(QWidget* eltern = nullptr) : QSpinBox(eltern) {}

  protected:
    QValidator::State validate(QString& text, int& pos) const override;
    void fixup(QString& text) const override;
};
