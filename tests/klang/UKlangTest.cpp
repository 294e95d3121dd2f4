// Mixing overlapping sounds, and the SDL output with a device, without one and with bad files.
#include "klang/UKlangAusgabe.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <thread>

#include "hilfen/TestHilfen.h"

TEST(Mischer, UeberlagertBegrenztUndGibtDieAeltesteStimmeAuf) {
    const TProben a = {1000, 2000, 3000}, b = {30000, 30000}, c = {-30000, -30000, -30000, -30000};
    TMischer m;
    m.Hinzufuegen(&a);
    m.Hinzufuegen(&b);
    std::int16_t aus[4];
    m.Mischen(aus, 2, 100);
    // Overlapping sounds add up; above three quarters of full scale the sum bends softly
    // towards the limit instead of wrapping or being cut off.
    EXPECT_EQ(std::vector(aus, aus + 2),
              (std::vector<std::int16_t>{Begrenzt(31000), Begrenzt(32000)}));
    EXPECT_EQ(Begrenzt(24576), 24576);
    EXPECT_LT(Begrenzt(31000), Begrenzt(32000));
    EXPECT_EQ(Begrenzt(32767), 24576 + 8191 / 2);  // full scale is bent down by half the rest
    EXPECT_EQ(Begrenzt(-1000000), -Begrenzt(1000000));
    EXPECT_LT(Begrenzt(1000000), 32767);
    EXPECT_EQ(m.Aktiv(), 1);  // b has ended
    m.Hinzufuegen(&c);
    m.Mischen(nullptr, 0, 50);  // asked for nothing: nothing written, nothing used up
    m.Mischen(aus, 4, 50);      // half the slider: a quarter of the amplitude
    EXPECT_EQ(std::vector(aus, aus + 4), (std::vector<std::int16_t>{-6750, -7500, -7500, -7500}));
    EXPECT_EQ(m.Aktiv(), 0);
    m.Mischen(aus, 4, 100);
    EXPECT_EQ(std::vector(aus, aus + 4), (std::vector<std::int16_t>{0, 0, 0, 0}));
    // Seventeen at once: the first one started (1) gives way to the last (17).
    std::vector<TProben> viele(17);
    for (int i = 0; i < 17; ++i) viele[std::size_t(i)] = TProben(2, std::int16_t(i + 1));
    for (const TProben& p : viele) m.Hinzufuegen(&p);
    EXPECT_EQ(m.Aktiv(), TMischer::kStimmen);
    m.Mischen(aus, 1, 100);
    EXPECT_EQ(aus[0], 17 * 18 / 2 - 1);
}

TEST(KlangAusgabe, MitGeraetOhneGeraetUndMitKaputterDatei) {
    // SDL's dummy driver stands for a device: every file is read, a broken one is left out.
    TTestOrdner o;
    std::filesystem::copy(KNALLFELD_KLAENGE, o.Ordner());
    SchreibeBytes(o.Pfad("explosion.wav"), {'R', 'I', 'F', 'F', 0, 0});
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    {
        TKlangAusgabe a(o.Ordner());
        a.Spielen(TKlang::Explosion);
        ASSERT_TRUE(a.WartenBisBereit());
        EXPECT_EQ(a.Geladen(), kKlangAnzahl - 1);
        // The game's files need no conversion: each sound is its file's samples.
        for (int k = 0; k < kKlangAnzahl; ++k) {
            const auto wav = LiesBytes(o.Pfad(KlangDatei(TKlang(k))));
            const std::string daten = "data";
            const auto d = std::search(wav.begin(), wav.end(), daten.begin(), daten.end());
            TProben soll;
            if (d != wav.end() && TKlang(k) != TKlang::Explosion) {
                soll.resize(std::size_t(d[4] | d[5] << 8 | d[6] << 16 | d[7] << 24) / 2);
                std::memcpy(soll.data(), &d[8], soll.size() * 2);
            }
            EXPECT_EQ(a.Proben(TKlang(k)), soll) << k;
        }
        a.Spielen(TKlang::Explosion);  // no sound, no crash
        // The device plays: a sound of 0.14 s is over soon, and no file of the folder is
        // left open.
        a.Spielen(TKlang::BombeGelegt);
        const auto bis = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (a.Spielend() > 0 && std::chrono::steady_clock::now() < bis)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        EXPECT_EQ(a.Spielend(), 0);
        int offen = 0;
        for (const auto& fd : std::filesystem::directory_iterator("/proc/self/fd")) {
            std::error_code ec;
            offen += std::filesystem::read_symlink(fd.path(), ec).string().starts_with(o.Ordner());
        }
        EXPECT_EQ(offen, 0);
    }
    // Switched off: not even SDL is loaded for it.
    {
        TKlangAusgabe a(o.Ordner());
        a.Einstellen(false, 80);
        a.Spielen(TKlang::Explosion);
        EXPECT_FALSE(a.WartenBisBereit() || a.Spielend() != 0);
    }
    // No device at all (ALSA with a configuration that knows none, whatever this machine has):
    // silent, one line on standard error and nothing of the audio library's own.
    setenv("SDL_AUDIODRIVER", "alsa", 1);
    SchreibeBytes(o.Pfad("leer.conf"), {});
    setenv("ALSA_CONFIG_PATH", o.Pfad("leer.conf").c_str(), 1);
    testing::internal::CaptureStderr();
    {
        TKlangAusgabe a(o.Ordner());
        a.Spielen(TKlang::Explosion);
        EXPECT_FALSE(a.WartenBisBereit());
        a.Spielen(TKlang::Explosion);
    }
    const std::string fehler = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(fehler.starts_with("Knallfeld: kein Ton (")) << fehler;
    EXPECT_EQ(std::count(fehler.begin(), fehler.end(), '\n'), 1) << fehler;
    unsetenv("ALSA_CONFIG_PATH");
    unsetenv("SDL_AUDIODRIVER");
}

TEST(KlangAusgabe, WasBeimOeffnenVerlangtWirdKlingtNurFrisch) {
    // Asked for before the device is open: at most eight wait, and they sound once it is, if
    // it opened within 120 ms. A file to convert (8-bit stereo at 11 025 Hz) keeps the device
    // from being ready at once; one as large as a sound may be makes it late.
    TTestOrdner o;
    std::filesystem::copy(KNALLFELD_KLAENGE, o.Ordner());
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const auto oeffnen = [&](std::uint32_t n) {
        const std::string kopf(
            "RIFF\0\0\0\0WAVEfmt \x10\0\0\0\x01\0\x02\0\x11\x2B\0\0\x22\x56\0\0\x02\0\x08\0data",
            40);
        std::vector<unsigned char> wav(kopf.begin(), kopf.end());
        for (int i = 0; i < 4; ++i) wav.push_back(std::uint8_t(n >> (8 * i)));
        wav.resize(wav.size() + n, 128);
        SchreibeBytes(o.Pfad(KlangDatei(TKlang::BombeGelegt)), wav);
        TKlangAusgabe a(o.Ordner());
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < 9; ++i) a.Spielen(TKlang::Explosion);
        EXPECT_TRUE(a.WartenBisBereit() && a.Geladen() == kKlangAnzahl);
        return std::pair(std::chrono::steady_clock::now() - start, a.Spielend());
    };
    const auto [frisch, klingen] = oeffnen(256u << 10);
    if (frisch < std::chrono::milliseconds(100)) {
        EXPECT_EQ(klingen, 8);
    }
    const auto [spaet, still] = oeffnen((8u << 20) - 44);
    if (spaet > std::chrono::milliseconds(150)) {
        EXPECT_EQ(still, 0);
    }
    unsetenv("SDL_AUDIODRIVER");
}
