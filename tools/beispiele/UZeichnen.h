// What the pictures and the bitmaps draw with.
#pragma once

#include <QPainter>
#include <cstdint>

// A small deterministic noise source, so that the pictures come out the same every run.
struct TRauschen {
    std::uint32_t s;
    explicit TRauschen(std::uint32_t saat) : s(saat) {}
    int Zahl(int n) {
        s = s * 1664525u + 1013904223u;
        return int((s >> 8) % std::uint32_t(n));
    }
};

inline void Glatt(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}
