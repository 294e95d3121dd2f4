// The small window that waits for one key press.
#pragma once

#include <QDialog>
#include <cstdint>

class TFrm_Taste : public QDialog {
    Q_OBJECT
  public:
    TFrm_Taste();

    // The code of the last key pressed here; 0 before the first press.
    std::uint16_t Taste() const { return taste_; }
    void TastenDruck(std::uint16_t code);

  protected:
    // Every key counts, Tab, Esc and the modifiers included, so they are taken before Qt uses
    // them for focus, shortcuts or closing.
    bool event(QEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

  private:
    std::uint16_t taste_ = 0;
    bool gedrueckt_ = false;
};
