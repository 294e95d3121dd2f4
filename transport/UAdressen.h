// Addresses for network play, IPv4 only as ENet is.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The IPv4 address of a host name or dotted address; empty with a German reason otherwise.
// Asks the resolver, which may take seconds: never call it on a window's thread.
std::string AdresseAufloesen(const std::string& name, std::string& fehler);

// "host", "host:port" or an address: the host and the port given; false with a German reason
// (IPv6 among them, which ENet cannot reach).
bool AdresseZerlegen(const std::string& text, std::string& host, std::optional<std::uint16_t>& port,
                     std::string& fehler);

// This machine's IPv4 addresses other than loopback, for the host to tell its guest.
std::vector<std::string> EigeneAdressen();
