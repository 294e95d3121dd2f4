#include "files/UHighscore.h"

#include <gtest/gtest.h>

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

TEST(Highscore, GleichstaendeInDerMitteDavorAmEndeDanach) {
    const std::pair<THighscore, std::vector<std::string>> faelle[] = {
        {Liste({{"a", 300}, {"b", 100}, {"neu", 200}}), {"a:300", "neu:200", "b:100"}},
        {Liste({{"a", 100}, {"neu", 100}}), {"a:100", "neu:100"}},
        {Liste({{"a", 300}, {"b", 100}, {"c", 50}, {"neu", 100}}),
         {"a:300", "neu:100", "b:100", "c:50"}},
        {Liste({{"a", 300}, {"b", 100}, {"c", 50}, {"neu", 50}}),
         {"a:300", "b:100", "c:50", "neu:50"}},
    };
    for (const auto& [liste, reihe] : faelle) EXPECT_EQ(Reihe(liste), reihe);
}

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
