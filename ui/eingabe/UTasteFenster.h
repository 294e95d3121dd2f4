// The small window that waits for one key press.
#pragma once

#include <QDialog>
#include <cstdint>
#include <optional>

#include "pad/UPadBelegung.h"

class TFrm_Taste : public QDialog {
    Q_OBJECT
  public:
    TFrm_Taste();

    // The code of the last key pressed here; 0 before the first press.
    std::uint16_t Taste() const { return taste_; }
    void TastenDruck(std::uint16_t code);
    // A pad input counts as well; then it is what was pressed, and Taste() is 0.
    const std::optional<TPadEingabe>& Pad() const { return pad_; }
    void PadDruck(const TPadEingabe& e);

  protected:
    // Every key counts, Tab, Esc and the modifiers included, so they are taken before Qt uses
    // them for focus, shortcuts or closing.
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    std::uint16_t taste_ = 0;
    std::optional<TPadEingabe> pad_;
    bool gedrueckt_ = false;
};
