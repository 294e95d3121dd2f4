#include "files/UKompaktbild.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A picture that needs every code: runs shorter, as long as and longer than one code holds,
// colours seen before, small and larger steps, steps across 0 and 255, and colours of their own.
std::vector<std::uint32_t> Muster() {
    std::vector<std::uint32_t> p;
    for (int n : {1, 61, 62, 63, 130}) p.insert(p.end(), std::size_t(n), 0xff102030u);
    for (int i = 0; i < 300; ++i) {
        const std::uint32_t r = std::uint32_t(i * 7) & 0xff, g = std::uint32_t(i * i) & 0xff;
        p.push_back(0xff000000u | r << 16 | g << 8 | std::uint32_t(255 - i % 256));
        p.push_back(0xff000000u | (r + 1) << 16 | g << 8 | 0x01);         // a small step
        p.push_back(0xff000000u | (r + 9) << 16 | (g + 20) << 8 | 0x08);  // a larger one
        if (i % 5 == 0) p.push_back(0xff102030u);                         // seen before
    }
    p.insert(p.end(), {0xff000000u, 0xffffffffu, 0xff000000u, 0xff00ff00u, 0xffff00ffu});
    return p;
}

}  // namespace

TEST(Kompaktbild, ZurueckWieVorherInStueckenJederGroesse) {
    const std::vector<std::uint32_t> bild = Muster();
    const std::vector<std::uint8_t> daten = KompaktKodieren(bild.data(), bild.size());
    for (std::size_t stueck : {std::size_t(1), std::size_t(7), std::size_t(62), bild.size()}) {
        TKompaktLeser leser(daten.data(), daten.size());
        std::vector<std::uint32_t> aus(bild.size());
        for (std::size_t i = 0; i < aus.size(); i += stueck)
            ASSERT_TRUE(leser.Lesen(aus.data() + i, std::min(stueck, aus.size() - i)));
        EXPECT_EQ(aus, bild) << "in Stücken von " << stueck;
        std::uint32_t danach = 1;
        EXPECT_TRUE(!leser.Lesen(&danach, 1) && danach == 0xff000000u);
    }
}

TEST(Kompaktbild, KurzeOderFremdeDatenWerdenSchwarzStattUeberlesen) {
    const std::vector<std::uint32_t> bild = Muster();
    const std::vector<std::uint8_t> daten = KompaktKodieren(bild.data(), bild.size());
    // Each cut ends the reading inside its bytes (AddressSanitizer watches the copies end).
    for (std::size_t laenge = 0; laenge < daten.size(); ++laenge) {
        const std::vector<std::uint8_t> kurz(daten.begin(), daten.begin() + std::ptrdiff_t(laenge));
        TKompaktLeser leser(kurz.data(), kurz.size());
        std::vector<std::uint32_t> aus(bild.size(), 1);
        EXPECT_FALSE(leser.Lesen(aus.data(), aus.size())) << laenge;
        EXPECT_EQ(aus.back(), 0xff000000u) << laenge;
    }
    const std::uint8_t fremd[] = {0x55, 0xff, 0x55};
    TKompaktLeser leser(fremd, sizeof fremd);
    std::uint32_t aus[3] = {};
    EXPECT_FALSE(leser.Lesen(aus, 3));
    // One step down in each channel from black, wrapped; then black for what is missing.
    EXPECT_TRUE(aus[0] == 0xffffffffu && aus[2] == 0xff000000u);
}
