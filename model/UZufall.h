// The one random source of the program.
#pragma once

#include <cstdint>
#include <random>

class TZufall {
  public:
    explicit TZufall(std::uint64_t saat = 1) : gen_(saat) {}
    void Saeen(std::uint64_t saat) { gen_.seed(saat); }

    // A uniform whole number from 0 to n - 1; 0 when n is 0.
    std::uint32_t Zufall(std::uint32_t n);
    // The next raw draw, without taking it: two sources that agree here are in the same state.
    std::uint64_t Vorschau() const {
        std::mt19937_64 kopie = gen_;
        return kopie();
    }

  private:
    std::mt19937_64 gen_;
};

std::uint64_t SaatAusUhr();
