// A folder of saved files for the file tests, and a way to run each loader and saver on them.
#pragma once

#include <gtest/gtest.h>

#include <QDir>
#include <map>

#include "files/UDatei.h"
#include "files/UEinstellungenDatei.h"
#include "files/UHighscore.h"
#include "files/URecords.h"
#include "files/UTypDatei.h"
#include "hilfen/Brett.h"
#include "hilfen/TestHilfen.h"

using TRoh = std::vector<unsigned char>;

enum class TLage { Keine, Fehlt, KeinVielfaches, Ordner, Leer, Kurz, Schreiben, Schutz };
using enum TLage;
const auto kAndere = QFile::ReadGroup | QFile::ExeOther;

// A level (a.dat with pictures b.bmp and c.bmp), a settings file (t.sps) and a highscore list
// (h.hsk), each saved once and then changed in memory, so that every saver writes new contents.
struct TDateiWelt : ::testing::Test {
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
        for (const char* n : {"b.bmp", "c.bmp"}) BitmapAnlegen(o.Pfad(n), qRgb(160, 160, 164), 2);
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

    // Restores the saved files and puts one in the situation (unless lage is Keine), then runs a
    // loader (l e h) or a saver (L, A = bind and save, E, H). True when a failure was reported;
    // always for E and h, which give no result.
    bool Lauf(char wer, const std::string& datei = "", TLage lage = Keine, int schritt = 0,
              TAntwort antwort = TAntwort::Ja) {
        for (const auto& [name, bytes] : lage == Keine ? decltype(alt){} : alt) {
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
