// Every loader against the same hostile situations: the message it shows and what it leaves.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <functional>

#include "files/UDatei.h"
#include "files/UEinstellungenDatei.h"
#include "files/UHighscore.h"
#include "files/URecords.h"
#include "hilfen/TestHilfen.h"

namespace {

enum class TLage { Fehlt, Leer, KeinVielfaches, Ordner };

struct TLader {
    std::string Art;
    std::size_t Satz;
    // Loads from the file at the given path; true on failure.
    std::function<bool(const std::string&, TDateiFehler&)> Laden;
};

struct TUmgebung {
    TTestOrdner o;
    TSpielfeld feld;
    TEinstellungen einst;
    THighscore hs;
};

std::vector<TLader> Lader(TUmgebung& u) {
    const auto sps = PackeEinstellungen(StandardRecord());
    const auto lev = PackeLevelPfad(u.o.Pfad("x.dat"));
    SchreibeBytes(u.o.Pfad("x.dat"), {0, 0, 0, 0, 0, 0});
    SchreibeBytes(u.o.Pfad("gut.sps"), {sps.begin(), sps.end()});
    SchreibeBytes(u.o.Pfad("gut.lev.sps.lev"), {lev.begin(), lev.end()});
    return {
        {kAllgemeinDatei, 36,
         [&u](const std::string& p, TDateiFehler& f) {
             TBilderSets b(f);
             return TLevelDateien(u.feld, b, f).AllgemeinLesen(p);
         }},
        {kFelddatei, 6,
         [&u](const std::string& p, TDateiFehler& f) {
             TBilderSets b(f);
             return TLevelDateien(u.feld, b, f).ZellenLesen(p, u.feld.Zellenzahl());
         }},
        {kBilderDatei, 260,
         [](const std::string& p, TDateiFehler& f) {
             TSpielfeld feld;
             TBilderSets b(f);
             return TLevelDateien(feld, b, f).BilderLesen(p);
         }},
        {kKonfigDatei, 1634,
         [&u](const std::string& p, TDateiFehler& f) {
             // A good level list beside the settings file under test.
             QFile::copy(QString::fromStdString(u.o.Pfad("gut.lev.sps.lev")),
                         QString::fromStdString(p + ".lev"));
             return EinstellungenLaden(u.einst, f, p);
         }},
        {kLevelDatei, 256,
         [&u](const std::string& p, TDateiFehler& f) {
             // p is the level list; the settings file beside it is good.
             const std::string sps = p.substr(0, p.size() - 4);
             QFile::copy(QString::fromStdString(u.o.Pfad("gut.sps")), QString::fromStdString(sps));
             return EinstellungenLaden(u.einst, f, sps);
         }},
        {kHighscoreDatei, 24,
         [&u](const std::string& p, TDateiFehler& f) {
             HighscoreLaden(u.hs, f, p);
             return false;
         }},
    };
}

std::string Erwartet(const std::string& art, TLage lage) {
    const bool mussDasein = art == kLevelDatei || art == kHighscoreDatei;
    switch (lage) {
        case TLage::Fehlt:
        case TLage::Ordner:  // a folder is no file: treated as missing
            return mussDasein ? "Fehler: Die " + art + " ist nicht vorhanden!"
                              : "Fehler beim Öffnen der " + art + "!";
        case TLage::Leer:
            return art == kHighscoreDatei ? "" : "Fehler: Grösse der " + art + " stimmt nicht!";
        case TLage::KeinVielfaches:
            return "Fehler: Grösse der " + art + " stimmt nicht!";
    }
    return "";
}

}  // namespace

TEST(FeindlicheDateien, JederLaderJedeLage) {
    for (TLage lage : {TLage::Fehlt, TLage::Leer, TLage::KeinVielfaches, TLage::Ordner}) {
        TUmgebung u;
        u.feld.ErzeugeFeld(u.feld.Zellenzahl());
        u.einst.LevelAnhaengen("vorher.dat");
        u.hs.EintragEinfuegen({"alt", 1});
        const auto feldVorher = u.feld.HoleFeldDaten();
        const auto einstVorher = u.einst.EinstellungenHolen();
        int nr = 0;
        for (const auto& l : Lader(u)) {
            SCOPED_TRACE(l.Art + " Lage " + std::to_string(int(lage)));
            const std::string p = u.o.Pfad("d" + std::to_string(nr++) + ".lev.sps.lev");
            if (lage == TLage::Leer) SchreibeBytes(p, {});
            if (lage == TLage::KeinVielfaches)
                SchreibeBytes(p, std::vector<unsigned char>(l.Satz + 1, 1));
            if (lage == TLage::Ordner) QDir().mkpath(QString::fromStdString(p));
            TMeldungsProtokoll m;
            TDateiFehler f(m);
            const bool fehler = l.Laden(p, f);
            const std::string text = Erwartet(l.Art, lage);
            if (text.empty()) {
                EXPECT_TRUE(m.Eintraege.empty());
                EXPECT_TRUE(u.hs.Liste().empty());  // an empty highscore file is an empty list
                continue;
            }
            EXPECT_TRUE(fehler || l.Art == kHighscoreDatei);
            EXPECT_EQ(m.Texte(), std::vector<std::string>{text});
            // Nothing beyond what the loaders may change.
            EXPECT_EQ(u.feld.HoleFeldDaten(), feldVorher);
            EXPECT_EQ(u.einst.EinstellungenHolen(), einstVorher);
            if (l.Art == kHighscoreDatei) {
                EXPECT_EQ(u.hs.Liste().size(), 1u);
            }
        }
    }
}

TEST(FeindlicheDateien, GeometrieUndRiesenbitmap) {
    TTestOrdner o;
    TSpielfeld feld;
    TMeldungsProtokoll m;
    TDateiFehler f(m);
    TBilderSets b(f);
    TLevelDateien d(feld, b, f);
    for (auto [breite, hoehe, gut] : {std::tuple{200, 200, true},
                                      {300, 300, false},
                                      {0, 16, false},
                                      {20, 0, false},
                                      {65535, 1, true}}) {
        TFeldDaten g;
        g.SpielBreite = static_cast<std::uint16_t>(breite);
        g.SpielHoehe = static_cast<std::uint16_t>(hoehe);
        const auto bytes = PackeFeldDaten(g);
        SchreibeBytes(o.Pfad("g.all"), {bytes.begin(), bytes.end()});
        m.Leeren();
        EXPECT_EQ(d.AllgemeinLesen(o.Pfad("g.all")), !gut) << breite << "x" << hoehe;
        if (!gut) {
            EXPECT_EQ(m.Letzter(), "Fehler: Grösse der AllgemeinDatei stimmt nicht!");
        }
    }

    // A bitmap header that claims 50 000 x 50 000 pixels is refused without allocating them.
    QImage klein(2, 2, QImage::Format_RGB32);
    klein.fill(Qt::red);
    klein.save(QString::fromStdString(o.Pfad("riese.bmp")), "BMP");
    auto roh = LiesBytes(o.Pfad("riese.bmp"));
    for (int i = 0; i < 4; ++i) {
        roh[18 + i] = static_cast<unsigned char>((50000 >> (8 * i)) & 0xFF);
        roh[22 + i] = static_cast<unsigned char>((50000 >> (8 * i)) & 0xFF);
    }
    SchreibeBytes(o.Pfad("riese.bmp"), roh);
    m.Leeren();
    EXPECT_FALSE(b.BildAnhaengen(o.Pfad("riese.bmp"), kBlockbilder));
    EXPECT_EQ(m.Texte(), std::vector<std::string>{
                             "Fehler beim Laden eines Bildes! Bild ist nicht mehr vorhanden"});
    EXPECT_FALSE(b.IstGeladen(kBlockbilder));
}

TEST(FeindlicheDateien, NullzeichenImPfadBenenntKeineDatei) {
    TTestOrdner o;
    SchreibeBytes(o.Pfad("a"), {1, 2, 3});
    static int warnungen = 0;
    warnungen = 0;
    const auto alt = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) { ++warnungen; });
    const std::string pfad = o.Pfad("a") + std::string("\0b", 2);
    EXPECT_FALSE(DateiExistiert(pfad));
    TMeldungsProtokoll m;
    TDateiFehler f(m);
    TBilderSets b(f);
    EXPECT_FALSE(b.BildAnhaengen(pfad, kBlockbilder));
    qInstallMessageHandler(alt);
    EXPECT_EQ(warnungen, 0);  // no raw toolkit warning reaches the player's terminal
}
