#include "match/USimUhr.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

struct TProtokoll {
    TSimUhr* uhr;
    std::vector<std::string> ticks;
    TTimerHandler Handler(const std::string& name) {
        return [this, name] { ticks.push_back(name + "@" + std::to_string(uhr->Jetzt())); };
    }
};

}  // namespace

TEST(SimUhr, EinschaltenStartetVollePeriodeUndLaufenderTimerBehaeltRhythmus) {
    TSimUhr uhr;
    TProtokoll p{&uhr, {}};
    auto t = uhr.TimerErzeugen("T", 400, p.Handler("T"));
    uhr.Laufe(1000);
    EXPECT_TRUE(p.ticks.empty()) << "a stopped timer never ticks";

    t->Einschalten();  // at 1000
    uhr.LaufeBis(1700);
    t->Einschalten();  // already on at 1700: the rhythm stays 1400, 1800, ...
    uhr.LaufeBis(2200);
    EXPECT_EQ(p.ticks, (std::vector<std::string>{"T@1400", "T@1800", "T@2200"}));

    t->Ausschalten();
    uhr.LaufeBis(2300);
    t->Einschalten();  // off and on again: a full period from now
    uhr.LaufeBis(2700);
    EXPECT_EQ(p.ticks.back(), "T@2700");
}

TEST(SimUhr, NeuesIntervallStartetPeriodeNeuNullTicktNie) {
    TSimUhr uhr;
    TProtokoll p{&uhr, {}};
    auto t = uhr.TimerErzeugen("T", 100, p.Handler("T"));
    t->Einschalten();
    uhr.LaufeBis(250);       // ticks at 100, 200
    t->SetzeIntervall(100);  // the same interval changes nothing
    t->SetzeIntervall(300);  // restarts at 250
    uhr.LaufeBis(900);
    EXPECT_EQ(p.ticks, (std::vector<std::string>{"T@100", "T@200", "T@550", "T@850"}));

    p.ticks.clear();
    t->SetzeIntervall(0);
    uhr.LaufeBis(5000);
    EXPECT_TRUE(p.ticks.empty());
    EXPECT_TRUE(t->Eingeschaltet()) << "interval 0 leaves the timer on but silent";
    t->Einschalten();  // still on: nothing starts
    uhr.LaufeBis(6000);
    EXPECT_TRUE(p.ticks.empty());
    t->SetzeIntervall(10);
    uhr.LaufeBis(6020);
    EXPECT_EQ(p.ticks, (std::vector<std::string>{"T@6010", "T@6020"}));
}

TEST(SimUhr, GleichzeitigeTicksInErzeugungsreihenfolgeUndHandlerAendernTimer) {
    TSimUhr uhr;
    TProtokoll p{&uhr, {}};
    std::unique_ptr<ITimer> a, b, c;
    b = uhr.TimerErzeugen("B", 100, p.Handler("B"));
    // A stops C when it ticks; C, created last, would have ticked at the same moment.
    a = uhr.TimerErzeugen("A", 100, [&] {
        p.ticks.push_back("A@" + std::to_string(uhr.Jetzt()));
        c->Ausschalten();
        uhr.LaufeBis(100000);  // a tick cannot run the clock from inside
    });
    c = uhr.TimerErzeugen("C", 100, p.Handler("C"));
    c->Einschalten();
    a->Einschalten();
    b->Einschalten();
    uhr.LaufeBis(100);
    EXPECT_EQ(p.ticks, (std::vector<std::string>{"B@100", "A@100"}));
    EXPECT_EQ(uhr.Jetzt(), 100u);
    EXPECT_EQ(uhr.AnzahlTicks(), 2u);
}

TEST(SimUhr, LaufenBisBedingungUndZerstoerterTimer) {
    TSimUhr uhr;
    int n = 0;
    auto t = uhr.TimerErzeugen("T", 30, [&] { ++n; });
    t->Einschalten();
    EXPECT_TRUE(uhr.LaufeBisBedingung([&] { return n == 3; }, 1000));
    EXPECT_EQ(uhr.Jetzt(), 90u);
    EXPECT_FALSE(uhr.LaufeBisBedingung([&] { return n == 100; }, 200));
    EXPECT_EQ(uhr.Jetzt(), 200u);
    EXPECT_EQ(uhr.NaechsteFaelligkeit(), std::optional<std::uint64_t>(210));
    t.reset();
    EXPECT_EQ(uhr.NaechsteFaelligkeit(), std::nullopt);
    uhr.Laufe(1000);
    EXPECT_EQ(n, 6);
}
