// Periodic timers as the match needs them, independent of any toolkit.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

// Switching on a stopped timer starts a full period; switching on a running one keeps its rhythm;
// a different interval restarts the period; an interval of 0 never ticks (the timer may stay on).
// A tick never runs inside another tick.
class ITimer {
  public:
    virtual ~ITimer() = default;
    virtual void Einschalten() = 0;
    virtual void Ausschalten() = 0;
    virtual bool Eingeschaltet() const = 0;
    virtual void SetzeIntervall(std::uint32_t ms) = 0;
    virtual std::uint32_t Intervall() const = 0;
    // Milliseconds to the next tick; 0 while it cannot tick.
    virtual std::uint32_t BisZumTick() const = 0;
    virtual const std::string& Name() const = 0;
};

using TTimerHandler = std::function<void()>;

class ITimerFabrik {
  public:
    virtual ~ITimerFabrik() = default;
    // A stopped timer with this interval that calls the handler at each tick.
    virtual std::unique_ptr<ITimer> TimerErzeugen(const std::string& name, std::uint32_t intervall,
                                                  TTimerHandler handler) = 0;
};
