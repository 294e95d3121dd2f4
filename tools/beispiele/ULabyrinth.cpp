#include "tools/beispiele/ULabyrinth.h"

#include <utility>

std::vector<std::string> Labyrinth(int breite, int hoehe, std::uint32_t saat, int kisten) {
    std::vector<std::string> z(std::size_t(hoehe), std::string(std::size_t(breite), '#'));
    std::uint32_t x = saat;
    auto zufall = [&](std::uint32_t n) {
        x = x * 1664525u + 1013904223u;
        return (x >> 16) % n;
    };
    auto zelle = [&](int r, int c) -> char& { return z[std::size_t(r)][std::size_t(c)]; };
    std::vector<std::pair<int, int>> stapel{{0, 0}};
    zelle(0, 0) = '.';
    const int dr[4] = {-2, 0, 0, 2}, dc[4] = {0, -2, 2, 0};
    while (!stapel.empty()) {
        const auto [r, c] = stapel.back();
        int wege[4], n = 0;
        for (int i = 0; i < 4; ++i) {
            const int rr = r + dr[i], cc = c + dc[i];
            if (rr >= 0 && rr < hoehe && cc >= 0 && cc < breite && zelle(rr, cc) == '#')
                wege[n++] = i;
        }
        if (n == 0) {
            stapel.pop_back();
            continue;
        }
        const int i = wege[zufall(std::uint32_t(n))];
        zelle(r + dr[i] / 2, c + dc[i] / 2) = '.';
        zelle(r + dr[i], c + dc[i]) = '.';
        stapel.push_back({r + dr[i], c + dc[i]});
    }
    // Loops: a wall between two corridors becomes a crate now and then.
    for (int r = 1; r + 1 < hoehe; ++r)
        for (int c = 1; c + 1 < breite; ++c)
            if (zelle(r, c) == '#' && (r + c) % 2 == 1 && zufall(6) == 0) zelle(r, c) = '%';
    // Crates only in dead ends, where they close no way: a slow player cannot get away from a
    // bomb in a corridor.
    for (int r = 0; r < hoehe; ++r)
        for (int c = 0; c < breite; ++c) {
            if (zelle(r, c) != '.' || r + c <= 3 || (hoehe - r) + (breite - c) <= 5) continue;
            int offen = 0;
            for (int i = 0; i < 4; ++i) {
                const int rr = r + dr[i] / 2, cc = c + dc[i] / 2;
                offen += rr >= 0 && rr < hoehe && cc >= 0 && cc < breite && zelle(rr, cc) != '#';
            }
            if (offen == 1 && zufall(std::uint32_t(kisten)) == 0) zelle(r, c) = '+';
        }
    zelle(0, 0) = '1';
    zelle(hoehe - 1, breite - 1) = '2';
    return z;
}
