#include "model/UZufall.h"

#include <chrono>

std::uint32_t TZufall::Zufall(std::uint32_t n) {
    if (n == 0) return 0;
    // Rejection sampling keeps the draw uniform and the same on every standard library.
    const std::uint64_t grenze = UINT64_MAX - UINT64_MAX % n;
    std::uint64_t x;
    do x = gen_();
    while (x >= grenze);
    return static_cast<std::uint32_t>(x % n);
}

std::uint64_t SaatAusUhr() {
    return static_cast<std::uint64_t>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count());
}
