// A window that stands behind a large one for a long time gives its buffer back meanwhile.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <QWindow>

// The main menu stays open behind the match window while a match lasts, covered by it and
// unchanged. From the match window's first picture on, and for as long as this object lives, the
// menu keeps no window buffer (4 bytes a pixel, four times as many pixels at double density).
// Should part of it come into sight again, Qt paints it whole, as it does any window whose buffer
// has another size than the window; changes in it wait, as for a window out of sight, until then
// or until this object goes.
class TPufferAbgabe final : public QObject {
  public:
    TPufferAbgabe(QWidget& hinten, QWidget& vorne);
    ~TPufferAbgabe() override;
    TPufferAbgabe(const TPufferAbgabe&) = delete;
    TPufferAbgabe& operator=(const TPufferAbgabe&) = delete;

    // The buffer is smaller than the window: the next picture is painted whole.
    static bool Abgegeben(const QWidget& w);

  protected:
    bool eventFilter(QObject* o, QEvent* e) override;

  private:
    QWidget& hinten_;
    QWidget& vorne_;
    QPointer<QWindow> hintenFenster_, vorneFenster_;
    bool erledigt_ = false;  // once a match: the menu may have come into sight since
};
