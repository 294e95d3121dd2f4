#include "editor/UEditorEinstellungen.h"

#include <algorithm>

namespace {

std::uint16_t Begrenzt(std::uint16_t wert, std::uint16_t min, std::uint16_t max) {
    return std::clamp(wert, min, max);
}

}  // namespace

void TEditorEinstellungen::Set_Einstellungen(const TFeldDaten& d) {
    EinzelHoehe = Begrenzt(d.EinzelHoehe, kEinzelMin, kEinzelMax);
    EinzelBreite = Begrenzt(d.EinzelBreite, kEinzelMin, kEinzelMax);
    SpielHoehe = Begrenzt(d.SpielHoehe, kSpielMin, kSpielMax);
    SpielBreite = Begrenzt(d.SpielBreite, kSpielMin, kSpielMax);
    Farbe = d.Farbe;
}

bool TEditorEinstellungen::GroesseGleich(const TFeldDaten& d) const {
    return SpielHoehe == d.SpielHoehe && SpielBreite == d.SpielBreite &&
           EinzelHoehe == d.EinzelHoehe && EinzelBreite == d.EinzelBreite;
}

TFeldDaten TEditorEinstellungen::Uebernehmen(TFeldDaten d) const {
    d.EinzelHoehe = EinzelHoehe;
    d.EinzelBreite = EinzelBreite;
    d.SpielHoehe = SpielHoehe;
    d.SpielBreite = SpielBreite;
    d.Farbe = Farbe;
    return d;
}
