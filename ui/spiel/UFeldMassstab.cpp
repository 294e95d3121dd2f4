#include "ui/spiel/UFeldMassstab.h"

#include <algorithm>

namespace {
// The design size of the status panel with its margins, and of the window height it needs.
constexpr double kPanelBreite = 223 + 10 + 15, kPanelHoehe = 450 + 25 + 40;
}  // namespace

TFeldMassstab FeldMassstab(QSize flaeche, const TFeldDaten& g) {
    const QSize eigen(g.EinzelBreite, g.EinzelHoehe);
    if (g.SpielBreite == 0 || g.SpielHoehe == 0 || eigen.isEmpty()) return {eigen, false};
    // Grid: (w + 1) x columns + 3 by (h + 1) x rows + 3.
    const double wMax = double(flaeche.width() - 3) / g.SpielBreite - 1;
    const double hMax = double(flaeche.height() - 3) / g.SpielHoehe - 1;
    const double s = std::min(wMax / g.EinzelBreite, hMax / g.EinzelHoehe);
    const QSize zelle(int(s * g.EinzelBreite), int(s * g.EinzelHoehe));
    if (zelle.width() < kKleinsteZelle || zelle.height() < kKleinsteZelle) return {eigen, true};
    return {zelle, false};
}

double PanelFaktor(QSize fenster) {
    const double f = std::min(fenster.height() / kPanelHoehe, fenster.width() / 3.0 / kPanelBreite);
    return std::clamp(f, 1.0, 4.0);
}
