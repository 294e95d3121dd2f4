#include <gtest/gtest.h>

#include <filesystem>

#include "files/URecords.h"
#include "hilfen/TestHilfen.h"
#include "tests/werkzeug/WerkzeugLauf.h"
#include "wiederholung/UAbspielen.h"
#include "wiederholung/UAufnahmeDatei.h"

namespace {

TAufnahme Beispiel() {
    TAufnahme a;
    a.Saat = 0x0123456789ABCDEFull;
    const TBytes e = PackeEinstellungen(TEinstellungen().EinstellungenHolen());
    a.Einstellungen.assign(e.begin(), e.end());
    a.Arbeitskopie = a.Einstellungen, a.Arbeitskopie[5] = 'x';
    a.Computer = {TComputerArt::Klassisch, TComputerArt::Stark};
    a.Sturmflut = 3, a.LevelAnzahl = 2;
    a.Levelliste = {"/a/Arena.dat", "/b/Föhn.dat"};
    a.Level = {{"/a/Arena.dat", std::string("\0all", 4), "zellen", std::nullopt},
               {"/b/Föhn.dat", std::nullopt, std::nullopt, "bild"}};
    a.Eingaben = {{0, TEingabeArt::Taste, 'W'},        {10, TEingabeArt::Aktion, 13},
                  {10, TEingabeArt::NaechsteRunde, 0}, {70000, TEingabeArt::Neustart, 0},
                  {70001, TEingabeArt::Abbrechen, 0},  {1ull << 40, TEingabeArt::Ende, 0}};
    a.Protokoll = {"Runde 1 (Arena): abgebrochen", "Punkte: 0 : 0"};
    return a;
}

const char* const kKaputt = "Die Wiederholung ist unvollständig oder beschädigt.";

}  // namespace

TEST(Aufnahme, FormatHinUndZurueckUndFeindlicheDateien) {
    const TAufnahme a = Beispiel();
    const std::string d = AufnahmeKodieren(a);
    TAufnahme b;
    ASSERT_EQ(AufnahmeDekodieren(d, b), "");
    EXPECT_EQ(b, a);
    // Every cut short file is refused, whole, and leaves the target untouched.
    for (std::size_t n = 0; n < d.size(); ++n) {
        TAufnahme c = a;
        ASSERT_FALSE(AufnahmeDekodieren(d.substr(0, n), c).empty()) << n;
        ASSERT_EQ(c, a);
    }
    auto geaendert = [&](std::size_t ofs, std::string_view bytes) {
        std::string x = d;
        x.replace(ofs, bytes.size(), bytes);
        TAufnahme c;
        return AufnahmeDekodieren(x, c);
    };
    EXPECT_EQ(geaendert(0, "KNALLWDX"), "Die Datei ist keine Knallfeld-Wiederholung.");
    EXPECT_EQ(
        geaendert(8, "\x04"),
        "Die Wiederholung hat die Version 4; dieses Programm spielt nur die Versionen 1 bis 3 "
        "ab.");
    const std::size_t computer = 8 + 2 + 8 + 2 * (4 + kGroesseEinstellungen);
    EXPECT_EQ(geaendert(computer + 1, "\x02"), kKaputt);
    EXPECT_EQ(geaendert(computer + 2, "\x0B"), kKaputt);  // more minutes than can be chosen
    // Version 1, from before the strong computer: both players steered the classic way; version
    // 2, from before the flood: none came.
    for (const auto& [version, weg] : {std::pair{1, 3}, {2, 1}}) {
        std::string alt = d;
        alt[8] = char(version);
        alt.erase(computer + 3 - std::size_t(weg), std::size_t(weg));
        TAufnahme v;
        ASSERT_EQ(AufnahmeDekodieren(alt, v), "");
        EXPECT_TRUE((v.Computer == a.Computer) == (version == 2) && v.Sturmflut == 0);
        v.Computer = a.Computer, v.Sturmflut = a.Sturmflut;
        EXPECT_EQ(v, a);
    }
    // A settings record of another length, an input count far beyond the file, inputs out of
    // time order, an unknown input kind, and bytes after the end.
    const std::size_t einst = 8 + 2 + 8;
    EXPECT_EQ(geaendert(einst, std::string("\x61\x06", 2)), kKaputt);
    const std::size_t eingaben = d.size() - 4 - (4 + 28) - (4 + 13) - 6 * 11 - 4;
    EXPECT_EQ(geaendert(eingaben, "\xFF\xFF\xFF\x7F"), kKaputt);
    EXPECT_EQ(geaendert(eingaben + 4, "\xFF"), kKaputt);
    EXPECT_EQ(geaendert(eingaben + 4 + 8, "\x07"), kKaputt);
    TAufnahme c;
    EXPECT_EQ(AufnahmeDekodieren(d + '\0', c), kKaputt);
    // More levels than a match can count, in the list or among the level files: refused before
    // anything is laid out for them.
    TAufnahme gross = a;
    gross.Levelliste.assign(65536, "");
    EXPECT_EQ(AufnahmeDekodieren(AufnahmeKodieren(gross), c), kKaputt);
    gross.Levelliste.pop_back();
    gross.Level.resize(65536);
    EXPECT_EQ(AufnahmeDekodieren(AufnahmeKodieren(gross), c), kKaputt);
    gross.Level.pop_back();
    EXPECT_EQ(AufnahmeDekodieren(AufnahmeKodieren(gross), c), "");
    // Lines without text are lines all the same.
    gross.Protokoll.assign(3, "");
    EXPECT_EQ(AufnahmeDekodieren(AufnahmeKodieren(gross), c), "");
}

TEST(Aufnahme, DateiVollZuGrossUndDieNeuestenZwanzig) {
    TTestOrdner o;
    const std::string pfad = o.Pfad("a.kfw");
    TAufnahme a = Beispiel();
    ASSERT_EQ(AufnahmeSchreiben(pfad, a), "");
    const auto alt = LiesBytes(pfad);
    // A disk that fills up: the old recording stays as it was, and nothing is left beside it.
    a.Protokoll.push_back(std::string(4000, 'x'));
    EXPECT_EQ(ImKind(Dateigrenze(500), [&] { return AufnahmeSchreiben(pfad, a); }),
              "Die Wiederholung konnte nicht gespeichert werden (" + pfad + ").");
    EXPECT_TRUE(LiesBytes(pfad) == alt && !std::filesystem::exists(pfad + ".neu"));
    TAufnahme b;
    EXPECT_EQ(AufnahmeLesen(pfad, b), "");
    // Up to 64 MiB a file is read (and this one, padded, is then found damaged).
    std::filesystem::resize_file(pfad, 64u << 20);
    EXPECT_EQ(AufnahmeLesen(pfad, b), kKaputt);
    std::filesystem::resize_file(pfad, (64u << 20) + 1);
    EXPECT_EQ(AufnahmeLesen(pfad, b), "Die Datei ist zu groß für eine Wiederholung.");
    EXPECT_NE(AufnahmeLesen(o.Pfad("fehlt.kfw"), b).find("kann nicht gelesen werden"),
              std::string::npos);

    // Only the recordings count and go: not a note, a half-written file, a folder named like one.
    const std::string ordner = o.Pfad("Wiederholungen");
    std::filesystem::create_directories(ordner + "/zz.kfw");
    for (const char* fremd : {"/zz.kfw/a.kfw", "/zz.txt", "/zz.kfw.neu"})
        SchreibeBytes(ordner + fremd, {'x'});
    std::string datei;
    for (int i = 0; i < 23; ++i) {
        char zeit[32];
        std::snprintf(zeit, sizeof zeit, "20261207-1200%02d", i / 2);
        ASSERT_EQ(AufnahmeAblegen(ordner, zeit, a, 20, datei), "");
    }
    const auto alle = AbgelegteAufnahmen(ordner);
    ASSERT_EQ(alle.size(), 20u);
    EXPECT_EQ(alle.front(), datei);
    EXPECT_EQ(std::filesystem::path(datei).filename(), "20261207-120011-00.kfw");
    EXPECT_EQ(std::filesystem::path(alle.back()).filename(), "20261207-120001-01.kfw");
    for (const char* fremd : {"/zz.kfw/a.kfw", "/zz.txt", "/zz.kfw.neu"})
        EXPECT_TRUE(std::filesystem::exists(ordner + fremd)) << fremd;
    // A hundred in one second: the last number is taken again.
    for (int n = 0; n < 99; ++n) {
        char name[40];
        std::snprintf(name, sizeof name, "/20261207-130000-%02d.kfw", n);
        SchreibeBytes(ordner + name, {'x'});
    }
    ASSERT_EQ(AufnahmeAblegen(ordner, "20261207-130000", a, 200, datei), "");
    EXPECT_EQ(std::filesystem::path(datei).filename(), "20261207-130000-99.kfw");
}

TEST(Abspielen, SimuliertesMatchWirdGenauWiederholt) {
    TTestOrdner o;
    const std::string spielfelder = KNALLFELD_SPIELFELDER;
    const std::string pfad = o.Pfad("m.kfw");
    // Four rounds in random order, both levels among them: a replay with another seed finds
    // either of them in the recording.
    const TLauf simuliert = Lauf({"simulieren", "--seed", "7", "--runden", "4", "--zufall",
                                  "--stark", "2", "--sturmflut", "1", "--aufnahme", pfad,
                                  spielfelder + "Arena.dat", spielfelder + "Festung.dat"});
    ASSERT_EQ(simuliert.Status, 0);
    const TLauf abgespielt = Lauf({"abspielen", pfad});
    EXPECT_EQ(abgespielt.StatusUndFehler(), "0 ");
    EXPECT_EQ(abgespielt.Aus, simuliert.Aus.substr(0, simuliert.Aus.rfind("Spielzeit:")));

    TAufnahme a;
    ASSERT_EQ(AufnahmeLesen(pfad, a), "");
    EXPECT_TRUE(a.Levelliste.size() == 2 && a.Sturmflut == 1 &&
                a.Computer == (std::array{TComputerArt::Klassisch, TComputerArt::Stark}) &&
                a.Eingaben.back().Art == TEingabeArt::Ende && HighscoreEintraege(a).size() == 2);
    // The recording no longer fits the match (here: another seed, as a changed engine would
    // play): said so, with the first line that differs.
    a.Saat ^= 1;
    ASSERT_EQ(AufnahmeSchreiben(pfad, a), "");
    const std::string fehler = Lauf({"abspielen", pfad}).StatusUndFehler();
    EXPECT_TRUE(fehler.starts_with("1 "));
    EXPECT_NE(fehler.find("Die Wiederholung endet anders als aufgenommen"), std::string::npos);
    EXPECT_NE(fehler.find("Aufgenommen: \"Runde 1"), std::string::npos);
    // Nothing more: the round messages are the replay's own, and the pictures are found.
    std::vector<std::string> zeilen;
    const std::string text = AufnahmePruefen(a, spielfelder + "../", zeilen);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2) << text;
    // Nor a broken picture in the folder that the levels do not use.
    std::filesystem::copy(spielfelder + "../Bilder", o.Pfad("Bilder"),
                          std::filesystem::copy_options::recursive);
    SchreibeBytes(o.Pfad("Bilder/UnZerstoer/kaputt.bmp"), {'B', 'M'});
    EXPECT_EQ(AufnahmePruefen(a, o.Ordner(), zeilen), text);
    // A recording with a line less, or one more, than the match gives: "nichts" on that side.
    a.Saat ^= 1;
    const std::string letzte = a.Protokoll.back();
    a.Protokoll.pop_back();
    EXPECT_NE(AufnahmePruefen(a, "", zeilen).find("Aufgenommen: nichts"), std::string::npos);
    a.Protokoll.insert(a.Protokoll.end(), {letzte, "Punkte: 9 : 9"});
    EXPECT_NE(AufnahmePruefen(a, "", zeilen).find("Abgespielt: nichts"), std::string::npos);
    a.Protokoll.pop_back();
    // A level missing from the recording is read as a missing file.
    a.Level.pop_back();
    EXPECT_NE(AufnahmePruefen(a, "", zeilen), "");

    SchreibeBytes(pfad, {'K', 'N'});
    EXPECT_EQ(Lauf({"abspielen", pfad}).StatusUndFehler(),
              "10 Die Datei ist keine Knallfeld-Wiederholung.\n");
}

TEST(Abspielen, AufnahmenDerQuelleSpielenGenauSo) {
    // Recorded matches of both computers (the strong one too) play move for move as they did
    // when recorded: any change of play shows here, and with it the need for a new rules version.
    for (const char* name : {"stark.kfw", "zwei-runden.kfw"}) {
        TAufnahme a;
        const std::string pfad = std::string(KNALLFELD_SPIELFELDER) + "../fuzz/saat/wiederholung/";
        ASSERT_EQ(AufnahmeLesen(pfad + name, a), "");
        std::vector<std::string> zeilen;
        EXPECT_EQ(AufnahmePruefen(a, "", zeilen), "") << name;
    }
}

TEST(Abspielen, EndloseWiederholungUndGrosseLeveldateien) {
    TTestOrdner o;
    const std::string pfad = o.Pfad("m.kfw");
    // The cells file is read only as far as the board goes: padded by whole cells to just under
    // the 16 MiB a recording keeps, the level plays as before and its replay has every byte;
    // just over, it is not kept.
    namespace fs = std::filesystem;
    const std::string level = o.Pfad("Arena.dat");
    for (const char* endung : {"", ".all", ".bild"})
        fs::copy_file(std::string(KNALLFELD_SPIELFELDER) + "Arena.dat" + endung, level + endung);
    TAufnahme a;
    for (const std::uintmax_t groesse : {16777218u, 16777212u}) {
        fs::resize_file(level, groesse);
        Lauf({"simulieren", "--seed", "3", "--runden", "1", "--aufnahme", pfad, level});
        ASSERT_EQ(AufnahmeLesen(pfad, a), "");
        ASSERT_EQ(a.Level.size(), 1u);
        EXPECT_EQ(a.Level[0].Zellen ? a.Level[0].Zellen->size() : 0,
                  groesse <= 16u << 20 ? groesse : 0);
    }
    // A file that needs more ticks than the budget allows is stopped there, not run for ever.
    std::vector<std::string> protokoll;
    ASSERT_EQ(AufnahmePruefen(a, "", protokoll, 100000), "");
    EXPECT_EQ(AufnahmePruefen(a, "", protokoll, 5),
              "Die Wiederholung läuft länger, als ein Match dauern kann; sie ist wohl beschädigt.");
    // A long match, twenty rounds of ten minutes, is well inside the budget.
    Lauf({"simulieren", "--seed", "5", "--runden", "20", "--aufnahme", pfad,
          KNALLFELD_SPIELFELDER "Labyrinth.dat"});
    ASSERT_EQ(AufnahmeLesen(pfad, a), "");
    EXPECT_EQ(AufnahmePruefen(a, "", protokoll), "");
}
