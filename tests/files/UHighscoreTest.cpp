#include "files/UHighscore.h"

#include <gtest/gtest.h>
#include <QDir>

#include "files/UTypDatei.h"
#include "hilfen/TestHilfen.h"

namespace {

using TRoh = std::vector<unsigned char>;

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

TRoh Satz(const std::string& name, std::uint16_t punkte) {
    TRoh r(24, 0);
    r[0] = static_cast<unsigned char>(name.size());
    std::copy(name.begin(), name.end(), r.begin() + 1);
    r[22] = punkte & 0xFF;
    r[23] = punkte >> 8;
    return r;
}

struct HighscoreTest : ::testing::Test {
    TTestOrdner ordner;
    TMeldungsProtokoll meldungen;
    TDateiFehler fehler{meldungen};
    std::string pfad = HighscorePfad(ordner.Ordner());
};

}  // namespace

TEST(Highscore, GleichstaendeInDerMitteDavorAmEndeDanach) {
    EXPECT_EQ(Reihe(Liste({{"a", 300}, {"b", 100}, {"neu", 200}})),
              (std::vector<std::string>{"a:300", "neu:200", "b:100"}));
    EXPECT_EQ(Reihe(Liste({{"a", 100}, {"neu", 100}})),
              (std::vector<std::string>{"a:100", "neu:100"}));
    EXPECT_EQ(Reihe(Liste({{"a", 100}, {"neu", 150}})),
              (std::vector<std::string>{"neu:150", "a:100"}));

    THighscore h = Liste({{"a", 300}, {"b", 100}, {"c", 50}});
    h.EintragEinfuegen({"neu", 100});
    EXPECT_EQ(Reihe(h), (std::vector<std::string>{"a:300", "neu:100", "b:100", "c:50"}));
    h.EintragEinfuegen({"letzter", 50});
    h.EintragEinfuegen({"null", 0});
    h.EintragEinfuegen({"oben", 400});
    EXPECT_EQ(Reihe(h), (std::vector<std::string>{"oben:400", "a:300", "neu:100", "b:100", "c:50",
                                                  "letzter:50", "null:0"}));
}

TEST_F(HighscoreTest, SpeichernUndLadenBehaltenDieReihenfolge) {
    EXPECT_EQ(pfad, ordner.Ordner() + "Highscore.hsk");
    const THighscore h = Liste({{"Zoë ★", 100}, {"b", 300}, {"c", 100}});
    ASSERT_FALSE(HighscoreSpeichern(h, fehler, pfad));
    TRoh erwartet = Satz("b", 300);
    for (const TRoh& s : {Satz("Zo\xEB ?", 100), Satz("c", 100)})
        erwartet.insert(erwartet.end(), s.begin(), s.end());
    EXPECT_EQ(LiesBytes(pfad), erwartet);

    THighscore geladen;
    HighscoreLaden(geladen, fehler, pfad);
    EXPECT_EQ(Reihe(geladen), (std::vector<std::string>{"b:300", "Zoë ?:100", "c:100"}));
    EXPECT_TRUE(meldungen.Eintraege.empty());

    // Deleting writes an empty file, which loads without a message.
    ASSERT_FALSE(HighscoreSpeichern(THighscore{}, fehler, pfad));
    EXPECT_EQ(LiesBytes(pfad).size(), 0u);
    HighscoreLaden(geladen, fehler, pfad);
    EXPECT_TRUE(geladen.Liste().empty());
    EXPECT_TRUE(meldungen.Eintraege.empty());

    // A file out of order is sorted while it is read.
    TRoh unsortiert = Satz("x", 5);
    const TRoh y = Satz("y", 50);
    unsortiert.insert(unsortiert.end(), y.begin(), y.end());
    SchreibeBytes(pfad, unsortiert);
    HighscoreLaden(geladen, fehler, pfad);
    EXPECT_EQ(Reihe(geladen), (std::vector<std::string>{"y:50", "x:5"}));
}

TEST_F(HighscoreTest, LadefehlerLassenDieListeStehen) {
    THighscore h = Liste({{"alt", 7}});
    HighscoreLaden(h, fehler, pfad);
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Fehler: Die Highscore-Datei ist nicht vorhanden!"});

    meldungen.Leeren();
    SchreibeBytes(pfad, TRoh(25, 0));
    HighscoreLaden(h, fehler, pfad);
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Fehler: Grösse der Highscore-Datei stimmt nicht!"});

    meldungen.Leeren();
    QFile::remove(QString::fromStdString(pfad));
    QDir().mkpath(QString::fromStdString(pfad));
    HighscoreLaden(h, fehler, pfad);
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Fehler: Die Highscore-Datei ist nicht vorhanden!"});
    EXPECT_EQ(Reihe(h), std::vector<std::string>{"alt:7"});

    meldungen.Leeren();
    EXPECT_TRUE(HighscoreSpeichern(h, fehler, pfad));
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Fehler beim Öffnen der Highscore-Datei!"});
}

TEST_F(HighscoreTest, GescheitertesSpeichernBehaeltDieAlteDatei) {
    const THighscore h = Liste({{"a", 3}, {"b", 2}, {"c", 1}});
    ASSERT_FALSE(HighscoreSpeichern(Liste({{"alt", 1}}), fehler, pfad));
    const TRoh alt = LiesBytes(pfad);

    {
        // The second record fails: one message, and the old file stays as it was.
        TTypDatei::SchreibStoerung = [n = 0]() mutable { return ++n == 2; };
        EXPECT_TRUE(HighscoreSpeichern(h, fehler, pfad));
        TTypDatei::SchreibStoerung = nullptr;
    }
    EXPECT_EQ(
        meldungen.Texte(),
        std::vector<std::string>{"Fehler beim Speichern eines Datensatzes der Highscore-Datei!"});
    EXPECT_EQ(LiesBytes(pfad), alt);

    meldungen.Leeren();
    TTypDatei::SchreibStoerung = [n = 0]() mutable { return ++n == 4; };
    EXPECT_TRUE(HighscoreSpeichern(h, fehler, pfad));
    TTypDatei::SchreibStoerung = nullptr;
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{"Fehler beim Schließen der Highscore-Datei!"});
    EXPECT_EQ(LiesBytes(pfad), alt);

    // Read-only: declining keeps the file, unlocking clears only the owner's write bit.
    meldungen.Leeren();
    SchreibschutzSetzen(pfad, true);
    meldungen.Antworten = {TAntwort::Nein};
    EXPECT_TRUE(HighscoreSpeichern(h, fehler, pfad));
    EXPECT_EQ(meldungen.Texte(),
              std::vector<std::string>{
                  "Highscore-Datei ist schreibgeschützt! Soll der Schreibschutz entfernt werden?"});
    EXPECT_EQ(LiesBytes(pfad), alt);
    EXPECT_FALSE(HighscoreSpeichern(h, fehler, pfad));
    EXPECT_FALSE(IstSchreibgeschuetzt(pfad));
    EXPECT_EQ(LiesBytes(pfad).size(), 72u);
    EXPECT_EQ(LiesBytes(pfad)[0], 1);  // first record: the highest score, "a"
}
