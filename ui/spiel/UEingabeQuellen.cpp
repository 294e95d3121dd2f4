#include "netz/UNetzSitzung.h"
#include "ui/spiel/UEingabeQuelle.h"
#include "ui/spiel/USpielFenster.h"

namespace {

class TSpielerEingaben final : public IEingabeQuelle {
  public:
    explicit TSpielerEingaben(TFrm_Spiel& f) : f_(f) {}
    void Taste(std::uint16_t taste) override { f_.Eingabe(TEingabeArt::Taste, taste); }
    void PadAktion(int spieler, int slot) override {
        f_.Eingabe(TEingabeArt::Aktion, std::uint16_t(spieler * 8 + slot));
    }
    void NaechsteRunde() override { f_.Eingabe(TEingabeArt::NaechsteRunde); }
    void Neustart() override { f_.Eingabe(TEingabeArt::Neustart); }

  private:
    TFrm_Spiel& f_;
};

class TAbspielEingaben final : public IEingabeQuelle {
  public:
    explicit TAbspielEingaben(TFrm_Spiel& f) : f_(f) {}
    void Taste(std::uint16_t) override {}
    void PadAktion(int, int) override {}
    void NaechsteRunde() override { f_.Springen(); }
    void Neustart() override {}

  private:
    TFrm_Spiel& f_;
};

class TNetzEingaben final : public IEingabeQuelle {
  public:
    TNetzEingaben(TNetzSitzung& s, std::function<TSpielRecEinstellungen()> tasten)
        : s_(s), tasten_(std::move(tasten)) {}
    void Taste(std::uint16_t taste) override {
        if (const int slot = SlotVonTaste(tasten_(), taste); slot >= 0) s_.Aktion(slot);
    }
    void PadAktion(int, int slot) override { s_.Aktion(slot); }
    void NaechsteRunde() override { s_.Bereit(); }
    void Neustart() override { s_.Neustart(); }

  private:
    TNetzSitzung& s_;
    std::function<TSpielRecEinstellungen()> tasten_;
};

}  // namespace

std::unique_ptr<IEingabeQuelle> SpielerEingaben(TFrm_Spiel& f) {
    return std::make_unique<TSpielerEingaben>(f);
}

std::unique_ptr<IEingabeQuelle> AbspielEingaben(TFrm_Spiel& f) {
    return std::make_unique<TAbspielEingaben>(f);
}

std::unique_ptr<IEingabeQuelle> NetzEingaben(TNetzSitzung& s,
                                             std::function<TSpielRecEinstellungen()> tasten) {
    return std::make_unique<TNetzEingaben>(s, std::move(tasten));
}

int SlotVonTaste(const TSpielRecEinstellungen& e, std::uint16_t taste) {
    for (int s = 1; s <= 2; ++s)
        for (int n = 1; n <= 6; ++n)
            if (taste != 0 && e.Spieler(s).Taste(n) == taste) return n - 1;
    return -1;
}
