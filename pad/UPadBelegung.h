// Game controllers as the players' input: which pad input stands for which of a player's six
// actions (up, down, left, right, bomb, throw), their German names, and how held inputs repeat.
// Toolkit-free; the pads themselves are read elsewhere.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

enum class TPadArt : std::uint8_t { Knopf, Kreuz, Stick };

// One input of one pad: a button (SDL's game controller button number), or a direction of the
// d-pad or the left stick (0 up, 1 down, 2 left, 3 right, as the actions are numbered).
struct TPadEingabe {
    std::uint8_t Pad = 1;  // 1 or 2, in the order the pads were connected
    TPadArt Art = TPadArt::Knopf;
    std::uint8_t Nr = 0;
    bool operator==(const TPadEingabe&) const = default;
};

// "Pad 1: A", "Pad 1: Steuerkreuz oben", "Pad 2: linker Stick links".
std::string PadName(const TPadEingabe& e);
// For the preferences: "1 Knopf 0"; Lesen refuses anything else.
std::string PadText(const TPadEingabe& e);
std::optional<TPadEingabe> PadLesen(const std::string& text);

using TPadSlots = std::array<std::vector<TPadEingabe>, 6>;

struct TPadBelegung {
    std::array<TPadSlots, 2> Spieler;

    // The defaults for a pad: d-pad and left stick move, A lays a bomb, B throws.
    static TPadSlots Standard(std::uint8_t pad);
    // The player (1 or 2) who uses that pad, or 0.
    int SpielerMit(std::uint8_t pad) const;
    // The player and slot (0..5) an input stands for.
    std::optional<std::pair<int, int>> Finde(const TPadEingabe& e) const;
    // Taken by another slot of either player (the warning of the key capture).
    bool AndersBelegt(const TPadEingabe& e, int spieler, int slot) const;
    bool operator==(const TPadBelegung&) const = default;
};

// A pad's raw state: the game controller buttons and the left stick.
struct TPadRoh {
    std::array<bool, 15> Knoepfe{};
    std::int16_t StickX = 0, StickY = 0;
};

// The inputs held now: buttons, d-pad directions, and at most one stick direction, outside the
// dead zone, along the axis pushed further.
std::vector<TPadEingabe> Gehalten(std::uint8_t pad, const TPadRoh& roh);
inline constexpr int kToterBereich = 12000;  // of 32767

// Held inputs repeat as a held key does: at once, then after a delay at a steady rate.
class TPadWiederholung {
  public:
    static constexpr std::uint64_t kVerzoegerung = 500, kAbstand = 33;  // ms
    // The inputs that act at time `jetzt` (ms), given those held now.
    std::vector<TPadEingabe> Schritt(const std::vector<TPadEingabe>& gehalten, std::uint64_t jetzt);

  private:
    struct THalt {
        TPadEingabe E;
        std::uint64_t Naechste;
    };
    std::vector<THalt> halt_;
};
