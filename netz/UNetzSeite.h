// One side of a network match: the match built from the bytes both sides share (as a replay
// is), fed with the inputs of both players in the lockstep's order, and its state compared with
// the other side's every second of match time.
#pragma once

#include <array>
#include <deque>
#include <map>
#include <optional>
#include <utility>

#include "netz/ULockstep.h"
#include "wiederholung/UAbspielen.h"

inline constexpr std::uint64_t kPruefAbstand = 1000;
// Hashes of the other side that are ahead of this one; more would be a flood.
inline constexpr std::size_t kMaxPruefsummen = 64;

class TNetzSeite {
  public:
    TNetzSeite(TAufnahme spieldaten, int spieler, std::uint32_t verzoegerung, TSpielfeld& feld,
               TBilderSets& bilder, IMeldungen& meldungen, ISpielAnsicht& ansicht,
               std::uint8_t match = 0);
    TNetzSeite(const TNetzSeite&) = delete;
    TNetzSeite& operator=(const TNetzSeite&) = delete;

    // The match at time 0; false when its first level did not load (reported).
    bool Starten();
    std::uint64_t Zeit() const { return match_.Zeit(); }
    TSpiel& Spiel() { return match_.Spiel(); }
    TLockstep& Lockstep() { return lock_; }
    const TLockstep& Lockstep() const { return lock_; }
    TAbspieler& Match() { return match_; }

    // An input of the own player (Aktion with the own player's number, Neustart, kBereit),
    // stamped for now + the delay.
    void Eingabe(TEingabeArt art, std::uint16_t wert = 0) { lock_.Eigene(art, wert, Zeit()); }
    // Runs the match towards 'ziel', as far as the other side allows; stops where a round
    // begins (a countdown may come first).
    void Laufen(std::uint64_t ziel);
    // A round has begun since the last call.
    bool RundeBegonnen() { return std::exchange(rundeBegonnen_, false); }
    // The player has said "ready" for the next round, as far as the match has come.
    bool Bereit(int spieler) const { return bereit_[std::size_t(spieler - 1)]; }
    // The other side has not allowed the match to reach 'ziel' yet.
    bool Wartet(std::uint64_t ziel) const {
        return !lock_.Grenze() || std::min(ziel, *lock_.Grenze()) < ziel;
    }

    // Own hashes not yet sent, and the other side's; false when it sends too many ahead.
    std::vector<std::pair<std::uint64_t, std::uint64_t>> NeuePruefsummen();
    bool PruefsummeEmpfangen(std::uint64_t zeit, std::uint64_t hash);
    // The match time of the first check at which both sides differed.
    std::optional<std::uint64_t> Abweichung() const { return abweichung_; }

    // The recording as far as the match has come, with "Ende" at the present time.
    TAufnahme Aufnahme() const;
    const std::vector<std::string>& Protokoll() const { return match_.Protokoll(); }

  private:
    void Anwenden(const TNetzEingabe& e);
    void Vergleichen(std::uint64_t zeit);

    TAufnahme aufnahme_;  // grows with every input applied; the match reads it
    TLockstep lock_;
    TAbspieler match_;
    std::array<bool, 2> bereit_{};
    bool rundeBegonnen_ = false;
    std::uint64_t naechstePruefung_ = kPruefAbstand;
    std::vector<std::pair<std::uint64_t, std::uint64_t>> ausgang_;
    std::map<std::uint64_t, std::uint64_t> eigene_, fremde_;
    std::optional<std::uint64_t> abweichung_;
};
