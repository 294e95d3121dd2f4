// Every loader and every saver against hostile situations: the message and what is left on disk.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/DateiWelt.h"

using FeindlicheDateien = TDateiWelt;

TEST_F(FeindlicheDateien, JederLaderJedeLage) {
    const std::pair<std::string, std::string> dateien[] = {
        {"a.dat.all", kAllgemeinDatei}, {"a.dat", kFelddatei},      {"a.dat.bild", kBilderDatei},
        {"t.sps", kKonfigDatei},        {"t.sps.lev", kLevelDatei}, {"h.hsk", kHighscoreDatei}};
    for (const auto& [datei, art] : dateien) {
        for (TLage lage : {Fehlt, KeinVielfaches, Ordner, Leer}) {
            SCOPED_TRACE(datei + " Lage " + std::to_string(int(lage)));
            const auto feldVorher = feld.FeldDaten();
            const auto einstVorher = einst.EinstellungenHolen();
            einst.LevelAnhaengen(o.Pfad("a.dat"));
            const char wer = art == kHighscoreDatei ? 'h' : datei[0] == 't' ? 'e' : 'l';
            EXPECT_TRUE(Lauf(wer, datei, lage));
            if (art == kHighscoreDatei && lage == Leer) {
                // An empty highscore file is an empty list.
                EXPECT_TRUE(m.Eintraege.empty() && hs.Liste().empty());
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
            EXPECT_TRUE(einst.EinstellungenHolen() == einstVorher && hs.Liste().size() == 3);
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
        {'L', Schreiben, 8, "a.dat.all", sp + "AllgemeinDatei!", "a.dat"},
        {'L', Schreiben, 11, "a.dat.bild", sp + "Bilderdatei!"},
        {'L', Schreiben, 12, "a.dat.bild", zu + "Bilder-Datei!"},
        {'E', Schreiben, 1, "t.sps", sp + "Konfig-Datei!", "t.sps.lev"},
        {'E', Schreiben, 4, "t.sps.lev", sp + "Level-Datei!", "t.sps"},
        {'H', Schreiben, 2, "h.hsk", sp + "Highscore-Datei!"},
        {'H', Schreiben, 4, "h.hsk", zu + "Highscore-Datei!"},
        {'A', Ordner, 0, "a.dat.all", auf + "AllgemeinDatei!"},
        {'L', Ordner, 0, "a.dat.bild", auf + "Biler-Datei!", "a.dat"},
        {'E', Ordner, 0, "t.sps", auf + "Konfig-Datei!", "t.sps.lev"},
        {'E', Ordner, 0, "t.sps.lev", auf + "Level-Datei!", "t.sps"},
        {'H', Ordner, 0, "h.hsk", auf + "Highscore-Datei!"},
        {'A', Schutz, 0, "a.dat", "Felddatei" + schutz},
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
            const bool entsperrt = fall.Lage == Schutz && antwort == TAntwort::Ja;
            EXPECT_TRUE(fall.Wer == 'E' || fehler != entsperrt);
            EXPECT_EQ(m.Texte(), std::vector<std::string>{fall.Meldung});
            EXPECT_EQ(m.Eintraege.at(0).Typ,
                      fall.Lage == Schutz ? TBoxTyp::Warnung : TBoxTyp::Fehler);
            EXPECT_TRUE(fall.Lage == Ordner || (LiesBytes(p) == alt[fall.Datei]) != entsperrt);
            // Unlocking sets the owner's write bit and leaves the other permissions.
            if (fall.Lage == Schutz) {
                EXPECT_EQ(
                    QFile::permissions(QString::fromStdString(p)) & (kAndere | QFile::WriteOwner),
                    entsperrt ? kAndere | QFile::WriteOwner : kAndere);
            }
            EXPECT_TRUE(fall.Neu.empty() || LiesBytes(o.Pfad(fall.Neu)) != alt[fall.Neu]);
        }
    }
    // No temporary files are left behind.
    EXPECT_EQ(QDir(QString::fromStdString(o.Ordner())).entryList(QDir::Files).size(), 8);
}

TEST_F(FeindlicheDateien, DateigrenzeBehaeltJedeAlteDatei) {
    // The system refuses the bytes themselves (buffered writes only fail when flushed).
    const std::string zu = "Fehler beim Schließen der ";
    const std::pair<char, std::string> faelle[] = {
        {'L', zu + "Felddatei!\n"},
        {'E', zu + "Konfig-Datei!\n" + zu + "Level-Datei!\n"},
        {'H', zu + "Highscore-Datei!\n"},
    };
    for (const auto& [wer, texte] : faelle) {
        for (unsigned long grenze : {0ul, 30ul}) {
            const std::string antwort = ImKind(Dateigrenze(grenze), [&, wer = wer] {
                std::string s = Lauf(wer) ? "" : "ohne Fehler\n";
                for (const auto& t : m.Texte()) s += t + "\n";
                return s;
            });
            EXPECT_EQ(antwort, texte) << wer << grenze;
            for (const auto& [name, bytes] : alt) EXPECT_EQ(LiesBytes(o.Pfad(name)), bytes) << name;
        }
    }
    EXPECT_EQ(QDir(QString::fromStdString(o.Ordner())).entryList(QDir::Files).size(), 8);
}

TEST_F(FeindlicheDateien, VollesDateisystemBehaeltDieHighscore) {
    const std::string platte = o.Pfad("platte"), h = platte + "/h.hsk";
    QDir().mkpath(QString::fromStdString(platte));
    if (mount("tmpfs", platte.c_str(), "tmpfs", 0, "size=64k") != 0) GTEST_SKIP() << "no root";
    SchreibeBytes(h, alt["h.hsk"]);
    {
        QFile fuell(QString::fromStdString(platte + "/fuell"));
        ASSERT_TRUE(fuell.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray kb(1024, 'x');
        while (fuell.write(kb) > 0) {
        }
    }
    EXPECT_TRUE(HighscoreSpeichern(hs, f, h));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{"Fehler beim Schließen der Highscore-Datei!"});
    EXPECT_EQ(LiesBytes(h), alt["h.hsk"]);
    umount2(platte.c_str(), MNT_DETACH);
}

TEST_F(FeindlicheDateien, DateiImFremdenOrdnerWirdAnOrtUndStelleGeschrieben) {
    // The file may be written, its folder not: no temporary file can be made beside it.
    ASSERT_FALSE(HighscoreSpeichern(hs, f, o.Pfad("neu.hsk")));
    const std::string ordner = o.Pfad("fremd"), h = ordner + "/h.hsk";
    SchreibeBytes(h, alt["h.hsk"]);
    chmod(o.Ordner().c_str(), 0755);
    chmod(h.c_str(), 0666);
    chmod(ordner.c_str(), 0555);
    // Root may write anywhere, so the child becomes somebody else.
    const auto fremd = [] {
        if (geteuid() == 0 && setuid(65534) != 0) _exit(2);
    };
    EXPECT_EQ(ImKind(fremd, [&] { return HighscoreSpeichern(hs, f, h) ? m.Letzter() : "ok"; }),
              "ok");
    EXPECT_EQ(LiesBytes(h), LiesBytes(o.Pfad("neu.hsk")));
    EXPECT_EQ(QDir(QString::fromStdString(ordner)).entryList(QDir::Files).size(), 1);
    chmod(ordner.c_str(), 0755);
}

TEST_F(FeindlicheDateien, LeereUndRiesigeFelderBehaltenDasAlte) {
    // Up to 65 535 cells, the most 16-bit indices address, of 1 to 100 pixels each way.
    // clang-format off
    for (auto [breite, hoehe, zb, zh, gut] :
         {std::tuple{200, 200, 1, 1, true}, {256, 256, 1, 1, false}, {0, 16, 1, 1, false},
          {65535, 1, 1, 1, true}, {4, 3, 100, 100, true}, {4, 3, 0, 40, false},
          {4, 3, 40, 0, false}, {4, 3, 101, 40, false}}) {
        // clang-format on
        const auto vorher = feld.FeldDaten();
        const TBytes bytes = PackeFeldDaten({"", std::uint16_t(breite), std::uint16_t(hoehe),
                                             std::uint16_t(zb), std::uint16_t(zh), 0});
        SchreibeBytes(o.Pfad("g.all"), {bytes.begin(), bytes.end()});
        m.Leeren();
        EXPECT_EQ(level.AllgemeinLesen(o.Pfad("g.all")), !gut) << breite << "x" << hoehe;
        EXPECT_TRUE(m.Eintraege.size() == (gut ? 0u : 1u) && (gut || feld.FeldDaten() == vorher));
    }
}

TEST_F(FeindlicheDateien, NullzeichenImPfadBenenntKeineDatei) {
    static int warnungen = 0;
    warnungen = 0;
    const auto alt = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++warnungen; });
    const std::string pfad = o.Pfad("b.bmp") + std::string("\0b", 2);
    EXPECT_FALSE(DateiExistiert(pfad) || bilder.BildAnhaengen(pfad, kBlockbilder));
    qInstallMessageHandler(alt);
    EXPECT_EQ(warnungen, 0);  // no raw toolkit warning reaches the player's terminal
}
