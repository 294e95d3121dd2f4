// Level files in normal use, and the round trip of every file format.
#include "files/DateiWelt.h"

using namespace std::literals;
using LevelDateien = TDateiWelt;

namespace {

TRoh Verbunden(std::initializer_list<TBytes> saetze) {
    TRoh r;
    for (const auto& s : saetze) r.insert(r.end(), s.begin(), s.end());
    return r;
}

}  // namespace

TEST_F(LevelDateien, JedesFormatHinUndZurueck) {
    // Stored as given, even with a redundant "./"; a character the code page lacks becomes "?".
    const std::string a = o.Pfad("a.dat"), weg = o.Pfad("weg.dat");
    einst.LevelAnhaengen(o.Ordner() + "./a.dat");
    einst.LevelAnhaengen(weg);
    hs.EintragEinfuegen({"Zoë ★", 2});
    ASSERT_FALSE(Lauf('L') || Lauf('H'));
    Lauf('E');
    EXPECT_TRUE(m.Eintraege.empty());
    EXPECT_EQ(LiesBytes(a), (TRoh{4, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0,
                                  3, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 8, 0, 0, 0, 0, 0}));
    EXPECT_EQ(LiesBytes(a + ".bild"), Verbunden({PackeBildEintrag({1, 1, o.Pfad("b.bmp")}),
                                                 PackeBildEintrag({1, 2, o.Pfad("c.bmp")})}));
    EXPECT_EQ(LiesBytes(o.Pfad("t.sps.lev")).size(), 4u * 256);
    const std::vector<THighscoreEintrag> liste = {{"a", 3}, {"Zoë ?", 2}, {"b", 2}, {"alt", 1}};

    // Loaded back over other contents; read-only level files load, no picture comes twice.
    const auto daten = feld.FeldDaten();
    const auto zellen = feld.Zellen();
    const auto record = einst.EinstellungenHolen();
    BrettSetzen(feld, {"..", ".."});
    einst.StandardEinstellungen();
    for (const char* n : {"a.dat", "a.dat.all", "a.dat.bild"}) SchreibschutzSetzen(o.Pfad(n), true);
    EXPECT_FALSE(level.LevelLaden(a) || EinstellungenLaden(einst, f, o.Pfad("t.sps")));
    EXPECT_TRUE(feld.FeldDaten() == daten && feld.Zellen() == zellen &&
                bilder.AnzahlBilder(kBlockbilder) == 2 && einst.EinstellungenHolen() == record);
    EXPECT_EQ(einst.Levelliste(), (std::vector<std::string>{a, a, o.Ordner() + "./a.dat"}));
    HighscoreLaden(hs, f, o.Pfad("h.hsk"));
    EXPECT_EQ(std::vector(hs.Liste().begin(), hs.Liste().end()), liste);
    // A level that vanished from the list is reported once and left out.
    ASSERT_EQ(m.Eintraege.size(), 1u);
    EXPECT_TRUE(m.Letzter().starts_with("Der gespeicherte Pfad " + weg + " exsistiert nicht"));
}

TEST_F(LevelDateien, UeberschreibenFrageUndBindung) {
    const std::string neu = o.Pfad("n.dat");
    SchreibeBytes(neu, {1, 2, 3});
    m.Antworten = {TAntwort::Nein};
    EXPECT_TRUE(level.LevelSpeichernUnter(neu) && LiesBytes(neu) == (TRoh{1, 2, 3}));

    // A level whose general file cannot be created is not bound.
    QDir().mkpath(QString::fromStdString(o.Pfad("x.dat.all")));
    EXPECT_TRUE(level.LevelSpeichernUnter(o.Pfad("x.dat")) &&
                level.GebundenerPfad() == o.Pfad("a.dat"));
    // Binding an existing level truncates nothing.
    ASSERT_FALSE(level.LevelDateienAnlegen(o.Pfad("a.dat")));
    for (const char* n : {"a.dat", "a.dat.all", "a.dat.bild"})
        EXPECT_EQ(LiesBytes(o.Pfad(n)), alt[n]);

    // Only the companions exist: no question, and both are replaced.
    m.Leeren();
    const std::string halb = o.Pfad("halb.dat");
    SchreibeBytes(halb + ".all", {9});
    SchreibeBytes(halb + ".bild", {9});
    ASSERT_FALSE(level.LevelSpeichernUnter(halb) || level.LevelSpeichern());
    EXPECT_TRUE(m.Eintraege.empty() && LiesBytes(halb + ".bild").size() == 2 * 260);
}

TEST_F(LevelDateien, BilderAusDemOrdnerDesSatzes) {
    // The picture moves to a folder that becomes the current one of its set: found by name, and
    // the next save stores the new path. Each set has a folder of its own.
    const std::string neu = o.Pfad("neu/"), wasser = o.Pfad("wasser/");
    for (const std::string& d : {neu, wasser}) QDir().mkpath(QString::fromStdString(d));
    QFile::rename(QString::fromStdString(o.Pfad("b.bmp")), QString::fromStdString(neu + "b.bmp"));
    bilder.Blockbilderordner = neu, bilder.Wasserbilderordner = wasser;
    ASSERT_FALSE(level.BilderLesen(o.Pfad("a.dat.bild")) || level.LevelSpeichern());
    EXPECT_EQ(LiesBytes(o.Pfad("a.dat.bild")),
              Verbunden({PackeBildEintrag({1, 1, neu + "b.bmp"})}));

    // A Windows path with backslashes, a stored path that holds no bitmap any more, and a bare
    // name, which a picture in the working folder must not capture.
    SchreibeBytes(o.Pfad("kaputt/b.bmp"), {'n', 'i', 'x'});
    for (const std::string& d : {o.Ordner(), wasser})
        QFile::copy(QString::fromStdString(o.Pfad("c.bmp")), QString::fromStdString(d + "b.bmp"));
    const QString arbeit = QDir::currentPath();
    QDir::setCurrent(QString::fromStdString(o.Ordner()));
    for (const std::string& p :
         {"C:\\Spiele\\Knallfeld\\Bilder\\Wasser\\b.bmp"s, o.Pfad("kaputt/b.bmp"), "b.bmp"s}) {
        SchreibeBytes(o.Pfad("a.dat.bild"), Verbunden({PackeBildEintrag({3, 4, p})}));
        ASSERT_FALSE(level.BilderLesen(o.Pfad("a.dat.bild")));
        EXPECT_EQ(bilder.AnzahlBilder(kBlockbilder), 0u);
        EXPECT_EQ(bilder.Satz(kWasserbilder).at(0).Daten, (TBildEintrag{3, 4, wasser + "b.bmp"}));
    }
    QDir::setCurrent(arbeit);
    // Saved: the block pictures first, then the water pictures.
    bilder.BildAnhaengen(neu + "b.bmp", kBlockbilder);
    ASSERT_FALSE(level.LevelSpeichern());
    EXPECT_EQ(LiesBytes(o.Pfad("a.dat.bild")),
              Verbunden({PackeBildEintrag({1, 1, neu + "b.bmp"}),
                         PackeBildEintrag({3, 4, wasser + "b.bmp"})}));
    EXPECT_TRUE(m.Eintraege.empty());
}

TEST_F(LevelDateien, FehlendeBilderLassenDieSaetzeUnveraendert) {
    // The caller also asks for more cells than the board holds.
    QFile::remove(QString::fromStdString(o.Pfad("b.bmp")));
    BrettSetzen(feld, {"..", ".."});
    const auto stand = bilder.Stand();
    EXPECT_FALSE(level.LevelLaden(o.Pfad("a.dat")));
    EXPECT_TRUE(m.Letzter().starts_with("Fehler: Es sind Bilder des gespeicherten Feldes"));
    EXPECT_EQ(bilder.Stand(), stand);
    BrettSetzen(feld, {"..", ".."});
    EXPECT_FALSE(level.ZellenLesen(o.Pfad("a.dat"), 9) || feld.AnzahlKnoten() != 4);
}
