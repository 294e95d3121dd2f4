// For measuring start-up time and memory: ends the program once the watched window has been
// painted.
#pragma once

#include <QApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

class TNachErstemBild : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::Paint && !gemalt_) {
            gemalt_ = true;
            // Queued, so that the children of the window are painted too; then at once, without
            // tearing down, so that a measured time ends with the picture.
            QTimer::singleShot(0, qApp, [] {
                std::fflush(nullptr);
                std::_Exit(0);
            });
        }
        return QObject::eventFilter(o, e);
    }

  private:
    bool gemalt_ = false;
};
