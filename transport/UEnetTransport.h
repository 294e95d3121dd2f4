// ENet under a network match: one reliable, ordered channel for the handshake and control, one
// unreliable channel for the input packets. Plain sockets and no toolkit, so that the tool and
// the game serve it alike. ENet speaks IPv4 only.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct _ENetHost;
struct _ENetPeer;

struct TTransportEreignis {
    enum class TArt { Verbunden, Daten, Getrennt } Art;
    int Kanal = 0;
    std::string Daten;
};

class TEnetTransport {
  public:
    TEnetTransport();
    ~TEnetTransport();
    TEnetTransport(const TEnetTransport&) = delete;
    TEnetTransport& operator=(const TEnetTransport&) = delete;

    // Host: waits for one guest on this UDP port (0: any free one). A second guest is sent
    // `besetzt` and sent away.
    bool Eroeffnen(std::uint16_t port, std::string besetzt);
    std::uint16_t Port() const;
    // The UDP socket, for an event loop to wait on; -1 before Eroeffnen or Verbinden.
    int Socket() const;
    // Guest: starts to connect. Resolving a name blocks; call it off a window's thread.
    bool Verbinden(const std::string& adresse, std::uint16_t port);
    // Serves the socket for up to `warteMs` (0: only what is there) and returns what happened.
    std::vector<TTransportEreignis> Dienen(int warteMs);
    void Senden(int kanal, const std::string& daten);
    // The round trip to the other side and its spread, in ms (ENet's running estimate).
    std::uint32_t Rtt() const;
    std::uint32_t RttStreuung() const;
    // Leaves politely: what was sent still goes out first.
    void Trennen();
    // After the match data has come: nothing that large is taken any more.
    void KleinePakete();

    std::string Fehler;  // German, when Eroeffnen or Verbinden failed

  private:
    void PeerEinrichten(_ENetPeer* p);

    _ENetHost* host_ = nullptr;
    _ENetPeer* peer_ = nullptr;
    std::string besetzt_;
    bool gastgeber_ = false;
};
