// A recorded match: everything it depends on (settings, level bytes, seed) and every input with
// its time on the match clock, plus the result lines the match produced, to check a replay by.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/USpielRecEinstellungen.h"

enum class TEingabeArt : std::uint8_t {
    Taste = 1,          // a key reached the board: Wert is the key code
    Aktion = 2,         // a pad action: Wert is PadAktionWert(player, slot)
    NaechsteRunde = 3,  // "Nächste Runde"
    Neustart = 4,       // "Neustart"
    Abbrechen = 5,      // the simulator stopped an endless round
    Ende = 6,           // the recording stops here (window closed, match over)
};

// A pad action of one player: the slot 0..5 is the key it stands for (up, down, left, right,
// bomb, throw). Recordings and the network carry it as player * 8 + slot.
struct TPadAktion {
    int Spieler = 0;
    int Slot = 0;
};
constexpr std::uint16_t PadAktionWert(int spieler, int slot) {
    return static_cast<std::uint16_t>(spieler * 8 + slot);
}
constexpr TPadAktion PadAktionVon(std::uint16_t wert) {
    return {wert / 8, wert % 8};
}

struct TEingabe {
    std::uint64_t Zeit = 0;  // ms on the match clock
    TEingabeArt Art = TEingabeArt::Taste;
    std::uint16_t Wert = 0;
    bool operator==(const TEingabe&) const = default;
};

// The bytes of a level's three files as the match read them; none when a file was missing.
struct TAufnahmeLevel {
    std::string Pfad;
    std::optional<std::string> Allgemein, Zellen, Bilder;
    bool operator==(const TAufnahmeLevel&) const = default;
};

struct TAufnahme {
    std::uint64_t Saat = 0;
    // The settings record and its working copy, packed as in the settings file.
    std::string Einstellungen, Arbeitskopie;
    // Which computer steers each player (from version 2; version 1 knew only the classic one).
    std::array<TComputerArt, 2> Computer{};
    // Minutes before the storm flood, 0 none (from version 3; the older ones knew none).
    std::uint8_t Sturmflut = 0;
    std::uint16_t LevelAnzahl = 0;
    std::vector<std::string> Levelliste;
    std::vector<TAufnahmeLevel> Level;
    std::vector<TEingabe> Eingaben;
    // "Runde 1 (Arena): ...", the match message and "Punkte: a : b", as the match ended.
    std::vector<std::string> Protokoll;
    bool operator==(const TAufnahme&) const = default;
};

inline constexpr std::uint16_t kAufnahmeVersion = 3;
// Larger files are refused before they are read.
inline constexpr std::size_t kAufnahmeMaxGroesse = 64u << 20;

std::string AufnahmeKodieren(const TAufnahme& a);
// Empty on success, else what is wrong, in German, for the user.
std::string AufnahmeDekodieren(std::string_view daten, TAufnahme& a);
