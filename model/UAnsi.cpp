#include "model/UAnsi.h"

#include <cstdint>

namespace {

// 0x80..0x9F; the five holes map to the C1 controls of the same value so that every byte
// survives a round trip.
constexpr char32_t kBereich80[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t ZeichenVon(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) return kBereich80[b - 0x80];
    return b;
}

int AnsiVon(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    for (int i = 0; i < 32; ++i)
        if (kBereich80[i] == c) return 0x80 + i;
    return -1;
}

void Anhaengen(std::string& s, char32_t c) {
    if (c < 0x80) {
        s += static_cast<char>(c);
    } else if (c < 0x800) {
        s += static_cast<char>(0xC0 | (c >> 6));
        s += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (c >> 12));
        s += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes one code point at i and advances i; -1 for a malformed sequence (one byte skipped).
long Dekodiere(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i++]);
    if (b0 < 0x80) return b0;
    int laenge = b0 >= 0xF0 && b0 < 0xF8 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC2 && b0 < 0xE0 ? 1 : -1;
    if (laenge < 0 || b0 >= 0xF8) return -1;
    long c = b0 & (0x3F >> laenge);
    for (int k = 0; k < laenge; ++k) {
        if (i >= s.size() || (static_cast<unsigned char>(s[i]) & 0xC0) != 0x80) return -1;
        c = (c << 6) | (static_cast<unsigned char>(s[i++]) & 0x3F);
    }
    return c;
}

}  // namespace

std::string AnsiNachUtf8(std::string_view ansi) {
    std::string s;
    s.reserve(ansi.size());
    for (char ch : ansi) Anhaengen(s, ZeichenVon(static_cast<unsigned char>(ch)));
    return s;
}

std::string Utf8NachAnsi(std::string_view utf8) {
    std::string s;
    s.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const long c = Dekodiere(utf8, i);
        const int a = c < 0 ? -1 : AnsiVon(static_cast<char32_t>(c));
        s += a < 0 ? '?' : static_cast<char>(a);
    }
    return s;
}

std::string NichtSpeicherbaresZeichen(std::string_view utf8) {
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const long c = Dekodiere(utf8, i);
        if (c < 0 || AnsiVon(static_cast<char32_t>(c)) < 0)
            return std::string(utf8.substr(start, i - start));
    }
    return {};
}

std::size_t Utf8Laenge(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        Dekodiere(utf8, i);
        ++n;
    }
    return n;
}

std::string Utf8Kuerzen(std::string_view utf8, std::size_t n) {
    std::size_t i = 0;
    for (std::size_t k = 0; k < n && i < utf8.size(); ++k) Dekodiere(utf8, i);
    return std::string(utf8.substr(0, i));
}
