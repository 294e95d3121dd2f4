#include "match/USimUhr.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

TEST(SimUhr, EinschaltenUndIntervallwechsel) {
    TSimUhr uhr;
    std::vector<std::uint64_t> ticks;
    auto t = uhr.TimerErzeugen("T", 400, [&] { ticks.push_back(uhr.Jetzt()); });
    // Run the clock to the time, then: E switch on, A switch off, a number sets the interval.
    // clang-format off
    const std::pair<std::uint64_t, std::string> skript[] = {
        {1000, "E"},    // stopped until now: a full period from here, 1400
        {1700, "E"},    // already on: the rhythm stays 1800, 2200
        {2200, "A"}, {2300, "E"},  // off and on again: a full period, 2700
        {2750, "400"},  // the same interval keeps the rhythm: 3100
        {3120, "250"},  // a new one restarts the period: 3370
        {3400, "0"},    // never ticks, yet the timer stays on ...
        {9000, "10"},   // ... so a new interval ticks again without switching on
        {9020, "A"},
    };
    // clang-format on
    for (const auto& [bis, befehl] : skript) {
        uhr.LaufeBis(bis);
        if (befehl == "E")
            t->Einschalten();
        else if (befehl == "A")
            t->Ausschalten();
        else
            t->SetzeIntervall(static_cast<std::uint32_t>(std::stoul(befehl)));
    }
    EXPECT_EQ(ticks, (std::vector<std::uint64_t>{1400, 1800, 2200, 2700, 3100, 3370, 9010, 9020}));
}

TEST(SimUhr, GleichzeitigeTicksInErzeugungsreihenfolge) {
    TSimUhr uhr;
    std::vector<std::string> ticks;
    std::unique_ptr<ITimer> a, b, c;
    b = uhr.TimerErzeugen("B", 100, [&] { ticks.push_back("B"); });
    // A stops C, created last, which would have ticked at the same moment.
    a = uhr.TimerErzeugen("A", 100, [&] {
        ticks.push_back("A");
        c->Ausschalten();
        uhr.LaufeBis(100000);  // a tick cannot run the clock from inside
    });
    c = uhr.TimerErzeugen("C", 100, [&] { ticks.push_back("C"); });
    for (ITimer* x : {c.get(), a.get(), b.get()}) x->Einschalten();
    uhr.LaufeBis(100);
    EXPECT_TRUE(ticks == std::vector<std::string>({"B", "A"}) && uhr.Jetzt() == 100);
}
