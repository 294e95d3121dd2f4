// Every loader and every saver against hostile situations: the message and what is left on disk.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <map>

#include "files/UDatei.h"
#include "files/UEinstellungenDatei.h"
#include "files/UHighscore.h"
#include "files/URecords.h"
#include "files/UTypDatei.h"
#include "hilfen/Brett.h"
#include "hilfen/TestHilfen.h"

namespace {

using TRoh = std::vector<unsigned char>;

enum class TLage { Keine, Fehlt, KeinVielfaches, Ordner, Leer, Kurz, Schreiben, Schutz };
using enum TLage;
const auto kAndere = QFile::ReadGroup | QFile::ExeOther;

// A level (a.dat), a settings file (t.sps) and a highscore list (h.hsk), each saved once and
// then changed in memory, so that every saver writes new contents.
struct FeindlicheDateien : ::testing::Test {
    TTestOrdner o;
    TMeldungsProtokoll m;
    TDateiFehler f{m};
    TSpielfeld feld;
    TBilderSets bilder{f};
    TLevelDateien level{feld, bilder, f};
    TEinstellungen einst;
    THighscore hs;
    std::map<std::string, TRoh> alt;

    void SetUp() override {
        QImage bild(2, 2, QImage::Format_RGB32);
        bild.fill(Qt::gray);
        for (const char* n : {"b.bmp", "c.bmp"})
            bild.save(QString::fromStdString(o.Pfad(n)), "BMP");
        BrettSetzen(feld, {"1.+", "~#2"});
        bilder.BildAnhaengen(o.Pfad("b.bmp"), kBlockbilder);
        einst.LevelAnhaengen(o.Pfad("a.dat"));
        hs.EintragEinfuegen({"alt", 1});
        ASSERT_FALSE(level.LevelSpeichernUnter(o.Pfad("a.dat")) || Lauf('L') || Lauf('H'));
        Lauf('E');
        ASSERT_TRUE(m.Eintraege.empty());
        for (const char* n : {"a.dat", "a.dat.all", "a.dat.bild", "t.sps", "t.sps.lev", "h.hsk"})
            alt[n] = LiesBytes(o.Pfad(n));

        // Writes and commits in turn: level cells 1-6 and 7, general 8 and 9, pictures 10-11
        // and 12; settings 1 and 2, level list 3-4 and 5; highscore 1-3 and 4.
        feld.SetzeZelleBei(2, zaZerstoerbar, 0);
        TFeldDaten d = feld.HoleFeldDaten();
        d.Name = "Neu";
        feld.SetzeFeldDaten(d);
        bilder.BildAnhaengen(o.Pfad("c.bmp"), kBlockbilder);
        TSpielRecEinstellungen r = einst.EinstellungenHolen();
        r.Rundenanzahl = 1;
        einst.EinstellungenSetzen(r);
        einst.LevelAnhaengen(o.Pfad("a.dat"));
        hs.EintragEinfuegen({"a", 3});
        hs.EintragEinfuegen({"b", 2});
    }

    // Restores the saved files, puts one in the situation and runs a loader (l e h) or a saver
    // (L, A = bind and save, E, H). True when a failure was reported; always for E and h, which
    // give no result.
    bool Lauf(char wer, const std::string& datei = "", TLage lage = Keine, int schritt = 0,
              TAntwort antwort = TAntwort::Ja) {
        for (const auto& [name, bytes] : alt) {
            const QString p = QString::fromStdString(o.Pfad(name));
            QDir().rmdir(p);
            QFile::setPermissions(p, QFile::ReadOwner | QFile::WriteOwner);
            SchreibeBytes(o.Pfad(name), bytes);
        }
        m.Leeren();
        m.Antworten = {antwort};
        const std::string p = o.Pfad(datei);
        const QString qp = QString::fromStdString(p);
        TRoh bytes = alt.count(datei) ? alt.at(datei) : TRoh{};
        if (lage == Ordner || lage == Fehlt) QFile::remove(qp);
        if (lage == Ordner) QDir().mkpath(qp);
        if (lage == KeinVielfaches) bytes.push_back(1);
        if (lage == Leer) bytes.clear();
        if (lage == Kurz) bytes.resize(bytes.size() - 6);
        if (lage == KeinVielfaches || lage == Leer || lage == Kurz) SchreibeBytes(p, bytes);
        if (lage == Schutz) QFile::setPermissions(qp, QFile::ReadOwner | kAndere);
        if (lage == Schreiben)
            TTypDatei::SchreibStoerung = [schritt, z = 0]() mutable { return ++z == schritt; };
        bool fehler = true;
        if (wer == 'l') fehler = level.LevelLaden(o.Pfad("a.dat"));
        if (wer == 'e') fehler = EinstellungenLaden(einst, f, o.Pfad("t.sps"));
        if (wer == 'h') HighscoreLaden(hs, f, o.Pfad("h.hsk"));
        if (wer == 'L') fehler = level.LevelSpeichern();
        if (wer == 'A')
            fehler = level.LevelDateienAnlegen(o.Pfad("a.dat")) || level.LevelSpeichern();
        if (wer == 'E') EinstellungenSpeichern(einst, f, o.Pfad("t.sps"));
        if (wer == 'H') fehler = HighscoreSpeichern(hs, f, o.Pfad("h.hsk"));
        TTypDatei::SchreibStoerung = nullptr;
        return fehler;
    }
};

}  // namespace

TEST_F(FeindlicheDateien, JederLaderJedeLage) {
    const std::pair<std::string, std::string> dateien[] = {
        {"a.dat.all", kAllgemeinDatei}, {"a.dat", kFelddatei},      {"a.dat.bild", kBilderDatei},
        {"t.sps", kKonfigDatei},        {"t.sps.lev", kLevelDatei}, {"h.hsk", kHighscoreDatei}};
    for (const auto& [datei, art] : dateien) {
        for (TLage lage : {Fehlt, KeinVielfaches, Ordner, Leer}) {
            SCOPED_TRACE(datei + " Lage " + std::to_string(int(lage)));
            const auto feldVorher = feld.FeldDaten();
            const auto einstVorher = einst.EinstellungenHolen();
            const auto hsVorher = hs.Liste();
            einst.LevelAnhaengen(o.Pfad("a.dat"));
            const char wer = art == kHighscoreDatei ? 'h' : datei[0] == 't' ? 'e' : 'l';
            EXPECT_TRUE(Lauf(wer, datei, lage));
            if (art == kHighscoreDatei && lage == Leer) {
                // An empty highscore file is an empty list.
                EXPECT_TRUE(m.Eintraege.empty());
                EXPECT_TRUE(hs.Liste().empty());
                continue;
            }
            const bool mussDasein = art == kLevelDatei || art == kHighscoreDatei;
            // A folder is no file: treated as missing.
            const std::string text =
                lage == Fehlt || lage == Ordner
                    ? (mussDasein ? "Fehler: Die " + art + " ist nicht vorhanden!"
                                  : "Fehler beim Öffnen der " + art + "!")
                    : "Fehler: Grösse der " + art + " stimmt nicht!";
            EXPECT_EQ(m.Texte(), std::vector<std::string>{text});
            EXPECT_EQ(einst.EinstellungenHolen(), einstVorher);
            EXPECT_TRUE(hs.Liste() == hsVorher);
            EXPECT_TRUE(art != kAllgemeinDatei || feld.FeldDaten() == feldVorher);
            // An unusable level list empties the list in memory before it gives up.
            EXPECT_TRUE(art != kLevelDatei ||
                        einst.Levelliste().empty() == (lage == Leer || lage == KeinVielfaches));
        }
    }
    EXPECT_TRUE(Lauf('l', "a.dat", Kurz));
    EXPECT_EQ(m.Texte(),
              std::vector<std::string>{"Fehler beim Lesen eines Datensatzes der Felddatei!"});
}

TEST_F(FeindlicheDateien, JederSpeichererBehaeltDieAlteDatei) {
    const std::string sp = "Fehler beim Speichern eines Datensatzes der ",
                      zu = "Fehler beim Schließen der ", auf = "Fehler beim Öffnen der ",
                      schutz = " ist schreibgeschützt! Soll der Schreibschutz entfernt werden?";
    struct TFall {
        char Wer;
        TLage Lage;
        int Schritt;        // the write or commit that fails
        std::string Datei;  // keeps its old contents (unless unlocked)
        std::string Meldung;
        std::string Neu = "";  // the independent other half, written all the same
    };
    const TFall faelle[] = {
        {'L', Schreiben, 2, "a.dat", sp + "Felddatei!"},
        {'L', Schreiben, 7, "a.dat", zu + "Felddatei!"},
        {'L', Schreiben, 8, "a.dat.all", sp + "AllgemeinDatei!", "a.dat"},
        {'L', Schreiben, 9, "a.dat.all", zu + "AllgemeinDatei!"},
        {'L', Schreiben, 11, "a.dat.bild", sp + "Bilderdatei!"},
        {'L', Schreiben, 12, "a.dat.bild", zu + "Bilder-Datei!"},
        {'E', Schreiben, 1, "t.sps", sp + "Konfig-Datei!", "t.sps.lev"},
        {'E', Schreiben, 2, "t.sps", zu + "Konfig-Datei!"},
        {'E', Schreiben, 4, "t.sps.lev", sp + "Level-Datei!", "t.sps"},
        {'E', Schreiben, 5, "t.sps.lev", zu + "Level-Datei!"},
        {'H', Schreiben, 2, "h.hsk", sp + "Highscore-Datei!"},
        {'H', Schreiben, 4, "h.hsk", zu + "Highscore-Datei!"},
        {'A', Ordner, 0, "a.dat.all", auf + "AllgemeinDatei!"},
        {'L', Ordner, 0, "a.dat.bild", auf + "Biler-Datei!", "a.dat"},
        {'E', Ordner, 0, "t.sps", auf + "Konfig-Datei!", "t.sps.lev"},
        {'E', Ordner, 0, "t.sps.lev", auf + "Level-Datei!", "t.sps"},
        {'H', Ordner, 0, "h.hsk", auf + "Highscore-Datei!"},
        {'A', Schutz, 0, "a.dat", "Felddatei" + schutz},
        {'A', Schutz, 0, "a.dat.all", "AllgemeinDatei" + schutz},
        {'A', Schutz, 0, "a.dat.bild", "Bilder-Datei" + schutz},
        {'E', Schutz, 0, "t.sps", "Konfig-Datei" + schutz, "t.sps.lev"},
        {'E', Schutz, 0, "t.sps.lev", "Level-Datei" + schutz, "t.sps"},
        {'H', Schutz, 0, "h.hsk", "Highscore-Datei" + schutz},
    };
    for (const TFall& fall : faelle) {
        for (TAntwort antwort : {TAntwort::Nein, TAntwort::Ja}) {
            if (fall.Lage != Schutz && antwort == TAntwort::Nein) continue;
            SCOPED_TRACE(fall.Meldung + (antwort == TAntwort::Ja ? " Ja" : " Nein"));
            const bool fehler = Lauf(fall.Wer, fall.Datei, fall.Lage, fall.Schritt, antwort);
            const std::string p = o.Pfad(fall.Datei);
            const QString qp = QString::fromStdString(p);
            const bool entsperrt = fall.Lage == Schutz && antwort == TAntwort::Ja;
            EXPECT_TRUE(fall.Wer == 'E' || fehler != entsperrt);
            EXPECT_EQ(m.Texte(), std::vector<std::string>{fall.Meldung});
            EXPECT_EQ(m.Eintraege.at(0).Typ,
                      fall.Lage == Schutz ? TBoxTyp::Warnung : TBoxTyp::Fehler);
            EXPECT_TRUE(fall.Lage == Ordner || (LiesBytes(p) == alt[fall.Datei]) != entsperrt);
            // Unlocking sets the owner's write bit and leaves the other permissions.
            if (fall.Lage == Schutz) {
                EXPECT_EQ(QFile::permissions(qp) & (kAndere | QFile::WriteOwner),
                          entsperrt ? kAndere | QFile::WriteOwner : kAndere);
            }
            EXPECT_TRUE(fall.Neu.empty() || LiesBytes(o.Pfad(fall.Neu)) != alt[fall.Neu]);
        }
    }
    // No temporary files are left behind.
    EXPECT_EQ(QDir(QString::fromStdString(o.Ordner())).entryList(QDir::Files).size(), 8);
}

TEST_F(FeindlicheDateien, LeereUndRiesigeFelderBehaltenDasAlte) {
    // Up to 65 535 cells, the most 16-bit indices address.
    for (auto [breite, hoehe, gut] : {std::tuple{200, 200, true},
                                      {300, 300, false},
                                      {0, 16, false},
                                      {20, 0, false},
                                      {65535, 1, true}}) {
        const auto vorher = feld.FeldDaten();
        const TBytes bytes =
            PackeFeldDaten({"", std::uint16_t(breite), std::uint16_t(hoehe), 1, 1, 0});
        SchreibeBytes(o.Pfad("g.all"), {bytes.begin(), bytes.end()});
        m.Leeren();
        EXPECT_EQ(level.AllgemeinLesen(o.Pfad("g.all")), !gut) << breite << "x" << hoehe;
        EXPECT_EQ(m.Texte(), std::vector<std::string>(
                                 !gut, "Fehler: Grösse der AllgemeinDatei stimmt nicht!"));
        EXPECT_TRUE(gut || feld.FeldDaten() == vorher);
    }
}

TEST_F(FeindlicheDateien, NullzeichenImPfadBenenntKeineDatei) {
    static int warnungen = 0;
    warnungen = 0;
    const auto alt = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++warnungen; });
    const std::string pfad = o.Pfad("b.bmp") + std::string("\0b", 2);
    EXPECT_FALSE(DateiExistiert(pfad));
    EXPECT_FALSE(bilder.BildAnhaengen(pfad, kBlockbilder));
    qInstallMessageHandler(alt);
    EXPECT_EQ(warnungen, 0);  // no raw toolkit warning reaches the player's terminal
}
