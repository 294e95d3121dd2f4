#include "pad/UPadBelegung.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace {

constexpr const char* kKnopfNamen[15] = {"A",
                                         "B",
                                         "X",
                                         "Y",
                                         "Zurück",
                                         "Guide",
                                         "Start",
                                         "linker Stick gedrückt",
                                         "rechter Stick gedrückt",
                                         "LB",
                                         "RB",
                                         "Steuerkreuz oben",
                                         "Steuerkreuz unten",
                                         "Steuerkreuz links",
                                         "Steuerkreuz rechts"};
constexpr const char* kRichtungen[4] = {"oben", "unten", "links", "rechts"};
constexpr const char* kArten[3] = {"Knopf", "Kreuz", "Stick"};
// SDL's game controller buttons 11 to 14 are the d-pad.
constexpr int kKreuzKnopf = 11;

}  // namespace

std::string PadName(const TPadEingabe& e) {
    std::string n = "Pad " + std::to_string(e.Pad) + ": ";
    const int nr = std::min<int>(e.Nr, e.Art == TPadArt::Knopf ? 14 : 3);
    switch (e.Art) {
        case TPadArt::Knopf:
            return n + kKnopfNamen[nr];
        case TPadArt::Kreuz:
            return n + "Steuerkreuz " + kRichtungen[nr];
        case TPadArt::Stick:
            return n + "linker Stick " + kRichtungen[nr];
    }
    return n;
}

std::string PadText(const TPadEingabe& e) {
    return std::to_string(e.Pad) + " " + kArten[int(e.Art)] + " " + std::to_string(e.Nr);
}

std::optional<TPadEingabe> PadLesen(const std::string& text) {
    std::istringstream s(text);
    int pad = 0, nr = -1;
    std::string art;
    if (!(s >> pad >> art >> nr) || !(s >> std::ws).eof()) return std::nullopt;
    TPadEingabe e;
    for (int a = 0; a < 3; ++a)
        if (art == kArten[a]) e.Art = TPadArt(a);
    if (art != kArten[int(e.Art)] || pad < 1 || pad > 2 || nr < 0) return std::nullopt;
    if (nr > (e.Art == TPadArt::Knopf ? kKreuzKnopf - 1 : 3)) return std::nullopt;
    e.Pad = std::uint8_t(pad);
    e.Nr = std::uint8_t(nr);
    return e;
}

TPadSlots TPadBelegung::Standard(std::uint8_t pad) {
    TPadSlots s;
    for (std::uint8_t r = 0; r < 4; ++r)
        s[r] = {{pad, TPadArt::Kreuz, r}, {pad, TPadArt::Stick, r}};
    s[4] = {{pad, TPadArt::Knopf, 0}};  // A
    s[5] = {{pad, TPadArt::Knopf, 1}};  // B
    return s;
}

int TPadBelegung::SpielerMit(std::uint8_t pad) const {
    for (int p = 0; p < 2; ++p)
        for (const auto& slot : Spieler[std::size_t(p)])
            for (const auto& e : slot)
                if (e.Pad == pad) return p + 1;
    return 0;
}

std::optional<std::pair<int, int>> TPadBelegung::Finde(const TPadEingabe& e) const {
    for (int p = 0; p < 2; ++p)
        for (int slot = 0; slot < 6; ++slot) {
            const auto& v = Spieler[std::size_t(p)][std::size_t(slot)];
            if (std::find(v.begin(), v.end(), e) != v.end()) return std::pair{p + 1, slot};
        }
    return std::nullopt;
}

bool TPadBelegung::AndersBelegt(const TPadEingabe& e, int spieler, int slot) const {
    const auto wo = Finde(e);
    return wo && *wo != std::pair{spieler, slot};
}

std::vector<TPadEingabe> Gehalten(std::uint8_t pad, const TPadRoh& roh) {
    std::vector<TPadEingabe> v;
    for (int k = 0; k < 15; ++k) {
        if (!roh.Knoepfe[std::size_t(k)]) continue;
        if (k >= kKreuzKnopf)
            v.push_back({pad, TPadArt::Kreuz, std::uint8_t(k - kKreuzKnopf)});
        else
            v.push_back({pad, TPadArt::Knopf, std::uint8_t(k)});
    }
    const int x = roh.StickX, y = roh.StickY;
    if (std::max(std::abs(x), std::abs(y)) > kToterBereich) {
        // SDL's y axis points down.
        const std::uint8_t r = std::abs(y) >= std::abs(x) ? (y < 0 ? 0 : 1) : (x < 0 ? 2 : 3);
        v.push_back({pad, TPadArt::Stick, r});
    }
    return v;
}

std::vector<TPadEingabe> TPadWiederholung::Schritt(const std::vector<TPadEingabe>& gehalten,
                                                   std::uint64_t jetzt) {
    std::erase_if(halt_, [&](const THalt& h) {
        return std::find(gehalten.begin(), gehalten.end(), h.E) == gehalten.end();
    });
    std::vector<TPadEingabe> aus;
    for (const TPadEingabe& e : gehalten) {
        auto h = std::find_if(halt_.begin(), halt_.end(), [&](const THalt& x) { return x.E == e; });
        if (h == halt_.end()) {
            aus.push_back(e);
            halt_.push_back({e, jetzt + kVerzoegerung});
        } else if (jetzt >= h->Naechste) {
            aus.push_back(e);
            h->Naechste = jetzt + kAbstand;
        }
    }
    return aus;
}
