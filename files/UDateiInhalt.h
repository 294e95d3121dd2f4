// A whole file as bytes, for files kept as they are (the levels inside a recording).
#pragma once

#include <cstddef>
#include <optional>
#include <string>

// None when the file cannot be read or is larger than 'max' bytes.
std::optional<std::string> DateiInhalt(const std::string& pfad, std::size_t max);
