#include "transport/UNetzBetrieb.h"

#include <algorithm>
#include <chrono>

std::uint64_t WandMs() {
    return std::uint64_t(std::chrono::duration_cast<std::chrono::milliseconds>(
                             std::chrono::steady_clock::now().time_since_epoch())
                             .count());
}

void NetzBedienen(TEnetTransport& t, TNetzSitzung& s, int warteMs) {
    const bool ohneSpieldaten = !s.Seite();
    std::vector<TTransportEreignis> ereignisse = t.Dienen(warteMs);
    const std::uint64_t wand = WandMs();
    for (TTransportEreignis& e : ereignisse) {
        using enum TTransportEreignis::TArt;
        if (e.Art == Verbunden) {
            // The input delay follows the round trip measured during the connection's start.
            if (s.Gastgeber())
                s.Optionen().Verzoegerung =
                    std::clamp<std::uint32_t>(t.Rtt() / 2 + 2 * t.RttStreuung() + 16, 30, 200);
            s.Verbunden(wand);
        } else if (e.Art == Daten) {
            s.Empfangen(e.Kanal, e.Daten, wand);
        } else {
            s.Getrennt();
        }
    }
    // The guest takes one large packet, the match data; nothing that large after it.
    if (ohneSpieldaten && s.Seite() && !s.Gastgeber()) t.KleinePakete();
    s.Schritt(wand);
    for (const TNetzPaket& p : s.Ausgang()) t.Senden(p.Kanal, p.Daten);
}
