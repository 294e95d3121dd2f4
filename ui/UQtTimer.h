// The match's timers over QTimer, with the platform behaviour the engine expects.
#pragma once

#include <QObject>
#include <QTimer>

#include "match/UTimer.h"

class TQtTimerFabrik : public ITimerFabrik {
  public:
    std::unique_ptr<ITimer> TimerErzeugen(const std::string& name, std::uint32_t intervall,
                                          TTimerHandler handler) override;

    // Set while a handler runs; a tick arriving then (from a nested event loop) is dropped.
    bool ImTick() const { return imTick_; }

  private:
    friend class TQtTimer;
    bool imTick_ = false;
};

class TQtTimer : public QObject, public ITimer {
    Q_OBJECT
  public:
    TQtTimer(TQtTimerFabrik& fabrik, std::string name, std::uint32_t intervall,
             TTimerHandler handler);

    void Einschalten() override;
    void Ausschalten() override;
    bool Eingeschaltet() const override { return an_; }
    void SetzeIntervall(std::uint32_t ms) override;
    std::uint32_t Intervall() const override { return intervall_; }
    const std::string& Name() const override { return name_; }

    // For tests: the QTimer underneath.
    const QTimer& Intern() const { return timer_; }

  private:
    void Ticken();

    TQtTimerFabrik& fabrik_;
    std::string name_;
    std::uint32_t intervall_;
    TTimerHandler handler_;
    QTimer timer_;
    bool an_ = false;
};
