#include "transport/UAdressen.h"

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <netdb.h>
#include <netinet/in.h>

#include <algorithm>
#include <cctype>

namespace {

// ENet speaks IPv4 only.
std::string NurIpv6(const std::string& text, const char* was) {
    return "Das Netzwerkspiel braucht eine IPv4-Adresse (z. B. 192.168.1.20) oder einen "
           "Rechnernamen mit einer IPv4-Adresse; \"" +
           text + "\" " + was + ".";
}

bool Bekannt(const std::string& name, int familie, addrinfo** liste) {
    addrinfo wunsch{};
    wunsch.ai_family = familie;
    wunsch.ai_socktype = SOCK_DGRAM;
    return getaddrinfo(name.c_str(), nullptr, &wunsch, liste) == 0 && *liste;
}

}  // namespace

bool AdresseZerlegen(const std::string& text, std::string& host, std::optional<std::uint16_t>& port,
                     std::string& fehler) {
    const auto doppelpunkt = text.find(':');
    if (!text.empty() && (text[0] == '[' || text.find(':', doppelpunkt + 1) != std::string::npos)) {
        fehler = NurIpv6(text, "ist eine IPv6-Adresse");
        return false;
    }
    host = text.substr(0, doppelpunkt);
    port.reset();
    if (doppelpunkt != std::string::npos) {
        const std::string zahl = text.substr(doppelpunkt + 1);
        const bool ziffern =
            !zahl.empty() && zahl.size() <= 5 &&
            std::all_of(zahl.begin(), zahl.end(), [](unsigned char c) { return std::isdigit(c); });
        const unsigned long p = ziffern ? std::stoul(zahl) : 0;
        if (p < 1 || p > 65535) {
            fehler = "Der Port in \"" + text + "\" ist keine Zahl von 1 bis 65535.";
            return false;
        }
        port = std::uint16_t(p);
    }
    if (host.empty()) {
        fehler = "Bitte geben Sie die Adresse des Gastgebers ein.";
        return false;
    }
    return true;
}

std::string AdresseAufloesen(const std::string& name, std::string& fehler) {
    addrinfo* liste = nullptr;
    if (name.empty() || !Bekannt(name, AF_INET, &liste)) {
        if (!name.empty() && Bekannt(name, AF_INET6, &liste)) {
            freeaddrinfo(liste);
            fehler = NurIpv6(name, "hat nur eine IPv6-Adresse");
        } else {
            fehler = "Die Adresse \"" + name + "\" ist unbekannt.";
        }
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
