#include <gtest/gtest.h>

#include <map>

#include "hilfen/Brett.h"
#include "model/UPointer.h"
#include "model/USpielRecEinstellungen.h"
#include "model/UZufall.h"

TEST(Spielfeld, IndexPositionUndNachbarn) {
    TSpielfeld f;
    f.ErzeugeFeld(f.Zellenzahl());  // 20 x 16
    EXPECT_EQ(f.IndexVon(0, 1), 21u);
    EXPECT_EQ(f.PositionVon(21), (TPosition{2, 1}));
    EXPECT_EQ(f.PositionVon(320), (TPosition{16, 20}));
    EXPECT_EQ(f.KnotenBei(0), f.ErsterKnoten());
    EXPECT_EQ(f.KnotenBei(321), nullptr);
    EXPECT_EQ(f.IndexVonKnoten(f.KnotenBei(320)), 320u);
    TZelle fremd;
    EXPECT_EQ(f.IndexVonKnoten(&fremd), 321u);
    EXPECT_EQ(f.Verschiebe(45, 3, riOben), 5u);
    EXPECT_EQ(f.Verschiebe(45, 2, 7), 45u);

    const TFeldDaten g = f.HoleFeldDaten();
    // 20 is the end of the row above 21.
    EXPECT_FALSE(HatNachbar(g, 1, riOben) || HatNachbar(g, 1, riLinks) ||
                 HatNachbar(g, 320, riRechts) || HatNachbar(g, 320, riUnten) ||
                 HatNachbar(g, 21, riLinks));
    EXPECT_TRUE(HatNachbar(g, 1, riRechts) && HatNachbar(g, 1, riUnten) &&
                HatNachbar(g, 22, riLinks));
    // Links wrap: only the border test knows that index 20 is not left of 21.
    EXPECT_EQ(f.Nachbar(f.KnotenBei(21), riLinks), f.KnotenBei(20));
    EXPECT_EQ(f.Nachbar(f.KnotenBei(5), riOben), nullptr);
    EXPECT_EQ(f.Nachbar(f.KnotenBei(310), riUnten), nullptr);
    EXPECT_EQ(f.Nachbar(nullptr, riUnten), nullptr);

    // One column wide: never left or right; up only from below the first, down only above the last.
    BrettSetzen(f, {".", ".", ".", ".", "."});
    const TFeldDaten s = f.HoleFeldDaten();
    for (TIndex i = 1; i <= 5; ++i) {
        EXPECT_FALSE(HatNachbar(s, i, riLinks) || HatNachbar(s, i, riRechts)) << i;
        EXPECT_EQ(HatNachbar(s, i, riOben), i != 1) << i;
        EXPECT_EQ(HatNachbar(s, i, riUnten), i != 5) << i;
    }
    EXPECT_EQ(f.Nachbar(f.KnotenBei(3), riUnten), f.KnotenBei(4));
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
    EXPECT_EQ(f.FreieZelle(3), f.KnotenBei(9));
    EXPECT_EQ(f.FreieZelle(0), f.ErsterKnoten());
    EXPECT_EQ(f.FreieZelle(99), nullptr);
    EXPECT_EQ(f.AnzahlFrei(), 8u);
    EXPECT_EQ(f.ErstesWasserBild(), -1);

    const auto nichts = f.FindeSpieler(1);
    EXPECT_EQ(nichts.Knoten, nullptr);
    EXPECT_EQ(nichts.Index, 17u);  // cell count + 1
    f.SetzeZelleBei(12, zaSpieler1ExplosionExtra, 0);
    f.SetzeZelleBei(6, zaSpieler2Bombe, 0);
    EXPECT_EQ(f.FindeSpieler(1).Index, 12u);
    EXPECT_EQ(f.FindeSpieler(2).Index, 6u);
    EXPECT_EQ(f.FindeSpieler(0).Index, 6u);  // any other value means player 2

    f.SetzeZelleBei(14, zaWasser, 3);
    f.SetzeZelleBei(16, zaWasser, 1);
    EXPECT_EQ(f.ErstesWasserBild(), 3);
    // A start cell may be painted again on itself, but not twice on the board.
    f.SetzeZelleBei(1, zaSpieler1, 0);
    EXPECT_FALSE(f.ArtSchonVorhanden(zaSpieler1, 0, 0));
    EXPECT_TRUE(f.ArtSchonVorhanden(zaSpieler1, 1, 0));
    f.LoescheSpielerstart(zaSpieler1);
    EXPECT_EQ(f.KnotenBei(1)->Art, zaFrei);
    f.LoescheFeld();
    EXPECT_TRUE(f.AlleFrei());
    EXPECT_EQ(f.KnotenBei(1), nullptr);
}

TEST(Zellentests, ArtenTabelle) {
    const std::pair<bool (*)(const TZelle*), std::vector<int>> tests[] = {
        {IstFrei, {0}},
        {IstExtra, {16, 17, 18, 19}},
        {IstBegehbar, {0, 16, 17, 18, 19}},
        {HatBombe, {5, 9, 13}},
        {HatExplosion, {6, 7, 10, 11, 14}},
        {IstExplosion, {14}},
        {IstWasser, {3}},
        {IstMauer, {2, 3}},
        {IstSpieler1, {4, 5, 6, 7}},
        {IstSpieler2, {8, 9, 10, 11}}};
    for (int t = 0; const auto& [test, wahr] : tests) {
        for (int art = 0; art < 256; ++art) {
            const TZelle z{static_cast<TZellenArt>(art)};
            EXPECT_EQ(test(&z), std::find(wahr.begin(), wahr.end(), art) != wahr.end())
                << "Test " << t << " Art " << art;
        }
        EXPECT_FALSE(test(nullptr)) << t++;
    }
    TZelle s1{zaSpieler1Bombe};
    EXPECT_TRUE(IstGegner(&s1, 2));
    EXPECT_FALSE(IstGegner(&s1, 1));
    EXPECT_EQ(SpielerVon(zaBombe), 2);
    EXPECT_EQ(NaechsteRichtung(riUnten), riOben);
    EXPECT_EQ(TastenNummer(riLinks), 3);
    EXPECT_EQ(TastenNummer(riUnten), 2);
}

TEST(Extras, ZufallUndVergabe) {
    TZufall z(42);
    TSpielRecEinstellungen e = StandardRecord();
    for (int prozent : {0, 100}) {
        e.ExtraProzent = static_cast<std::uint8_t>(prozent);
        for (int i = 0; i < 500; ++i) ASSERT_EQ(ExtraErscheint(z, e), prozent == 100);
    }
    std::map<TZellenArt, int> zaehler;
    for (int i = 0; i < 8000; ++i) ++zaehler[ZufallsExtra(z)];
    ASSERT_EQ(zaehler.size(), 4u);
    for (auto [art, n] : zaehler) {
        EXPECT_TRUE(IstExtraArt(art));
        EXPECT_NEAR(n, 2000, 200) << int(art);
    }

    TAufgesammelt flags;
    GibExtra(e, 2, zaUnverwundbar, flags);
    EXPECT_TRUE(e.Spieler2.Unverwundbar && flags.Unverwundbar);
    EXPECT_FALSE(flags.Werfen || flags.MehrBomben || flags.Krank || e.Spieler1.Unverwundbar);
    GibExtra(e, 1, zaBombe, flags);  // not an extra: nothing
    EXPECT_EQ(e.Spieler1, StandardRecord().Spieler1);
}
