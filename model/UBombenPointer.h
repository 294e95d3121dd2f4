// The time line of a round: ticking bombs and burning explosions, both first-in-first-out.
#pragma once

#include <cstdint>
#include <deque>

#include "model/UTyp.h"

struct TSpielRecEinstellungen;

struct TBombe {
    std::uint16_t Zaehler = 0;
    TPosition Position;
    std::uint8_t Spieler = 0;
};

class TBombenListen {
  public:
    bool KeineBomben() const { return bomben_.empty(); }
    bool KeineExplosionen() const { return explosionen_.empty(); }
    TPosition ErstePosition(bool bomben) const;
    std::uint8_t ErsterSpieler() const { return bomben_.empty() ? 0 : bomben_.front().Spieler; }
    void Weiterzaehlen(bool bomben);
    void Anhaengen(std::uint16_t zaehler, TPosition pos, std::uint8_t spieler, bool bomben);
    bool OhneBombe(std::uint8_t spieler) const;
    bool DarfBombeLegen(const TSpielRecEinstellungen& e, int spieler) const;
    bool BombeFaellig() const { return !bomben_.empty() && bomben_.front().Zaehler >= 5; }
    bool ExplosionFaellig() const {
        return !explosionen_.empty() && explosionen_.front().Zaehler >= 5;
    }
    bool ExplosionBei(TPosition pos) const;
    bool ExplosionNeben(TPosition pos, std::uint8_t abstand, TRichtung r) const;
    void BombeVersetzen(TPosition neu, TPosition alt);
    // A bomb that will never go off (drowned) leaves the list; false when none lay there.
    bool BombeEntfernen(TPosition pos);
    void ErsteEntfernen(bool bomben);
    void ListenFreigeben();

    const std::deque<TBombe>& Bombenliste() const { return bomben_; }
    const std::deque<TBombe>& Explosionsliste() const { return explosionen_; }

  private:
    std::deque<TBombe>& Liste(bool bomben) { return bomben ? bomben_ : explosionen_; }
    const std::deque<TBombe>& Liste(bool bomben) const { return bomben ? bomben_ : explosionen_; }

    std::deque<TBombe> bomben_;
    std::deque<TBombe> explosionen_;
};
