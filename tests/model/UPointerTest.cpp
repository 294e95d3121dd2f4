#include <gtest/gtest.h>

#include <map>

#include "hilfen/Brett.h"
#include "model/UPointer.h"
#include "model/USpielRecEinstellungen.h"
#include "model/UZufall.h"

TEST(Spielfeld, IndexPositionUndNachbarn) {
    // The default geometry, also when set anew: 20 x 16 cells of 40 x 40 pixels, green lines.
    const TFeldDaten standard{"", 20, 16, 40, 40, 0x008000};
    TSpielfeld f;
    EXPECT_EQ(f.HoleFeldDaten(), standard);
    f.SetzeFeldGroesse(1, 2, 3, 4, 5);
    f.SetzeStandardGroesse();
    EXPECT_EQ(f.HoleFeldDaten(), standard);
    f.ErzeugeFeld(f.Zellenzahl());
    EXPECT_TRUE(f.IndexVon(0, 1) == 21 && f.PositionVon(320) == (TPosition{16, 20}) &&
                f.Verschiebe(45, 3, riOben) == 5);

    const TFeldDaten g = f.HoleFeldDaten();
    // 20 is the end of the row above 21: links wrap, only the border test knows.
    EXPECT_FALSE(HatNachbar(g, 1, riOben) || HatNachbar(g, 320, riRechts) ||
                 HatNachbar(g, 320, riUnten) || HatNachbar(g, 21, riLinks));
    EXPECT_TRUE(HatNachbar(g, 1, riRechts) && HatNachbar(g, 22, riLinks));
    EXPECT_EQ(f.Nachbar(f.KnotenBei(21), riLinks), f.KnotenBei(20));

    // One column wide: never left or right; up only from below the first, down only above the last.
    BrettSetzen(f, {".", ".", "."});
    const TFeldDaten s = f.HoleFeldDaten();
    for (TIndex i = 1; i <= 3; ++i) {
        EXPECT_FALSE(HatNachbar(s, i, riLinks) || HatNachbar(s, i, riRechts)) << i;
        EXPECT_EQ(HatNachbar(s, i, riOben), i != 1) << i;
        EXPECT_EQ(HatNachbar(s, i, riUnten), i != 3) << i;
    }
    // No geometry at all: no neighbours, nothing divides by zero.
    TFeldDaten leer = s;
    leer.SpielBreite = 0;
    EXPECT_FALSE(HatNachbar(leer, 1, riRechts));
    f.SetzeFeldDaten(leer);
    EXPECT_EQ(f.PositionVon(3), TPosition{});
}

TEST(Spielfeld, Suchen) {
    TSpielfeld f;
    BrettSetzen(f, {"#.##.###", ".#.+...."});  // free at 2, 5, 9, 11, ...
    EXPECT_TRUE(f.FreieZelle(3) == f.KnotenBei(9) && !f.FreieZelle(99) && f.AnzahlFrei() == 8);

    EXPECT_EQ(f.FindeSpieler(1).Index, 17u);  // none: cell count + 1
    f.SetzeZelleBei(12, zaSpieler1ExplosionExtra, 0);
    f.SetzeZelleBei(6, zaSpieler2Bombe, 0);
    EXPECT_TRUE(f.FindeSpieler(1).Index == 12 && f.FindeSpieler(2).Index == 6);

    f.SetzeZelleBei(14, zaWasser, 3);
    f.SetzeZelleBei(16, zaWasser, 1);
    EXPECT_EQ(f.ErstesWasserBild(), 3);
    // A start cell may be painted again on itself, but not twice on the board.
    f.SetzeZelleBei(1, zaSpieler1, 0);
    EXPECT_TRUE(!f.ArtSchonVorhanden(zaSpieler1, 0, 0) && f.ArtSchonVorhanden(zaSpieler1, 1, 0));
}

TEST(Zellentests, ArtenTabelle) {
    // clang-format off
    const std::pair<bool (*)(const TZelle*), std::vector<int>> tests[] = {
        {IstFrei, {0}}, {IstExtra, {16, 17, 18, 19}}, {IstBegehbar, {0, 16, 17, 18, 19}},
        {HatBombe, {5, 9, 13}}, {HatExplosion, {6, 7, 10, 11, 14}}, {IstExplosion, {14}},
        {IstWasser, {3}}, {IstMauer, {2, 3}}, {IstSpieler1, {4, 5, 6, 7}},
        {IstSpieler2, {8, 9, 10, 11}}};
    // clang-format on
    for (int t = 0; const auto& [test, wahr] : tests) {
        for (int art = 0; art < 256; ++art) {
            const TZelle z{static_cast<TZellenArt>(art)};
            EXPECT_EQ(test(&z), std::find(wahr.begin(), wahr.end(), art) != wahr.end())
                << "Test " << t << " Art " << art;
        }
        EXPECT_FALSE(test(nullptr)) << t++;
    }
}

TEST(Extras, ErscheinenNachProzentUndGleichverteilt) {
    TZufall z(42);
    TSpielRecEinstellungen e = StandardRecord();
    for (int prozent : {0, 100}) {
        e.ExtraProzent = static_cast<std::uint8_t>(prozent);
        for (int i = 0; i < 500; ++i) ASSERT_EQ(ExtraErscheint(z, e), prozent == 100);
    }
    std::map<TZellenArt, int> zaehler;
    for (int i = 0; i < 8000; ++i) ++zaehler[ZufallsExtra(z)];
    ASSERT_EQ(zaehler.size(), 4u);
    for (auto [art, n] : zaehler) EXPECT_NEAR(n, 2000, 200) << int(art);
}
