#include <gtest/gtest.h>
#include <iconv.h>

#include "model/UAnsi.h"
#include "model/UBombenPointer.h"
#include "model/USpielRecEinstellungen.h"

TEST(Einstellungen, LevellisteUndExtras) {
    TEinstellungen e;
    std::string pfad = "unveraendert";
    EXPECT_FALSE(e.LevelHolen(1, pfad) || pfad != "unveraendert");
    for (auto p : {"a.dat", "b.dat", "c.dat"}) e.LevelAnhaengen(p);
    EXPECT_TRUE(e.LevelHolen(5, pfad) && pfad == "c.dat");  // beyond the end: the last

    auto r = e.EinstellungenHolen();
    r.Spieler2.MehrBomben = true;
    e.EinstellungenSetzen(r);
    // A bomb cell counts as player 2.
    EXPECT_TRUE(e.ExtrasVon(zaBombe).MehrBomben &&
                !e.ExtrasVon(zaSpieler1ExplosionExtra).MehrBomben);
}

TEST(Bombenliste, LegenZaehlenUndFaelligkeit) {
    TBombenListen l;
    TSpielRecEinstellungen e = StandardRecord();
    l.Anhaengen(0, {2, 3}, 1, true);
    // The other player's bomb does not count.
    EXPECT_TRUE(!l.DarfBombeLegen(e, 1) && l.DarfBombeLegen(e, 2));
    e.Spieler1.MehrBomben = true;
    EXPECT_TRUE(l.DarfBombeLegen(e, 1));
    e.Spieler1.MehrBomben = false;

    for (int i = 0; i < 2; ++i) l.Weiterzaehlen(true);
    l.Anhaengen(0, {4, 4}, 2, true);
    l.Anhaengen(0, {5, 5}, 2, true);
    l.BombeVersetzen({9, 9}, {4, 4});
    l.BombeVersetzen({1, 1}, {7, 7});  // no such bomb: nothing
    for (int i = 0; i < 3; ++i) l.Weiterzaehlen(true);
    EXPECT_TRUE(l.BombeFaellig() && l.ErsterSpieler() == 1);

    // Detonation: the explosion record joins before the bomb record leaves.
    l.Anhaengen(0, l.ErstePosition(true), l.ErsterSpieler(), false);
    l.ErsteEntfernen(true);
    EXPECT_FALSE(l.BombeFaellig() || l.DarfBombeLegen(e, 1));  // its explosion still burns
    EXPECT_TRUE(l.ExplosionBei({2, 3}) && !l.ExplosionBei({2, 4}) && !l.ExplosionBei({3, 3}));
    EXPECT_TRUE(l.ExplosionNeben({4, 3}, 2, riOben));

    // The two bombs laid between the same ticks become due together; the moved one kept its count.
    for (int i = 0; i < 2; ++i) l.Weiterzaehlen(true);
    EXPECT_TRUE(l.BombeFaellig() && l.ErstePosition(true) == (TPosition{9, 9}));
    l.ErsteEntfernen(true);
    EXPECT_TRUE(l.BombeFaellig());

    for (int i = 0; i < 5; ++i) l.Weiterzaehlen(false);
    EXPECT_TRUE(l.ExplosionFaellig());
    l.ErsteEntfernen(false);
    EXPECT_TRUE(l.DarfBombeLegen(e, 1));
    l.ErsteEntfernen(false);  // empty: nothing
}

TEST(Ansi, UmwandlungBeideRichtungen) {
    EXPECT_EQ(Utf8NachAnsi("日本 ok"), "?? ok");
    EXPECT_EQ(Utf8NachAnsi("\xFF\xC3"), "??");  // broken UTF-8 never passes through raw
    // Every byte as the system's iconv reads Windows-1252; the five holes it refuses are the C1
    // controls of the same value. Each byte survives a round trip.
    const iconv_t cd = iconv_open("UTF-8", "CP1252");
    std::string alle;
    for (int b = 0; b < 256; ++b) {
        char ein = char(b), aus[8], *e = &ein, *a = aus;
        std::size_t ne = 1, na = sizeof aus;
        const bool bekannt = iconv(cd, &e, &ne, &a, &na) != std::size_t(-1);
        EXPECT_EQ(AnsiNachUtf8(std::string(1, ein)),
                  (bekannt ? std::string(aus, a) : std::string{char(0xC2), ein}))
            << b;
        alle += ein;
    }
    iconv_close(cd);
    EXPECT_TRUE(Utf8NachAnsi(AnsiNachUtf8(alle)) == alle && Utf8Kuerzen("Müller", 2) == "Mü");
    // The first character that cannot be stored, named for the message.
    EXPECT_EQ(NichtSpeicherbaresZeichen(AnsiNachUtf8(alle)), "") << "every byte, NUL too";
    EXPECT_EQ(NichtSpeicherbaresZeichen("/home/Łódź/a.dat"), "Ł");
    EXPECT_EQ(NichtSpeicherbaresZeichen(std::string("a\xFF") + "b"), "\xFF");
}
