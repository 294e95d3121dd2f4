// The match's one clock in the game: match time follows the real time elapsed (times a speed),
// and one precise single-shot timer wakes the match when its next tick or input is due.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "model/UMeldungen.h"

class TTaktgeber : public QObject {
  public:
    struct TZiel {
        std::function<std::uint64_t()> Jetzt;                    // match time now
        std::function<void(std::uint64_t)> Laufe;                // run the match to this time
        std::function<std::optional<std::uint64_t>()> Naechste;  // when something is next due
    };
    TTaktgeber();

    // From now on the match time follows the real time, from where the match stands.
    void Starten(TZiel ziel);
    void Stoppen();
    bool Laeuft() const { return laeuft_; }
    // The match time that belongs to this moment.
    std::uint64_t Ziel() const;
    // Brings the match up to this moment (not while a box is open or a run is under way).
    void Einholen();
    // Sets the timer for whatever is due next.
    void Planen();
    // A message box is open: the match time stands still until the last one closes.
    void Anhalten();
    void Fortsetzen();
    bool Angehalten() const { return angehalten_ > 0; }
    // 0 pauses; 1, 2, 4 play at that speed.
    void SetzeFaktor(int f);
    int Faktor() const { return faktor_; }
    // Called when the match time may move again after standing still (a box closed, a speed).
    std::function<void()> Weiter;
    // Called when a box makes the match time stand still.
    std::function<void()> Steht;

  private:
    void NeuVerankern();

    TZiel ziel_;
    QTimer timer_;
    QElapsedTimer wand_;
    std::uint64_t basis_ = 0;
    int faktor_ = 1;
    int angehalten_ = 0;
    bool laeuft_ = false;
    bool imLauf_ = false;
};

// The match's message boxes: the clock stands still while one is open.
class TAnhaltendeMeldungen final : public IMeldungen {
  public:
    TAnhaltendeMeldungen(IMeldungen& innen, TTaktgeber& takt) : innen_(innen), takt_(takt) {}
    void Zeige(TBoxTyp typ, const std::string& text) override {
        takt_.Anhalten();
        innen_.Zeige(typ, text);
        takt_.Fortsetzen();
    }
    bool FrageJaNein(TBoxTyp typ, const std::string& text) override {
        takt_.Anhalten();
        const bool ja = innen_.FrageJaNein(typ, text);
        takt_.Fortsetzen();
        return ja;
    }
    TAntwort FrageJaNeinAbbrechen(TBoxTyp typ, const std::string& text) override {
        takt_.Anhalten();
        const TAntwort a = innen_.FrageJaNeinAbbrechen(typ, text);
        takt_.Fortsetzen();
        return a;
    }

  private:
    IMeldungen& innen_;
    TTaktgeber& takt_;
};
