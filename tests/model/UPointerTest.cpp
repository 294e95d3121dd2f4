#include <gtest/gtest.h>

#include <map>

#include "hilfen/Brett.h"
#include "model/UPointer.h"
#include "model/USpielRecEinstellungen.h"
#include "model/UZufall.h"

namespace {

TSpielfeld Standardbrett() {
    TSpielfeld f;
    f.ErzeugeFeld(f.Zellenzahl());
    return f;
}

}  // namespace

TEST(Spielfeld, IndexUndPosition) {
    TSpielfeld f = Standardbrett();
    EXPECT_EQ(f.Zellenzahl(), 320u);
    EXPECT_EQ(f.IndexVon(0, 1), 21u);
    EXPECT_EQ(f.PositionVon(21), (TPosition{2, 1}));
    EXPECT_EQ(f.PositionVon(320), (TPosition{16, 20}));
    EXPECT_EQ(f.KnotenBei(0), f.ErsterKnoten());
    EXPECT_EQ(f.KnotenBei(1), f.ErsterKnoten());
    EXPECT_EQ(f.KnotenBei(321), nullptr);
    EXPECT_EQ(f.IndexVonKnoten(f.KnotenBei(320)), 320u);
    TZelle fremd;
    EXPECT_EQ(f.IndexVonKnoten(&fremd), 321u);
    EXPECT_EQ(f.Verschiebe(45, 3, riOben), 5u);
    EXPECT_EQ(f.Verschiebe(45, 1, riRechts), 45u);
    EXPECT_EQ(f.Verschiebe(45, 2, 7), 45u);
}

TEST(Spielfeld, NachbarnUndRaender) {
    TSpielfeld f = Standardbrett();
    const TFeldDaten g = f.HoleFeldDaten();
    EXPECT_FALSE(HatNachbar(g, 1, riOben));
    EXPECT_FALSE(HatNachbar(g, 1, riLinks));
    EXPECT_TRUE(HatNachbar(g, 1, riRechts));
    EXPECT_TRUE(HatNachbar(g, 1, riUnten));
    EXPECT_FALSE(HatNachbar(g, 320, riRechts));
    EXPECT_FALSE(HatNachbar(g, 320, riUnten));
    EXPECT_TRUE(HatNachbar(g, 320, 9));
    // Links wrap: only the border test knows that index 20 is not left of 21.
    EXPECT_EQ(f.Nachbar(f.KnotenBei(21), riLinks), f.KnotenBei(20));
    EXPECT_FALSE(HatNachbar(g, 21, riLinks));
    EXPECT_EQ(f.Nachbar(f.KnotenBei(5), riOben), nullptr);
    EXPECT_EQ(f.Nachbar(f.KnotenBei(310), riUnten), nullptr);
    EXPECT_EQ(f.Nachbar(nullptr, riUnten), nullptr);

    // One column wide: never left or right; up only from below the first, down only above the last.
    f.SetzeFeldGroesse(40, 40, 5, 1, clGruen);
    f.LoescheFeld();
    f.ErzeugeFeld(5);
    const TFeldDaten s = f.HoleFeldDaten();
    for (TIndex i = 1; i <= 5; ++i) {
        EXPECT_FALSE(HatNachbar(s, i, riLinks)) << i;
        EXPECT_FALSE(HatNachbar(s, i, riRechts)) << i;
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

    auto nichts = f.FindeSpieler(1);
    EXPECT_EQ(nichts.Knoten, nullptr);
    EXPECT_EQ(nichts.Index, 17u);
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

    f.LeereFeld();
    EXPECT_TRUE(f.AlleFrei());
    f.LoescheFeld();
    EXPECT_TRUE(f.AlleFrei());
    EXPECT_EQ(f.ErsterKnoten(), nullptr);
    EXPECT_EQ(f.KnotenBei(1), nullptr);
}

TEST(Spielfeld, ZellenSchreibenLoeschtNeu) {
    TSpielfeld f = Standardbrett();
    TKnoten k = f.KnotenBei(7);
    TSpielfeld::SetzeZellenDaten(k, {zaWasser, 2, true});
    EXPECT_TRUE(k->Neu);
    TSpielfeld::SetzeZelle(k, zaWasser, 2);
    EXPECT_FALSE(k->Neu);
    TSpielfeld::SetzeZelle(nullptr, zaWasser, 2);  // none: nothing happens
}

TEST(Zellentests, ArtenTabelle) {
    const std::map<const char*, bool (*)(const TZelle*)> tests = {
        {"frei", IstFrei},     {"extra", IstExtra},        {"begehbar", IstBegehbar},
        {"bombe", HatBombe},   {"hatexplo", HatExplosion}, {"explo", IstExplosion},
        {"wasser", IstWasser}, {"mauer", IstMauer},        {"s1", IstSpieler1},
        {"s2", IstSpieler2}};
    const std::map<std::string, std::vector<int>> wahr = {{"frei", {0}},
                                                          {"extra", {16, 17, 18, 19}},
                                                          {"begehbar", {0, 16, 17, 18, 19}},
                                                          {"bombe", {5, 9, 13}},
                                                          {"hatexplo", {6, 7, 10, 11, 14}},
                                                          {"explo", {14}},
                                                          {"wasser", {3}},
                                                          {"mauer", {2, 3}},
                                                          {"s1", {4, 5, 6, 7}},
                                                          {"s2", {8, 9, 10, 11}}};
    for (const auto& [name, test] : tests) {
        const auto& liste = wahr.at(name);
        for (int art = 0; art < 256; ++art) {
            TZelle z{static_cast<TZellenArt>(art)};
            const bool erwartet = std::find(liste.begin(), liste.end(), art) != liste.end();
            EXPECT_EQ(test(&z), erwartet) << name << " " << art;
        }
        EXPECT_FALSE(test(nullptr)) << name;
    }
    TZelle s1{zaSpieler1Bombe};
    EXPECT_TRUE(IstGegner(&s1, 2));
    EXPECT_FALSE(IstGegner(&s1, 1));
    EXPECT_EQ(SpielerVon(zaSpieler1ExplosionExtra), 1);
    EXPECT_EQ(SpielerVon(zaBombe), 2);
    EXPECT_EQ(NaechsteRichtung(riUnten), riOben);
    EXPECT_EQ(TastenNummer(riLinks), 3);
    EXPECT_EQ(TastenNummer(riUnten), 2);
}

TEST(Extras, ZufallUndVergabe) {
    TZufall z(42);
    TSpielRecEinstellungen e = StandardRecord();
    e.ExtraProzent = 0;
    for (int i = 0; i < 500; ++i) EXPECT_FALSE(ExtraErscheint(z, e));
    e.ExtraProzent = 100;
    for (int i = 0; i < 500; ++i) EXPECT_TRUE(ExtraErscheint(z, e));

    std::map<TZellenArt, int> zaehler;
    for (int i = 0; i < 8000; ++i) ++zaehler[ZufallsExtra(z)];
    ASSERT_EQ(zaehler.size(), 4u);
    for (auto [art, n] : zaehler) {
        EXPECT_TRUE(IstExtraArt(art));
        EXPECT_NEAR(n, 2000, 200) << int(art);
    }

    TAufgesammelt flags;
    GibExtra(e, 2, zaUnverwundbar, flags);
    EXPECT_TRUE(e.Spieler2.Unverwundbar);
    EXPECT_TRUE(flags.Unverwundbar);
    EXPECT_FALSE(flags.Werfen || flags.MehrBomben || flags.Krank || e.Spieler1.Unverwundbar);
    GibExtra(e, 1, zaBombe, flags);  // not an extra: nothing
    EXPECT_EQ(e.Spieler1, StandardRecord().Spieler1);
}
