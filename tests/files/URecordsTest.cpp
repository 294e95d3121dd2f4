#include "files/URecords.h"

#include <gtest/gtest.h>

namespace {

using TRoh = std::vector<std::uint8_t>;

void Text(TRoh& r, std::size_t ofs, const std::string& ansi) {
    r[ofs] = static_cast<std::uint8_t>(ansi.size());
    std::copy(ansi.begin(), ansi.end(), r.begin() + ofs + 1);
}

void Bytes(TRoh& r, std::size_t ofs, std::initializer_list<std::uint8_t> b) {
    std::copy(b.begin(), b.end(), r.begin() + ofs);
}

}  // namespace

TEST(Records, ZelleUndFeldDaten) {
    EXPECT_EQ(PackeZelle({zaWasser, 0x1234, true}), (TRoh{0x03, 0, 0x34, 0x12, 0x01, 0}));
    // Padding is ignored and any non-zero byte is true.
    const TRoh zelle{0x13, 0xAA, 0xFF, 0xFF, 0x02, 0xBB};
    EXPECT_EQ(EntpackeZelle(zelle.data()), (TZelle{19, 0xFFFF, true}));

    TRoh feld(36, 0);
    Text(feld, 0, "Arena \xC4");
    Bytes(feld, 22, {0x19, 0x00, 0x10, 0x00, 0x28, 0x00, 0x0A, 0x00});
    Bytes(feld, 32, {0x00, 0x80, 0x00, 0x00});
    const TFeldDaten d{"Arena Ä", 25, 16, 40, 10, clGruen};
    EXPECT_EQ(PackeFeldDaten(d), feld);
    feld[21] = 0x77;
    feld[30] = 0x77;
    EXPECT_EQ(EntpackeFeldDaten(feld.data()), d);

    // A name beyond the capacity is cut; a length byte beyond it reads as the capacity.
    EXPECT_EQ(PackeFeldDaten({"abcdefghijklmnopqrstuvwxyz", 1, 1, 1, 1, 0})[0], 20);
    feld[0] = 200;
    EXPECT_EQ(EntpackeFeldDaten(feld.data()).Name.size(),
              std::string("Arena \xC3\x84").size() + 13);
}

TEST(Records, BildEintragLevelPfadUndHighscore) {
    TRoh bild(260, 0);
    Bytes(bild, 0, {0x03, 0x00, 0x07, 0x01});
    Text(bild, 4, "C:\\Bilder\\Wasser\\w.bmp");
    const TBildEintrag e{3, 0x0107, "C:\\Bilder\\Wasser\\w.bmp"};
    EXPECT_EQ(PackeBildEintrag(e), bild);
    EXPECT_EQ(EntpackeBildEintrag(bild.data()), e);

    TRoh pfad(256, 0);
    Text(pfad, 0,
         "/home/spieler/Levels/M\xFC"
         "nchen.dat");
    EXPECT_EQ(PackeLevelPfad("/home/spieler/Levels/München.dat"), pfad);
    EXPECT_EQ(EntpackeLevelPfad(pfad.data()), "/home/spieler/Levels/München.dat");
    const TRoh lang = PackeLevelPfad(std::string(300, 'x'));
    EXPECT_EQ(lang[0], 255);
    EXPECT_EQ(lang[255], 'x');

    TRoh hs(24, 0);
    Text(hs, 0, "Zo\xEB ?");
    Bytes(hs, 22, {0x90, 0x01});
    // A character the ANSI code page lacks is stored as "?".
    EXPECT_EQ(PackeHighscore({"Zoë ★", 400}), hs);
    EXPECT_EQ(EntpackeHighscore(hs.data()), (THighscoreEintrag{"Zoë ?", 400}));
}

TEST(Records, StandardEinstellungenBytegenau) {
    TRoh r(1634, 0);
    Bytes(r, 0, {0x57, 0, 0x53, 0, 0x41, 0, 0x44, 0, 0x45, 0, 0x52, 0});
    Text(r, 12, "Spieler 1");
    Bytes(r, 298, {0x26, 0, 0x28, 0, 0x25, 0, 0x27, 0, 0x20, 0, 0x11, 0});
    Text(r, 298 + 12, "Spieler 2");
    Bytes(r, 596, {0x03, 0x00, 0xD0, 0x07, 0x0A, 0x00, 0xD0, 0x07, 0xD0, 0x07, 0x1E, 0x32, 0x03});
    EXPECT_EQ(PackeEinstellungen(StandardRecord()), r);
    EXPECT_EQ(EntpackeEinstellungen(r.data()), StandardRecord());
}

TEST(Records, EinstellungenJedesFeldAnSeinerStelle) {
    TRoh r(1634, 0);
    Text(r, 298 + 33, "/bilder/spieler2.bmp");
    Bytes(r, 298 + 289, {1, 7, 1, 0, 1, 0, 0xEE, 0x34, 0x12});
    Bytes(r, 289, {0, 0, 0, 1, 0, 5});
    Bytes(r, 596, {100, 9});
    Text(r, 609, "w");
    Text(r, 865, "m");
    Text(r, 1121, "u");
    Text(r, 1377, "k");
    r[1633] = 0x99;

    const TSpielRecEinstellungen e = EntpackeEinstellungen(r.data());
    EXPECT_EQ(e.Spieler2.Bild, "/bilder/spieler2.bmp");
    EXPECT_TRUE(e.Spieler2.Computer);
    EXPECT_EQ(e.Spieler2.Reserviert, 7);
    EXPECT_TRUE(e.Spieler2.Werfen);
    EXPECT_FALSE(e.Spieler2.MehrBomben);
    EXPECT_TRUE(e.Spieler2.Unverwundbar);
    EXPECT_FALSE(e.Spieler2.Krank);
    EXPECT_EQ(e.Spieler2.Punkte, 0x1234);
    EXPECT_TRUE(e.Spieler1.MehrBomben);
    EXPECT_TRUE(e.Spieler1.Krank);  // any non-zero byte
    EXPECT_EQ(e.Rundenanzahl, 100);
    EXPECT_TRUE(e.LevelZufall);
    EXPECT_EQ(e.BildWerfen + e.BildMehrBomben + e.BildUnverwundbar + e.BildKrankheit, "wmuk");

    // Written back, the padding bytes are 0 and booleans 1.
    TRoh zurueck = r;
    zurueck[298 + 295] = 0;
    zurueck[1633] = 0;
    zurueck[294] = 1;
    zurueck[597] = 1;
    EXPECT_EQ(PackeEinstellungen(e), zurueck);
}
