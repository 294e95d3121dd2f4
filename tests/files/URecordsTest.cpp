#include "files/URecords.h"

#include <gtest/gtest.h>
#include <string_view>

using namespace std::literals;

namespace {

using TRoh = std::vector<std::uint8_t>;

// r with the given raw pieces written at their offsets.
TRoh Mit(TRoh r, std::initializer_list<std::pair<std::size_t, std::string_view>> teile) {
    for (auto [ofs, b] : teile) std::copy(b.begin(), b.end(), r.begin() + ofs);
    return r;
}

struct TFall {
    std::string Art;
    TRoh Gepackt, Soll;
    bool ZurueckGleich;
};

template <class T, class P, class E>
TFall Fall(std::string art, const T& wert, P packe, E entpacke, TRoh soll) {
    const bool zurueck = entpacke(soll.data()) == wert;
    return {art, packe(wert), std::move(soll), zurueck};
}

const auto kStandard =
    Mit(TRoh(1634), {{0, "W\0S\0A\0D\0E\0R\0"sv},
                     // clang-format off
                     {12, "\x09Spieler 1"sv}, {298, "\x26\0\x28\0\x25\0\x27\0\x20\0\x11\0"sv},
                     {310, "\x09Spieler 2"sv},
                     // clang-format on
                     {596, "\x03\x00\xD0\x07\x0A\x00\xD0\x07\xD0\x07\x1E\x32\x03"sv}});

}  // namespace

TEST(Records, GoldeneBytesAllerSechsArten) {
    TSpielRecEinstellungen e = StandardRecord();
    e.Spieler1.MehrBomben = e.Spieler1.Krank = true;
    e.Spieler2.Bild = "/bilder/spieler2.bmp";
    e.Spieler2.Computer = e.Spieler2.Werfen = e.Spieler2.Unverwundbar = true;
    e.Spieler1.Reserviert = 5, e.Spieler2.Reserviert = 7;
    e.Spieler2.Punkte = 0x1234, e.Rundenanzahl = 100, e.LevelZufall = true, e.ExploDauer = 3000;
    e.BildWerfen = "w", e.BildMehrBomben = "m", e.BildUnverwundbar = "u", e.BildKrankheit = "k";
    // clang-format off
    const TRoh geaendert = Mit(kStandard, {{289, "\0\x05\0\x01\0\x01"sv},
        {298 + 33, "\x14/bilder/spieler2.bmp"sv}, {298 + 289, "\x01\x07\x01\0\x01\0\0\x34\x12"sv},
        {596, "\x64\x01"sv}, {604, "\xB8\x0B"sv}, {609, "\x01w"sv}, {865, "\x01m"sv},
        {1121, "\x01u"sv}, {1377, "\x01k"sv}});
    const TFall faelle[] = {
        Fall("Zelle", TZelle{zaWasser, 0x1234, true}, PackeZelle, EntpackeZelle,
             Mit(TRoh(6), {{0, "\x03\0\x34\x12\x01"sv}})),
        Fall("FeldDaten", TFeldDaten{"Arena Ä", 25, 16, 40, 10, clGruen}, PackeFeldDaten,
             EntpackeFeldDaten, Mit(TRoh(36), {{0, "\x07" "Arena \xC4"sv},
                                               {22, "\x19\0\x10\0\x28\0\x0A\0\0\0\0\x80"sv}})),
        Fall("BildEintrag", TBildEintrag{3, 0x0107, "C:\\Bilder\\w.bmp"}, PackeBildEintrag,
             EntpackeBildEintrag,
             Mit(TRoh(260), {{0, "\x03\0\x07\x01\x0F" "C:\\Bilder\\w.bmp"sv}})),
        Fall("LevelPfad", "/home/spieler/München.dat"s, PackeLevelPfad, EntpackeLevelPfad,
             Mit(TRoh(256), {{0, "\x19/home/spieler/M\xFCnchen.dat"sv}})),
        Fall("Highscore", THighscoreEintrag{"Zoë ?", 400}, PackeHighscore, EntpackeHighscore,
             Mit(TRoh(24), {{0, "\x05Zo\xEB ?"sv}, {22, "\x90\x01"sv}})),
        Fall("Einstellungen geaendert", e, PackeEinstellungen, EntpackeEinstellungen, geaendert),
    };
    // clang-format on
    for (const TFall& f : faelle) {
        SCOPED_TRACE(f.Art);
        EXPECT_TRUE(f.Gepackt == f.Soll && f.ZurueckGleich);
    }

    // A character the code page lacks is stored as "?"; text beyond the capacity is cut.
    EXPECT_EQ(PackeHighscore({"Zoë ★", 400}), faelle[4].Soll);
    TRoh lang = PackeFeldDaten({std::string(26, 'a'), 1, 1, 1, 1, 0});
    const TRoh name = PackeHighscore({std::string(25, 'n'), 7});
    EXPECT_TRUE(lang[0] == 20 && name[0] == 20 && PackeLevelPfad(std::string(300, 'x'))[0] == 255);
    EXPECT_EQ(EntpackeHighscore(name.data()), (THighscoreEintrag{std::string(20, 'n'), 7}));
    // Reading tolerates padding, any non-zero boolean and a length byte beyond the capacity.
    lang[0] = 200;
    EXPECT_EQ(EntpackeFeldDaten(lang.data()).Name, std::string(20, 'a'));
    EXPECT_EQ(EntpackeZelle(TRoh{0x13, 0xAA, 0xFF, 0xFF, 0x02, 0xBB}.data()),
              (TZelle{19, 0xFFFF, true}));
    const TRoh fremd =
        Mit(geaendert, {{294, "\x05"sv}, {597, "\x09"sv}, {593, "\xEE"sv}, {1633, "\x99"sv}});
    EXPECT_EQ(EntpackeEinstellungen(fremd.data()), e);
    // Each picture path of the settings holds 255 characters.
    e.Spieler1.Bild = e.Spieler2.Bild = e.BildWerfen = e.BildMehrBomben = e.BildUnverwundbar =
        e.BildKrankheit = std::string(300, 'p');
    const TRoh bilder = PackeEinstellungen(e);
    for (std::size_t ofs : {33, 331, 609, 865, 1121, 1377}) EXPECT_EQ(bilder[ofs], 255) << ofs;
    EXPECT_EQ(EntpackeEinstellungen(bilder.data()).BildKrankheit, std::string(255, 'p'));
}
