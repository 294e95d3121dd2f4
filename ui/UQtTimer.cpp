#include "ui/UQtTimer.h"

std::unique_ptr<ITimer> TQtTimerFabrik::TimerErzeugen(const std::string& name,
                                                      std::uint32_t intervall,
                                                      TTimerHandler handler) {
    return std::make_unique<TQtTimer>(*this, name, intervall, std::move(handler));
}

TQtTimer::TQtTimer(TQtTimerFabrik& fabrik, std::string name, std::uint32_t intervall,
                   TTimerHandler handler)
    : fabrik_(fabrik), name_(std::move(name)), intervall_(intervall), handler_(std::move(handler)) {
    // A coarse timer may fire up to 5 % early, which would shorten fuses.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &TQtTimer::Ticken);
}

void TQtTimer::Einschalten() {
    // QTimer::start() restarts a running timer; switching on a running one must keep its rhythm.
    if (an_) return;
    an_ = true;
    if (intervall_ > 0) timer_.start(int(intervall_));
}

void TQtTimer::Ausschalten() {
    an_ = false;
    timer_.stop();
}

void TQtTimer::SetzeIntervall(std::uint32_t ms) {
    if (ms == intervall_) return;
    intervall_ = ms;
    if (!an_) return;
    if (ms > 0)
        timer_.start(int(ms));  // a new interval restarts the period
    else
        timer_.stop();  // stays switched on, but never ticks
}

void TQtTimer::Ticken() {
    if (fabrik_.imTick_ || !an_ || !handler_) return;
    fabrik_.imTick_ = true;
    handler_();
    fabrik_.imTick_ = false;
}
