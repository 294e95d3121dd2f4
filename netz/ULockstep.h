// Two machines run one match on their own simulated clocks. Each stamps its own player's inputs
// with (its time + the input delay) and announces up to which time it has sent them all (its
// horizon); a side runs its clock only up to what the other side has announced. Transport-free:
// packets are bytes in, bytes out; lost, doubled and reordered packets are survived, because
// every packet repeats every input the other side has not yet acknowledged.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "wiederholung/UAufnahme.h"

// Network only: "ready for the next round". Once both players are, the match gets one
// "Nächste Runde" at the later stamp.
inline constexpr TEingabeArt kBereit = static_cast<TEingabeArt>(7);

struct TNetzEingabe {
    std::uint64_t Zeit = 0;
    std::uint8_t Spieler = 0;
    std::uint32_t Nr = 0;  // per player, from 1
    TEingabeArt Art = TEingabeArt::Aktion;
    std::uint16_t Wert = 0;
    bool operator==(const TNetzEingabe&) const = default;
};

// The packet with the inputs and the horizon (sent unreliably, many times a second).
inline constexpr std::uint8_t kNachrichtTakt = 7;
// At most this many inputs in one packet, and waiting from the other side.
inline constexpr std::size_t kTaktMaxEingaben = 32;
inline constexpr std::size_t kMaxWartend = 1024;
// A horizon further ahead than this of the local time is not believed.
inline constexpr std::uint64_t kMaxVorsprung = 60'000;

class TLockstep {
  public:
    // spieler: the own player (1 or 2); verzoegerung: the input delay in ms (at least 1);
    // match: which match of the connection this is (a rematch counts on), so that a packet of
    // the last one still under way is let pass.
    TLockstep(int spieler, std::uint32_t verzoegerung, std::uint8_t match = 0);

    // An own input at simulated time 'jetzt': stamped jetzt + delay. Returns the stamp.
    std::uint64_t Eigene(TEingabeArt art, std::uint16_t wert, std::uint64_t jetzt);
    // The packet for the other side at simulated time 'jetzt': the horizon and every input it
    // has not acknowledged.
    std::string Takt(std::uint64_t jetzt);
    // A packet of the other side; false when it breaks the rules (nothing is taken from it).
    bool Empfangen(std::string_view paket, std::uint64_t jetzt);

    // How far the match may run: the other side's horizon; none before its first packet.
    std::optional<std::uint64_t> Grenze() const { return peerHorizont_; }
    // Every input of both players up to t, in the order both sides apply them: by time, player
    // 1 before player 2, then by number. Taken out of the queue.
    std::vector<TNetzEingabe> Bis(std::uint64_t t);
    // The first of them alone.
    std::optional<TNetzEingabe> Naechste(std::uint64_t t);

    int Spieler() const { return spieler_; }
    int Gegner() const { return 3 - spieler_; }
    std::uint32_t Verzoegerung() const { return verzoegerung_; }
    // Own inputs the other side has not acknowledged yet.
    std::size_t Unbestaetigt() const { return offen_.size(); }
    // Inputs of the other side received and not yet applied.
    std::size_t Wartend() const { return peerWartend_; }
    // The other side's "Neustart" inputs received so far: each must have been agreed to.
    std::size_t FremdeNeustarts() const { return peerNeustarts_; }

  private:
    bool Erlaubt(const TNetzEingabe& e) const;
    void Einreihen(const TNetzEingabe& e);

    int spieler_;
    std::uint32_t verzoegerung_;
    std::uint8_t match_;
    std::uint32_t eigeneNr_ = 0;
    std::uint64_t letzterStempel_ = 0;
    std::uint32_t paketNr_ = 0;
    std::deque<TNetzEingabe> offen_;          // own, not yet acknowledged
    std::deque<TNetzEingabe> warteschlange_;  // both, not yet applied, in merge order
    std::optional<std::uint64_t> peerHorizont_;
    std::uint32_t empfangenBis_ = 0;  // the other side's inputs held, all numbers up to here
    std::uint64_t peerLetzteZeit_ = 0;
    std::size_t peerWartend_ = 0;
    std::size_t peerNeustarts_ = 0;
};
