#include "transport/UAdressen.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>

#include <algorithm>

std::string AdresseAufloesen(const std::string& name, std::string& fehler) {
    addrinfo wunsch{};
    wunsch.ai_family = AF_INET;
    wunsch.ai_socktype = SOCK_DGRAM;
    addrinfo* liste = nullptr;
    if (name.empty() || getaddrinfo(name.c_str(), nullptr, &wunsch, &liste) != 0 || !liste) {
        fehler = "Die Adresse \"" + name + "\" ist unbekannt.";
        return {};
    }
    char text[INET_ADDRSTRLEN] = {};
    const auto* a = reinterpret_cast<const sockaddr_in*>(liste->ai_addr);
    inet_ntop(AF_INET, &a->sin_addr, text, sizeof text);
    freeaddrinfo(liste);
    return text;
}

std::vector<std::string> EigeneAdressen() {
    std::vector<std::string> r;
    ifaddrs* liste = nullptr;
    if (getifaddrs(&liste) != 0) return r;
    for (const ifaddrs* i = liste; i; i = i->ifa_next) {
        if (!i->ifa_addr || i->ifa_addr->sa_family != AF_INET) continue;
        const auto* a = reinterpret_cast<const sockaddr_in*>(i->ifa_addr);
        if ((ntohl(a->sin_addr.s_addr) >> 24) == 127) continue;
        char text[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &a->sin_addr, text, sizeof text);
        if (std::find(r.begin(), r.end(), text) == r.end()) r.emplace_back(text);
    }
    freeifaddrs(liste);
    return r;
}
