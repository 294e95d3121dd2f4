#include "ui/basis/UTaktgeber.h"

#include <algorithm>

TTaktgeber::TTaktgeber() {
    timer_.setSingleShot(true);
    // A coarse timer may fire up to 5 % early or late; fuses must not drift.
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, [this] { Einholen(); });
}

void TTaktgeber::Starten(TZiel ziel) {
    ziel_ = std::move(ziel);
    laeuft_ = true;
    angehalten_ = 0;
    NeuVerankern();
    Planen();
}

void TTaktgeber::Stoppen() {
    laeuft_ = false;
    timer_.stop();
}

void TTaktgeber::NeuVerankern() {
    basis_ = ziel_.Jetzt ? ziel_.Jetzt() : 0;
    wand_.restart();
}

std::uint64_t TTaktgeber::Ziel() const {
    if (!laeuft_ || angehalten_ > 0 || faktor_ == 0) return basis_;
    return basis_ + std::uint64_t(wand_.elapsed()) * std::uint64_t(faktor_);
}

void TTaktgeber::Einholen() {
    if (!laeuft_ || imLauf_ || angehalten_ > 0) return;
    imLauf_ = true;
    ziel_.Laufe(Ziel());
    imLauf_ = false;
    Planen();
}

void TTaktgeber::Planen() {
    timer_.stop();
    if (!laeuft_ || imLauf_ || angehalten_ > 0 || faktor_ == 0) return;
    const std::optional<std::uint64_t> n = ziel_.Naechste();
    if (!n) return;  // nothing can happen until an input comes
    const std::uint64_t jetzt = Ziel();
    const std::uint64_t warten = *n > jetzt ? (*n - jetzt + faktor_ - 1) / faktor_ : 0;
    timer_.start(int(std::min<std::uint64_t>(warten, 60000)));
}

void TTaktgeber::Anhalten() {
    // The time of this moment, taken before the count makes the clock stand.
    const bool erste = angehalten_ == 0;
    if (erste) basis_ = Ziel();
    timer_.stop();
    ++angehalten_;
    if (erste && Steht) Steht();
}

void TTaktgeber::Fortsetzen() {
    if (angehalten_ == 0 || --angehalten_ > 0) return;
    NeuVerankern();  // the time the box was open does not count
    Planen();
    if (Weiter) Weiter();
}

void TTaktgeber::SetzeFaktor(int f) {
    if (laeuft_) basis_ = Ziel();
    wand_.restart();
    faktor_ = f;
    Planen();
    if (f != 0 && Weiter) Weiter();
}
