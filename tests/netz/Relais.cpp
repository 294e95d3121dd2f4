// A UDP relay for the network tests (the kernel's netem is not available): between one client
// and one server on loopback it delays each datagram (with jitter, which reorders), loses and
// doubles some, seeded. Prints its port, then runs until killed.
//   netz_relais SERVERPORT DELAY_MS JITTER_MS LOSS_PERCENT DUP_PERCENT SEED
#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <random>
#include <string>

namespace {

std::uint64_t Jetzt() {
    return std::uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count());
}

int Socket(std::uint16_t port) {
    const int s = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET, a.sin_addr.s_addr = htonl(INADDR_LOOPBACK), a.sin_port = htons(port);
    if (s < 0 || bind(s, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0) std::exit(1);
    return s;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 7) return 2;
    const int serverPort = std::atoi(argv[1]);
    const int verz = std::atoi(argv[2]), streu = std::atoi(argv[3]);
    const double verlust = std::atof(argv[4]) / 100, doppelt = std::atof(argv[5]) / 100;
    std::mt19937 zufall(std::uint32_t(std::atoi(argv[6])));
    std::uniform_real_distribution<double> w(0, 1);

    const int vorne = Socket(0), hinten = Socket(0);
    sockaddr_in eigen{};
    socklen_t l = sizeof eigen;
    getsockname(vorne, reinterpret_cast<sockaddr*>(&eigen), &l);
    std::printf("%d\n", ntohs(eigen.sin_port));
    std::fflush(stdout);
    sockaddr_in server{};
    server.sin_family = AF_INET, server.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    server.sin_port = htons(std::uint16_t(serverPort));
    sockaddr_in client{};
    bool clientBekannt = false;

    struct TDatagramm {
        bool ZumServer;
        std::string Daten;
    };
    std::multimap<std::uint64_t, TDatagramm> unterwegs;
    char puffer[65536];
    for (;;) {
        pollfd fds[2] = {{vorne, POLLIN, 0}, {hinten, POLLIN, 0}};
        poll(fds, 2, 1);
        for (int i = 0; i < 2; ++i) {
            if (!(fds[i].revents & POLLIN)) continue;
            sockaddr_in von{};
            socklen_t vl = sizeof von;
            const ssize_t n = recvfrom(fds[i].fd, puffer, sizeof puffer, 0,
                                       reinterpret_cast<sockaddr*>(&von), &vl);
            if (n < 0) continue;
            if (i == 0) {
                client = von, clientBekannt = true;
            }
            if (w(zufall) < verlust) continue;
            const int kopien = w(zufall) < doppelt ? 2 : 1;
            for (int k = 0; k < kopien; ++k)
                unterwegs.emplace(
                    Jetzt() + verz + (streu ? zufall() % (2 * streu + 1) : 0) - (streu ? streu : 0),
                    TDatagramm{i == 0, std::string(puffer, std::size_t(n))});
        }
        while (!unterwegs.empty() && unterwegs.begin()->first <= Jetzt()) {
            const TDatagramm& d = unterwegs.begin()->second;
            if (d.ZumServer)
                sendto(hinten, d.Daten.data(), d.Daten.size(), 0,
                       reinterpret_cast<const sockaddr*>(&server), sizeof server);
            else if (clientBekannt)
                sendto(vorne, d.Daten.data(), d.Daten.size(), 0,
                       reinterpret_cast<const sockaddr*>(&client), sizeof client);
            unterwegs.erase(unterwegs.begin());
        }
    }
}
