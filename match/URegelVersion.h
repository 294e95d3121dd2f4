// The version of the match rules. Two programs play one match together only with the same
// version, so it goes up with every change that can make a match end differently.
#pragma once

#include <cstdint>

inline constexpr std::uint32_t kRegelVersion = 2;
