// Windows-1252 <-> UTF-8, for every string stored in a file.
#pragma once

#include <string>
#include <string_view>

std::string AnsiNachUtf8(std::string_view ansi);
// Characters that Windows-1252 lacks become '?'. Invalid UTF-8 bytes become '?' as well.
std::string Utf8NachAnsi(std::string_view utf8);
// The first character of a UTF-8 text that Windows-1252 cannot hold (as UTF-8), or "" when the
// whole text can be stored as it is.
std::string NichtSpeicherbaresZeichen(std::string_view utf8);
// Number of characters (code points) of a UTF-8 text.
std::size_t Utf8Laenge(std::string_view utf8);
// The first n characters of a UTF-8 text.
std::string Utf8Kuerzen(std::string_view utf8, std::size_t n);
