#include "transport/UEnetTransport.h"

#include <enet/enet.h>

#include <algorithm>
#include <mutex>

#include "netz/UNetzSitzung.h"

namespace {

constexpr std::size_t kKanaele = 2;
// What a peer may send in one packet: the match data once, small packets otherwise.
constexpr std::size_t kKleinMax = 64u << 10;
constexpr std::size_t kGrossMax = kSpieldatenMax + 64;

bool EnetBereit() {
    static std::once_flag einmal;
    static bool ok = false;
    std::call_once(einmal, [] { ok = enet_initialize() == 0; });
    return ok;
}

}  // namespace

TEnetTransport::TEnetTransport() = default;

TEnetTransport::~TEnetTransport() {
    if (host_) enet_host_destroy(host_);
}

void TEnetTransport::PeerEinrichten(ENetPeer* p) {
    // ENet's throttle would drop unreliable packets itself when the round trip grows: the
    // input packets must all go out, their repetition covers the losses.
    enet_peer_throttle_configure(p, ENET_PEER_PACKET_THROTTLE_INTERVAL, 2, 0);
    // A silent peer is given up after the session's own limit, not ENet's sooner guess.
    enet_peer_timeout(p, 0, enet_uint32(kVerbindungFrist), enet_uint32(kVerbindungFrist));
}

bool TEnetTransport::Eroeffnen(std::uint16_t port, std::string besetzt) {
    if (!EnetBereit()) {
        Fehler = "Das Netzwerk konnte nicht eingerichtet werden.";
        return false;
    }
    ENetAddress a{};
    a.host = ENET_HOST_ANY;
    a.port = port;
    host_ = enet_host_create(&a, 2, kKanaele, 0, 0);
    if (!host_) {
        Fehler = "Der Port " + std::to_string(port) +
                 " kann nicht geöffnet werden (schon belegt oder nicht erlaubt).";
        return false;
    }
    host_->maximumPacketSize = kKleinMax;
    host_->maximumWaitingData = 4 * kKleinMax;
    besetzt_ = std::move(besetzt);
    gastgeber_ = true;
    return true;
}

std::uint16_t TEnetTransport::Port() const {
    return host_ ? host_->address.port : 0;
}

int TEnetTransport::Socket() const {
    return host_ ? int(host_->socket) : -1;
}

bool TEnetTransport::Verbinden(const std::string& adresse, std::uint16_t port) {
    if (!EnetBereit()) {
        Fehler = "Das Netzwerk konnte nicht eingerichtet werden.";
        return false;
    }
    ENetAddress a{};
    if (enet_address_set_host(&a, adresse.c_str()) != 0) {
        Fehler = "Die Adresse \"" + adresse + "\" ist unbekannt.";
        return false;
    }
    a.port = port;
    host_ = enet_host_create(nullptr, 1, kKanaele, 0, 0);
    if (!host_) {
        Fehler = "Das Netzwerk konnte nicht eingerichtet werden.";
        return false;
    }
    // The match data comes in one packet.
    host_->maximumPacketSize = kGrossMax;
    host_->maximumWaitingData = kGrossMax;
    peer_ = enet_host_connect(host_, &a, kKanaele, 0);
    if (!peer_) {
        Fehler = "Das Netzwerk konnte nicht eingerichtet werden.";
        return false;
    }
    // Set up once connected: a command queued before would spoil the connection's start.
    return true;
}

void TEnetTransport::KleinePakete() {
    if (!host_) return;
    host_->maximumPacketSize = kKleinMax;
    host_->maximumWaitingData = 4 * kKleinMax;
}

std::vector<TTransportEreignis> TEnetTransport::Dienen(int warteMs) {
    std::vector<TTransportEreignis> r;
    if (!host_) return r;
    ENetEvent e;
    int n = enet_host_service(host_, &e, enet_uint32(std::max(warteMs, 0)));
    while (n > 0) {
        switch (e.type) {
            case ENET_EVENT_TYPE_CONNECT:
                if (gastgeber_ && peer_ && e.peer != peer_) {
                    // One guest only: the next one hears why and goes.
                    ENetPacket* p = enet_packet_create(besetzt_.data(), besetzt_.size(),
                                                       ENET_PACKET_FLAG_RELIABLE);
                    enet_peer_send(e.peer, 0, p);
                    enet_peer_disconnect_later(e.peer, 0);
                    break;
                }
                peer_ = e.peer;
                PeerEinrichten(peer_);
                r.push_back({TTransportEreignis::TArt::Verbunden, 0, {}});
                break;
            case ENET_EVENT_TYPE_RECEIVE:
                if (e.peer == peer_)
                    r.push_back({TTransportEreignis::TArt::Daten, int(e.channelID),
                                 std::string(reinterpret_cast<const char*>(e.packet->data),
                                             e.packet->dataLength)});
                enet_packet_destroy(e.packet);
                break;
            case ENET_EVENT_TYPE_DISCONNECT:
                if (e.peer == peer_) {
                    peer_ = nullptr;
                    r.push_back({TTransportEreignis::TArt::Getrennt, 0, {}});
                }
                break;
            case ENET_EVENT_TYPE_NONE:
                break;
        }
        n = enet_host_check_events(host_, &e);
    }
    return r;
}

void TEnetTransport::Senden(int kanal, const std::string& daten) {
    if (!peer_) return;
    ENetPacket* p =
        enet_packet_create(daten.data(), daten.size(), kanal == 0 ? ENET_PACKET_FLAG_RELIABLE : 0);
    if (enet_peer_send(peer_, enet_uint8(kanal), p) != 0) enet_packet_destroy(p);
    enet_host_flush(host_);
}

std::uint32_t TEnetTransport::Rtt() const {
    return peer_ ? peer_->roundTripTime : 0;
}

std::uint32_t TEnetTransport::RttStreuung() const {
    return peer_ ? peer_->roundTripTimeVariance : 0;
}

void TEnetTransport::Trennen() {
    if (!peer_ || !host_) return;
    enet_peer_disconnect_later(peer_, 0);
    // A moment for the last reliable messages and the goodbye.
    ENetEvent e;
    for (int i = 0; i < 50; ++i) {
        const int n = enet_host_service(host_, &e, 10);
        if (n < 0) break;
        if (n == 0) continue;
        if (e.type == ENET_EVENT_TYPE_RECEIVE) enet_packet_destroy(e.packet);
        if (e.type == ENET_EVENT_TYPE_DISCONNECT) break;
    }
    peer_ = nullptr;
}
