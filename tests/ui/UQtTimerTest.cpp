#include "ui/UQtTimer.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>

#include "UiHilfen.h"

TEST(UQtTimer, PlattformVerhalten) {
    TQtTimerFabrik fabrik;
    int ticks = 0;
    auto t = fabrik.TimerErzeugen("Timer_Bombe", 200, [&] { ++ticks; });
    const QTimer& qt = static_cast<TQtTimer*>(t.get())->Intern();
    // A coarse timer may fire 5 % early, which would shorten every fuse.
    EXPECT_EQ(qt.timerType(), Qt::PreciseTimer);

    QElapsedTimer uhr;
    uhr.start();
    t->Einschalten();
    EXPECT_TRUE(qt.isActive());
    WarteBis([] { return false; }, 100);
    // Switching on a running timer keeps its rhythm (QTimer::start would begin a new period).
    const int rest = qt.remainingTime();
    t->Einschalten();
    EXPECT_LE(qt.remainingTime(), rest);
    ASSERT_TRUE(WarteBis([&] { return ticks > 0; }, 2000));
    EXPECT_GE(uhr.elapsed(), 199);

    // The same interval again changes nothing; a new one restarts the period.
    WarteBis([] { return false; }, 60);
    const int vorher = qt.remainingTime();
    t->SetzeIntervall(200);
    EXPECT_LE(qt.remainingTime(), vorher);
    t->SetzeIntervall(400);
    EXPECT_GT(qt.remainingTime(), 300);
    EXPECT_EQ(qt.interval(), 400);

    // Interval 0: still switched on, never ticks.
    t->SetzeIntervall(0);
    EXPECT_TRUE(t->Eingeschaltet());
    EXPECT_FALSE(qt.isActive());
    ticks = 0;
    WarteBis([] { return false; }, 100);
    EXPECT_EQ(ticks, 0);
    // A real interval makes it tick again, as it is still on.
    t->SetzeIntervall(20);
    EXPECT_TRUE(WarteBis([&] { return ticks > 0; }, 2000));

    t->Ausschalten();
    ticks = 0;
    WarteBis([] { return false; }, 80);
    EXPECT_EQ(ticks, 0);
    // An interval set while off takes effect only when switched on.
    t->SetzeIntervall(30);
    EXPECT_FALSE(qt.isActive());
}

TEST(UQtTimer, KeinTickImTick) {
    TQtTimerFabrik fabrik;
    int innen = 0, aussen = 0;
    std::unique_ptr<ITimer> zweiter = fabrik.TimerErzeugen("Timer_Explo", 5, [&] { ++innen; });
    std::unique_ptr<ITimer> erster = fabrik.TimerErzeugen("Timer_Bombe", 5, [&] {
        ++aussen;
        // A handler that runs a nested event loop (a message box) must not let ticks in.
        const int vorher = innen;
        WarteBis([] { return false; }, 60);
        EXPECT_EQ(innen, vorher);
        erster->Ausschalten();
    });
    erster->Einschalten();
    zweiter->Einschalten();
    ASSERT_TRUE(WarteBis([&] { return aussen > 0; }, 1000));
    EXPECT_EQ(aussen, 1);
    EXPECT_TRUE(WarteBis([&] { return innen > 0; }, 1000));
}
