// Pad inputs: names, stored form, conflicts, dead zone and repetition.
#include <gtest/gtest.h>

#include "pad/UPadBelegung.h"
#include "pad/UPadGeraete.h"

namespace {
constexpr TPadArt Knopf = TPadArt::Knopf, Kreuz = TPadArt::Kreuz, Stick = TPadArt::Stick;
}

TEST(PadBelegung, NamenTextUndKonflikte) {
    // Every name; the buttons in the game controller's numbering.
    // clang-format off
    const std::string knoepfe[] = {"A", "B", "X", "Y", "Zurück", "Guide", "Start",
        "linker Stick gedrückt", "rechter Stick gedrückt", "LB", "RB"};
    // clang-format on
    const std::string richtungen[] = {"oben", "unten", "links", "rechts"};
    for (std::uint8_t i = 0; i < 11; ++i) EXPECT_EQ(PadName({2, Knopf, i}), "Pad 2: " + knoepfe[i]);
    for (std::uint8_t i = 0; i < 4; ++i)
        EXPECT_EQ(PadName({1, Kreuz, i}) + PadName({2, Stick, i}),
                  "Pad 1: Steuerkreuz " + richtungen[i] + "Pad 2: linker Stick " + richtungen[i]);
    for (const TPadEingabe e : {TPadEingabe{1, Knopf, 0}, {2, Stick, 3}, {2, Kreuz, 1}})
        EXPECT_EQ(PadLesen(PadText(e)), e) << PadText(e);
    for (const char* kaputt :
         {"", "3 Knopf 0", "1 Knopf 11", "1 Kreuz 4", "1 Tast 0", "1 Knopf 0 x"})
        EXPECT_FALSE(PadLesen(kaputt)) << kaputt;

    TPadBelegung b;
    b.Spieler[1] = TPadBelegung::Standard(1);
    EXPECT_TRUE(b.SpielerMit(1) == 2 && b.SpielerMit(2) == 0);
    EXPECT_EQ(b.Finde({1, Stick, 3}), (std::pair{2, 3}));
    EXPECT_TRUE(b.Finde({1, Knopf, 1}) == std::pair(2, 5) && !b.Finde({2, Knopf, 0}));
    // Bound elsewhere, for either player: refused; on its own slot: accepted.
    EXPECT_TRUE(b.AndersBelegt({1, Knopf, 0}, 1, 4) && b.AndersBelegt({1, Knopf, 0}, 2, 5));
    EXPECT_FALSE(b.AndersBelegt({1, Knopf, 0}, 2, 4) || b.AndersBelegt({2, Knopf, 0}, 1, 4));
}

TEST(PadBelegung, ToterBereichEineRichtungUndWiederholung) {
    TPadRoh r;
    r.Knoepfe[0] = r.Knoepfe[12] = true;  // A and d-pad down
    r.StickX = 20000, r.StickY = -kToterBereich;  // on the edge: the x axis wins anyway
    EXPECT_EQ(Gehalten(2, r),
              (std::vector<TPadEingabe>{{2, Knopf, 0}, {2, Kreuz, 1}, {2, Stick, 3}}));
    r = {};
    r.StickX = kToterBereich;  // inside the dead zone
    EXPECT_TRUE(Gehalten(1, r).empty());
    r.StickX = -15000, r.StickY = -16000;  // further up than left: only up
    EXPECT_EQ(Gehalten(1, r), (std::vector<TPadEingabe>{{1, Stick, 0}}));
    r.StickY = 15000;  // exactly diagonal: the vertical direction
    EXPECT_EQ(Gehalten(1, r), (std::vector<TPadEingabe>{{1, Stick, 1}}));

    // At once, then after 500 ms every 33 ms; released and pressed again starts anew.
    TPadWiederholung w;
    const std::vector<TPadEingabe> hoch = {{1, Kreuz, 0}};
    std::vector<std::uint64_t> wann;
    for (std::uint64_t t = 0; t <= 600; t += 8)
        if (!w.Schritt(hoch, t).empty()) wann.push_back(t);
    EXPECT_EQ(wann, (std::vector<std::uint64_t>{0, 504, 544, 584}));
    EXPECT_TRUE(w.Schritt({}, 608).empty() && w.Schritt(hoch, 616).size() == 1);
}

TEST(PadGeraete, JedeRichtungVonKreuzUndStickAnBeidenPads) {
    // SDL's virtual pads as the system's: numbered in the order they come, each d-pad button
    // and stick direction the player's own action by the defaults.
    TPadGeraete g;
    const int a = g.VirtuellAnschliessen(), b = g.VirtuellAnschliessen();
    ASSERT_GE(b, 0) << g.Fehler;
    TPadBelegung belegung;
    belegung.Spieler = {TPadBelegung::Standard(1), TPadBelegung::Standard(2)};
    const Sint16 stick[4][2] = {{0, -32000}, {0, 32000}, {-32000, 0}, {32000, 0}};
    for (std::uint8_t pad = 1; pad <= 2; ++pad)
        for (std::uint8_t r = 0; r < 4; ++r) {
            const int geraet = pad == 1 ? a : b;
            g.VirtuellKnopf(geraet, SDL_CONTROLLER_BUTTON_DPAD_UP + r, true);
            g.VirtuellStick(geraet, stick[r][0], stick[r][1]);
            const auto stand = g.Abfragen();
            ASSERT_TRUE(stand[pad - 1] && stand[2 - pad]);
            const auto gehalten = Gehalten(pad, *stand[pad - 1]);
            EXPECT_EQ(gehalten, (std::vector<TPadEingabe>{{pad, Kreuz, r}, {pad, Stick, r}}));
            for (const TPadEingabe& e : gehalten)
                EXPECT_EQ(belegung.Finde(e), std::pair(int(pad), int(r)));
            EXPECT_TRUE(Gehalten(3 - pad, *stand[2 - pad]).empty());
            g.VirtuellKnopf(geraet, SDL_CONTROLLER_BUTTON_DPAD_UP + r, false);
            g.VirtuellStick(geraet, 0, 0);
        }
    // Pad 1 gone: pad 2 keeps its number, and the next one takes the free one.
    g.VirtuellTrennen(a);
    EXPECT_TRUE(!g.Abfragen()[0] && g.Abfragen()[1]);
    g.VirtuellKnopf(g.VirtuellAnschliessen(), SDL_CONTROLLER_BUTTON_A, true);
    EXPECT_EQ(Gehalten(1, *g.Abfragen()[0]), (std::vector<TPadEingabe>{{1, Knopf, 0}}));
}
