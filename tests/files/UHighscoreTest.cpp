#include "files/UHighscore.h"

#include <gtest/gtest.h>

#include <QLockFile>
#include <QProcess>
#include <QThread>

#include "hilfen/TestHilfen.h"

namespace {

// Names and points in list order.
std::vector<std::string> Reihe(const THighscore& h) {
    std::vector<std::string> r;
    for (const auto& e : h.Liste()) r.push_back(e.Name + ":" + std::to_string(e.Punkte));
    return r;
}

THighscore Liste(std::initializer_list<THighscoreEintrag> eintraege) {
    THighscore h;
    for (const auto& e : eintraege) h.EintragEinfuegen(e);
    return h;
}

}  // namespace

TEST(Highscore, UnsortierteDateiWirdBeimLesenSortiert) {
    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TDateiFehler fehler{meldungen};
    const std::string pfad = ordner.Pfad("h.hsk");
    std::vector<unsigned char> datei;
    // Ties keep their order in the file, however many.
    for (const THighscoreEintrag& e :
         {THighscoreEintrag{"x", 5}, {"y", 50}, {"z", 5}, {"a", 7}, {"b", 7}, {"c", 7}, {"w", 5}}) {
        const TBytes satz = PackeHighscore(e);
        datei.insert(datei.end(), satz.begin(), satz.end());
    }
    SchreibeBytes(pfad, datei);
    THighscore h;
    HighscoreLaden(h, fehler, pfad);
    EXPECT_EQ(Reihe(h),
              (std::vector<std::string>{"y:50", "a:7", "b:7", "c:7", "x:5", "z:5", "w:5"}));
    EXPECT_TRUE(meldungen.Eintraege.empty());
}

TEST(Highscore, ZweiProgrammeAmEndeIhrerSpieleVerlierenKeinenEintrag) {
    TTestOrdner o;
    TMeldungsProtokoll meldungen;
    TDateiFehler fehler{meldungen};
    const std::string pfad = o.Pfad("Highscore.hsk");
    THighscore alt = Liste({{"Alt", 500}});
    ASSERT_FALSE(HighscoreSpeichern(alt, fehler, pfad));
    // This test stands for another instance that holds the lock while it writes its result.
    QLockFile sperre(QString::fromStdString(pfad + ".lock"));
    ASSERT_TRUE(sperre.lock());
    QProcess b;
    b.start(KNALLFELD_WERKZEUG,
            {"simulieren", "--seed", "3", "--runden", "1", "--highscore",
             QString::fromStdString(pfad), KNALLFELD_SPIELFELDER "KleinesDuell.dat"});
    ASSERT_TRUE(b.waitForStarted());
    // The other program has read the list with "Alt" only and ends its match meanwhile.
    QThread::msleep(500);
    // Its results tie both of the other's new entries (160 : 20): the newer result goes before an
    // equal one in the middle, after an equal last one (so a re-read file keeps its order).
    THighscore anderer = Liste({{"Alt", 500}, {"Anderer", 160}, {"Letzter", 20}});
    ASSERT_FALSE(HighscoreSpeichern(anderer, fehler, pfad));
    sperre.unlock();
    ASSERT_TRUE(b.waitForFinished(30000));
    EXPECT_EQ(b.exitCode(), 0) << b.readAllStandardError().toStdString();
    THighscore h;
    HighscoreLaden(h, fehler, pfad);
    const std::vector<std::string> r = Reihe(h);
    ASSERT_EQ(r.size(), 5u);
    EXPECT_TRUE(r[0] == "Alt:500" && r[1].ends_with(":160") && r[2] == "Anderer:160" &&
                r[3] == "Letzter:20" && r[4].ends_with(":20"))
        << testing::PrintToString(r);
    EXPECT_TRUE(meldungen.Eintraege.empty());
}
