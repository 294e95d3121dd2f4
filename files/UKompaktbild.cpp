#include "files/UKompaktbild.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kFarbe = 0xfe;
constexpr unsigned kLaengsterLauf = 62;

unsigned Platz(std::uint32_t p) {
    const unsigned r = (p >> 16) & 0xff, g = (p >> 8) & 0xff, b = p & 0xff;
    return (r * 3 + g * 5 + b * 7 + 255 * 11) % 64;
}

std::uint32_t Pixel(int r, int g, int b) {
    return 0xff000000u | (std::uint32_t(r & 0xff) << 16) | (std::uint32_t(g & 0xff) << 8) |
           std::uint32_t(b & 0xff);
}

}  // namespace

std::vector<std::uint8_t> KompaktKodieren(const std::uint32_t* pixel, std::size_t anzahl) {
    std::vector<std::uint8_t> aus;
    std::uint32_t tabelle[64] = {};
    std::uint32_t letzter = 0xff000000u;
    unsigned lauf = 0;
    for (std::size_t i = 0; i < anzahl; ++i) {
        const std::uint32_t p = pixel[i] | 0xff000000u;
        if (p == letzter) {
            if (++lauf == kLaengsterLauf) {
                aus.push_back(std::uint8_t(0xc0 | (lauf - 1)));
                lauf = 0;
            }
            continue;
        }
        if (lauf > 0) {
            aus.push_back(std::uint8_t(0xc0 | (lauf - 1)));
            lauf = 0;
        }
        const unsigned platz = Platz(p);
        if (tabelle[platz] == p) {
            aus.push_back(std::uint8_t(platz));
        } else {
            tabelle[platz] = p;
            const int dr = int((p >> 16) & 0xff) - int((letzter >> 16) & 0xff);
            const int dg = int((p >> 8) & 0xff) - int((letzter >> 8) & 0xff);
            const int db = int(p & 0xff) - int(letzter & 0xff);
            const int rg = dr - dg, bg = db - dg;
            if (dr >= -2 && dr <= 1 && dg >= -2 && dg <= 1 && db >= -2 && db <= 1) {
                aus.push_back(std::uint8_t(0x40 | (dr + 2) << 4 | (dg + 2) << 2 | (db + 2)));
            } else if (dg >= -32 && dg <= 31 && rg >= -8 && rg <= 7 && bg >= -8 && bg <= 7) {
                aus.push_back(std::uint8_t(0x80 | (dg + 32)));
                aus.push_back(std::uint8_t((rg + 8) << 4 | (bg + 8)));
            } else {
                aus.insert(aus.end(),
                           {kFarbe, std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
            }
        }
        letzter = p;
    }
    if (lauf > 0) aus.push_back(std::uint8_t(0xc0 | (lauf - 1)));
    return aus;
}

bool TKompaktLeser::Lesen(std::uint32_t* ziel, std::size_t anzahl) {
    std::size_t i = 0;
    while (i < anzahl) {
        if (wiederholungen_ > 0) {
            const std::size_t n = std::min<std::size_t>(wiederholungen_, anzahl - i);
            std::fill_n(ziel + i, n, letzter_);
            i += n;
            wiederholungen_ -= unsigned(n);
            continue;
        }
        if (daten_ == ende_) break;
        const std::uint8_t c = *daten_++;
        std::uint32_t p = letzter_;
        const int r = int((p >> 16) & 0xff), g = int((p >> 8) & 0xff), b = int(p & 0xff);
        if (c == kFarbe) {
            if (ende_ - daten_ < 3) break;
            p = Pixel(daten_[0], daten_[1], daten_[2]);
            daten_ += 3;
        } else if (c == 0xff) {
            break;
        } else if ((c & 0xc0) == 0xc0) {
            wiederholungen_ = (c & 0x3f) + 1u;
            continue;
        } else if ((c & 0xc0) == 0x00) {
            p = tabelle_[c] | 0xff000000u;
        } else if ((c & 0xc0) == 0x40) {
            p = Pixel(r + ((c >> 4) & 3) - 2, g + ((c >> 2) & 3) - 2, b + (c & 3) - 2);
        } else {
            if (daten_ == ende_) break;
            const int dg = (c & 0x3f) - 32, d = *daten_++;
            p = Pixel(r + dg + (d >> 4) - 8, g + dg, b + dg + (d & 15) - 8);
        }
        tabelle_[Platz(p)] = p;
        letzter_ = p;
        ziel[i++] = p;
    }
    std::fill(ziel + i, ziel + anzahl, 0xff000000u);
    return i == anzahl;
}
