// The messages of a network match other than the input packets: the handshake, the state
// checks, the players' questions and chat, and the goodbye. Little-endian, one type byte first;
// every decoder refuses what is cut short, too long or out of range.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "wiederholung/UAufnahme.h"

inline constexpr std::uint16_t kNetzProtokoll = 2;
inline constexpr std::uint16_t kNetzStandardPort = 41414;
// The match data (settings and every level) may not be larger than this.
inline constexpr std::size_t kSpieldatenMax = 4u << 20;
// A chat line: at most this many characters (and four bytes each).
inline constexpr std::size_t kChatMaxZeichen = 100;
// The countdown before a round may not be longer than this (ms).
inline constexpr std::uint32_t kCountdownMax = 10'000;

enum class TNachricht : std::uint8_t {
    Hallo = 1,             // guest → host: versions, name, "the computer plays for me"
    Willkommen = 2,        // host → guest: its player, the input delay, the tempo
    Abgelehnt = 3,         // host → guest: why not
    Spieldaten = 4,        // host → guest: seed, settings and levels, as a recording holds them
    Geladen = 5,           // guest → host: the state hash at time 0
    Start = 6,             // host → guest
    Pruefsumme = 8,        // both: the state hash at a time
    Tschuess = 9,          // both: why the connection ends, and the last horizon
    NeustartFrage = 10,    // both: "shall we start the match again?"
    NeustartAntwort = 11,  // both: yes (1) or no (0)
    Revanche = 12,         // both, once the match is over: "I want a rematch"
    NeuesMatch = 13,       // host → guest, once both want one: the new seed
    Chat = 14,             // both: one line of text
};

enum class TAblehnung : std::uint8_t { Version = 1, Besetzt = 2 };
enum class TAbschied : std::uint8_t {
    Verlassen = 1,
    Abweichung = 2,
    UngueltigeDaten = 3,
    Vorbei = 4
};

struct THallo {
    std::uint16_t Protokoll = kNetzProtokoll;
    std::uint32_t Regeln = 0;
    std::string Name;  // UTF-8, at most 20 characters
    bool Computer = false;
};
struct TWillkommen {
    std::uint8_t Spieler = 2;
    std::uint32_t Verzoegerung = 0;  // ms of match time
    std::uint8_t Tempo = 1;          // match time runs this many times real time
    std::uint32_t Countdown = 0;     // ms of real time before each round
};
struct TAbgelehnt {
    TAblehnung Grund = TAblehnung::Version;
    std::uint16_t Protokoll = kNetzProtokoll;
    std::uint32_t Regeln = 0;
};
// Geladen (hash), Pruefsumme (time, hash), Tschuess (reason, horizon), NeustartAntwort (yes),
// NeuesMatch (seed); NeustartFrage and Revanche are the type alone.
struct TZahlen {
    std::uint64_t A = 0, B = 0;
};

// The type of a message; none for an empty one.
std::optional<TNachricht> NachrichtArt(std::string_view d);

std::string Kodieren(const THallo& h);
std::string Kodieren(const TWillkommen& w);
std::string Kodieren(const TAbgelehnt& a);
std::string KodierenSpieldaten(const TAufnahme& a);
std::string KodierenZahlen(TNachricht art, std::uint64_t a = 0, std::uint64_t b = 0);
std::string KodierenChat(const std::string& zeile);

bool Dekodieren(std::string_view d, THallo& h);
bool Dekodieren(std::string_view d, TWillkommen& w);
bool Dekodieren(std::string_view d, TAbgelehnt& a);
// Empty when the data may be played, else what is wrong (for the log, not for the user).
std::string DekodierenSpieldaten(std::string_view d, TAufnahme& a);
bool DekodierenZahlen(std::string_view d, TNachricht art, TZahlen& z);
// Refuses a line longer than kChatMaxZeichen or with a control character.
bool DekodierenChat(std::string_view d, std::string& zeile);
// Whether a name (at most 'zeichen' characters) or a chat line may be sent as it is.
bool TextGueltig(const std::string& t, std::size_t zeichen);
