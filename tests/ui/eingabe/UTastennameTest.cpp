#include "ui/eingabe/UTastenname.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

TEST(UTastenname, TastenNameJedesCodes) {
    // The whole name table: several codes share a name; the letters come both ways.
    // clang-format off
    const std::pair<const char*, std::vector<int>> namen[] = {
        {"löschen", {8}}, {"Return", {13}}, {"Shift", {16}}, {"Strg / Alt Gr", {17}}, {"Alt", {18}},
        {"Pause", {19}}, {"Shiftlock", {20}}, {"Esc", {27}}, {"Space", {32, 160}},
        {"1 / Seite nach oben", {33, 49}}, {"2 / Seite nach unten", {34, 50}}, {"Ende", {35}},
        {"Pos1", {36}}, {"5 / Pfeil nach links", {37, 53}}, {"6 / Pfeil nach oben", {38, 54}},
        {"7 / Pfeil nach rechts", {39, 55, 123}}, {"8 / Pfeil nach unten", {40, 56, 91}},
        {"9", {41, 57, 93}}, {"*", {42}}, {"+", {43, 126, 187}}, {",", {44, 188}}, {"Einfg", {45}},
        {"Entf", {46}}, {"/", {47}}, {"0", {48, 61}}, {"3", {51}}, {"4", {52}}, {":", {58}},
        {";", {59}}, {"<", {60, 62, 124}}, {"?", {63, 92}}, {"@", {64}}, {"^", {94}},
        {"-", {95, 198}}, {"#", {96, 191}}, {"Numlock", {144}}, {"ü", {186}}, {".", {190}},
        {"ö", {192}}, {"ß", {219}}, {"´", {221}}, {"ä", {222}}};
    // clang-format on
    std::map<int, std::string> soll;
    for (const auto& [name, codes] : namen)
        for (int c : codes) soll[c] = name;
    for (int i = 0; i < 26; ++i) soll[65 + i] = soll[97 + i] = std::string(1, char('a' + i));
    for (int c = 0; c <= 0xFFFF; ++c) EXPECT_EQ(TastenName(std::uint16_t(c)), soll[c]) << c;
}
