// The size and colour part of the field geometry, as the editor settings dialog holds it.
#pragma once

#include <cstdint>

#include "model/UTyp.h"

struct TEditorEinstellungen {
    // The dialog's ranges, in force from program start on.
    static constexpr std::uint16_t kEinzelMin = 10;
    static constexpr std::uint16_t kEinzelMax = 100;
    static constexpr std::uint16_t kSpielMin = 3;
    static constexpr std::uint16_t kSpielMax = 25;

    std::uint16_t EinzelHoehe = 40;
    std::uint16_t EinzelBreite = 40;
    std::uint16_t SpielHoehe = 16;
    std::uint16_t SpielBreite = 20;
    std::uint32_t Farbe = clGruen;

    // "Standardwerte".
    void Reset() { *this = TEditorEinstellungen{}; }
    // Loads a geometry; a value outside its range is taken as the nearest bound, so a level
    // written elsewhere with 30 columns shows 25.
    void Set_Einstellungen(const TFeldDaten& d);
    // Cell size and field size equal those of d (the colour does not count).
    bool GroesseGleich(const TFeldDaten& d) const;
    // d with the five values taken over; the name stays.
    TFeldDaten Uebernehmen(TFeldDaten d) const;

    bool operator==(const TEditorEinstellungen&) const = default;
};
