// Mazes carved from a fixed seed, as map rows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A maze of walls on the even rows and columns, carved by a depth-first walk from a fixed seed,
// with some walls made bricks (loops once blasted) and a crate in one of 'kisten' dead ends; the
// players in opposite corners. breite and hoehe are odd; kisten is at least 1.
std::vector<std::string> Labyrinth(int breite, int hoehe, std::uint32_t saat, int kisten);
