// Simulated time: timers tick only when the clock is run, in time order, ties in creation order.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "match/UTimer.h"

class TSimTimer;

class TSimUhr : public ITimerFabrik {
  public:
    TSimUhr() = default;
    TSimUhr(const TSimUhr&) = delete;
    TSimUhr& operator=(const TSimUhr&) = delete;
    ~TSimUhr() override;

    std::unique_ptr<ITimer> TimerErzeugen(const std::string& name, std::uint32_t intervall,
                                          TTimerHandler handler) override;

    // Milliseconds since the clock was made.
    std::uint64_t Jetzt() const { return jetzt_; }
    // When the next tick is due; none while no timer can tick.
    std::optional<std::uint64_t> NaechsteFaelligkeit() const;
    // Fires the next tick if it is due at or before 'bis'; false (time unchanged) otherwise.
    bool NaechsterTick(std::uint64_t bis);
    // Fires every tick up to and including time t, then stands at t (never goes back).
    void LaufeBis(std::uint64_t t);
    void Laufe(std::uint64_t dauer) { LaufeBis(jetzt_ + dauer); }
    // Ticks until 'fertig' holds (checked first and after every tick) or the time would pass
    // 'grenze'; true when it held. The clock stays at the last tick, or at 'grenze'.
    bool LaufeBisBedingung(const std::function<bool()>& fertig, std::uint64_t grenze);
    std::uint64_t AnzahlTicks() const { return ticks_; }
    // Every timer as (on, interval, next due time), in creation order: what two clocks must
    // share to tick alike.
    struct TStand {
        bool An;
        std::uint32_t Intervall;
        std::uint64_t Faellig;
    };
    std::vector<TStand> Staende() const;

  private:
    friend class TSimTimer;
    TSimTimer* Faellig() const;
    void Abmelden(TSimTimer* t);

    std::vector<TSimTimer*> timer_;  // creation order
    std::uint64_t jetzt_ = 0;
    std::uint64_t ticks_ = 0;
    bool imTick_ = false;
};
