#include "match/USimUhr.h"

#include <algorithm>

class TSimTimer : public ITimer {
  public:
    TSimTimer(TSimUhr* uhr, std::string name, std::uint32_t intervall, TTimerHandler handler)
        : uhr_(uhr), name_(std::move(name)), intervall_(intervall), handler_(std::move(handler)) {}
    ~TSimTimer() override {
        if (uhr_) uhr_->Abmelden(this);
    }

    void Einschalten() override {
        if (an_) return;
        an_ = true;
        faellig_ = Jetzt() + intervall_;
    }
    void Ausschalten() override { an_ = false; }
    bool Eingeschaltet() const override { return an_; }
    void SetzeIntervall(std::uint32_t ms) override {
        if (ms == intervall_) return;
        intervall_ = ms;
        faellig_ = Jetzt() + intervall_;
    }
    std::uint32_t Intervall() const override { return intervall_; }
    std::uint32_t BisZumTick() const override {
        return KannTicken() ? static_cast<std::uint32_t>(faellig_ - Jetzt()) : 0;
    }
    const std::string& Name() const override { return name_; }

    bool KannTicken() const { return uhr_ && an_ && intervall_ > 0; }
    std::uint64_t Faelligkeit() const { return faellig_; }
    void Ticken() {
        // The next period is counted from this tick; the handler may still change it.
        faellig_ += intervall_;
        if (handler_) handler_();
    }
    void Loesen() { uhr_ = nullptr; }

  private:
    std::uint64_t Jetzt() const { return uhr_ ? uhr_->Jetzt() : 0; }

    TSimUhr* uhr_;
    std::string name_;
    std::uint32_t intervall_;
    TTimerHandler handler_;
    bool an_ = false;
    std::uint64_t faellig_ = 0;
};

TSimUhr::~TSimUhr() {
    for (TSimTimer* t : timer_) t->Loesen();
}

std::unique_ptr<ITimer> TSimUhr::TimerErzeugen(const std::string& name, std::uint32_t intervall,
                                               TTimerHandler handler) {
    auto t = std::make_unique<TSimTimer>(this, name, intervall, std::move(handler));
    timer_.push_back(t.get());
    return t;
}

std::vector<TSimUhr::TStand> TSimUhr::Staende() const {
    std::vector<TStand> s;
    for (const TSimTimer* t : timer_)
        s.push_back({t->Eingeschaltet(), t->Intervall(), t->Faelligkeit()});
    return s;
}

void TSimUhr::Abmelden(TSimTimer* t) {
    std::erase(timer_, t);
}

TSimTimer* TSimUhr::Faellig() const {
    TSimTimer* beste = nullptr;
    for (TSimTimer* t : timer_)
        if (t->KannTicken() && (!beste || t->Faelligkeit() < beste->Faelligkeit())) beste = t;
    return beste;
}

std::optional<std::uint64_t> TSimUhr::NaechsteFaelligkeit() const {
    const TSimTimer* t = Faellig();
    if (!t) return std::nullopt;
    return t->Faelligkeit();
}

bool TSimUhr::NaechsterTick(std::uint64_t bis) {
    if (imTick_) return false;  // ticks never nest
    TSimTimer* t = Faellig();
    if (!t || t->Faelligkeit() > bis) return false;
    jetzt_ = std::max(jetzt_, t->Faelligkeit());
    ++ticks_;
    imTick_ = true;
    t->Ticken();
    imTick_ = false;
    return true;
}

void TSimUhr::LaufeBis(std::uint64_t t) {
    if (imTick_) return;
    while (NaechsterTick(t)) {
    }
    jetzt_ = std::max(jetzt_, t);
}

bool TSimUhr::LaufeBisBedingung(const std::function<bool()>& fertig, std::uint64_t grenze) {
    if (imTick_) return false;
    if (fertig()) return true;
    while (NaechsterTick(grenze))
        if (fertig()) return true;
    jetzt_ = std::max(jetzt_, grenze);
    return false;
}
