// A compact, lossless form for opaque pictures that decodes at a few instructions a pixel, row
// by row: the main menu draws its title from it without ever holding the decoded picture.
//
// Pixels are 0xffRRGGBB. The bytes are a sequence of codes, each against the previous pixel
// (at first opaque black) and a table of 64 colours seen before, placed by a hash:
//   00iiiiii          the colour at table index i
//   01rrggbb          each channel differs by r-2, g-2, b-2
//   10gggggg rrrrbbbb green differs by g-32, red by g-32+r-8, blue by g-32+b-8
//   11nnnnnn          the previous pixel n+1 times more (n at most 61)
//   11111110 r g b    a colour of its own
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

std::vector<std::uint8_t> KompaktKodieren(const std::uint32_t* pixel, std::size_t anzahl);

class TKompaktLeser {
  public:
    TKompaktLeser(const std::uint8_t* daten, std::size_t laenge)
        : daten_(daten), ende_(daten + laenge) {}
    // The next anzahl pixels; false when the data ends before them or holds an unknown code
    // (what could not be read is then black).
    bool Lesen(std::uint32_t* ziel, std::size_t anzahl);

  private:
    const std::uint8_t* daten_;
    const std::uint8_t* ende_;
    std::uint32_t tabelle_[64] = {};
    std::uint32_t letzter_ = 0xff000000u;
    unsigned wiederholungen_ = 0;
};
