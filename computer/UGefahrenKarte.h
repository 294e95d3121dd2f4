// When each cell of the board will burn or flood, as far as the bombs, explosions and water on it
// tell. Bombs never set each other off, so every bomb goes off at its own fuse; what its arms
// reach depends only on the blasts before it (a block or bomb they opened). Times are
// milliseconds from now.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "model/USpielDaten.h"

inline constexpr std::int64_t kNie = INT64_MAX / 4;

// The beats of the match: each interval and the time to the timer's next tick (0: stopped).
struct TTakte {
    std::uint32_t Bombe = 400, BisBombe = 0;
    std::uint32_t Explo = 400, BisExplo = 0;
    std::uint32_t Wasser = 2000, BisWasser = 0;
    // The storm flood: ms until ring SturmRing floods (0: none comes), then a ring a beat.
    std::uint32_t BisSturm = 0;
    int SturmRing = 0;
};

class TGefahrenKarte {
  public:
    void Berechnen(TSpielfeld& feld, const TBombenListen& bomben, const TTakte& takte);

    // A bomb laid at cell k at time 'gelegt' (it goes off after every bomb already ticking); its
    // detonation time. BombeWeg takes the last one back; they nest.
    std::int64_t BombeDazu(int k, std::int64_t gelegt = 0);
    std::int64_t NeueBombeZeit(std::int64_t gelegt = 0) const;
    void BombeWeg();

    int Zellen() const { return breite_ * hoehe_; }
    int Breite() const { return breite_; }
    // The neighbour of k in r, or -1 at the border.
    int Nachbar(int k, TRichtung r) const { return nachbarn_[std::size_t(k)][r]; }
    TZellenArt Art(int k) const { return art_[std::size_t(k)]; }
    // Standing in k from 'von' to 'bis' (both inclusive) neither burns nor drowns; burns before
    // 'schutzBis' do no harm (invulnerable).
    bool Sicher(int k, std::int64_t von, std::int64_t bis, std::int64_t schutzBis) const;
    // Nothing burns in k from t on, and water stays away a while longer; the storm flood's ring
    // comes at a known time, so it needs only 'sturmReserve'.
    bool Ruhig(int k, std::int64_t t, std::int64_t reserve, std::int64_t sturmReserve) const {
        return Bis(k) <= t && flut_[std::size_t(k)] > t + reserve &&
               sturm_[std::size_t(k)] > t + sturmReserve;
    }
    // When the storm flood's last ring comes; kNie when none comes.
    std::int64_t SturmEnde() const { return sturmEnde_; }
    std::int64_t Ab(int k) const { return gefahr_[std::size_t(k)].Ab; }
    std::int64_t Bis(int k) const { return gefahr_[std::size_t(k)].Bis; }
    // When water reaches k: the level's, or the storm flood's ring, or water spreading from it.
    std::int64_t Flut(int k) const {
        return std::min(flut_[std::size_t(k)], sturm_[std::size_t(k)]);
    }
    // When the storm flood's ring reaches k; kNie when none comes.
    std::int64_t Sturm(int k) const { return sturm_[std::size_t(k)]; }
    // From when a player can walk into k (a block or bomb once its blast has gone); kNie never.
    std::int64_t Begehbar(int k) const { return begehbar_[std::size_t(k)]; }
    // The latest end of any burning, 0 when nothing burns.
    std::int64_t Ende() const { return ende_; }
    std::int64_t Wasserschritt() const { return std::max<std::uint32_t>(takte_.Wasser, 1); }
    // The cells of one blast of a bomb at k going off at td, through the open cells then.
    template <typename F>
    void Arme(int k, std::int64_t td, F&& zelle) const;

  private:
    struct TGefahr {
        std::int64_t Ab = kNie, Bis = 0;  // burns in [Ab, Bis)
    };
    void Brennen(int k, std::int64_t ab, std::int64_t bis);
    void Sprengen(int k, std::int64_t td);
    // The water's beat before its next tick: it spreads at this time and whole beats after.
    std::int64_t WasserNull() const;
    // When water that spreads from a neighbour at beat t reaches cell k.
    std::int64_t NaechsteWelle(int k, std::int64_t t) const;
    void Fluten();
    // Spreads the water from the cells in flutEimer_ wherever it comes sooner than flut_ says.
    void Ausbreiten();

    int breite_ = 0, hoehe_ = 0;
    TTakte takte_;
    std::vector<TZellenArt> art_;
    std::vector<TGefahr> gefahr_;
    std::vector<std::int64_t> flut_, sturm_, offen_, begehbar_;
    std::int64_t ende_ = 0, sturmEnde_ = kNie;
    // Undo log of BombeDazu: cell and what it held.
    struct TAlt {
        int K;
        TGefahr G;
        std::int64_t Offen, Begehbar;
    };
    std::vector<TAlt> undo_;
    // Per bomb added: where its undo entries start, and the end before it.
    struct TMarke {
        std::size_t Anfang;
        std::int64_t Ende;
        bool Flut;  // the water was worked out again
    };
    std::vector<TMarke> marken_;
    // Each cell's neighbours up, left, right, down (-1 at the border).
    std::vector<std::array<int, 4>> nachbarn_;
    int nachbarnBreite_ = -1;  // the width they were made for
    // The water before each bomb added, when there is water.
    std::vector<std::vector<std::int64_t>> flutAlt_;
    // Fluten's buckets, one per beat of the water.
    std::vector<std::vector<int>> flutEimer_;
    bool wasser_ = false;
};

template <typename F>
void TGefahrenKarte::Arme(int k, std::int64_t td, F&& zelle) const {
    zelle(k);
    for (TRichtung r = riOben; r <= riUnten; ++r) {
        int n = k;
        for (int abstand = 1; abstand <= 2; ++abstand) {
            n = Nachbar(n, r);
            if (n < 0) break;
            const TZellenArt a = art_[std::size_t(n)];
            const bool offen = offen_[std::size_t(n)] <= td;
            const bool bombe = a == zaBombe || a == zaSpieler1Bombe || a == zaSpieler2Bombe;
            if (!offen && (a == zaUnzerstoerbar || a == zaWasser || bombe)) break;
            zelle(n);
            if (!offen && a == zaZerstoerbar) break;
        }
    }
}
