// The game's sound through SDL2's audio: every event's WAV file from the Klaenge folder, mixed
// so that sounds overlap. Nothing happens at start-up: the first match window (or the first
// sound) loads SDL, opens the device and reads the files on a thread of their own.
// Without a sound server or device the game stays silent, with one line on standard error.
#pragma once

#include <array>
#include <atomic>
#include <chrono>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "klang/UKlaenge.h"
#include "klang/UMischer.h"

struct TSdl;

class TKlangAusgabe final : public IKlaenge {
  public:
    // `ordner`: the folder with the WAV files, with a trailing "/".
    explicit TKlangAusgabe(std::string ordner);
    ~TKlangAusgabe() override;
    TKlangAusgabe(const TKlangAusgabe&) = delete;
    TKlangAusgabe& operator=(const TKlangAusgabe&) = delete;

    void Einstellen(bool an, int lautstaerke) override;
    void Spielen(TKlang k) override;
    void Vorbereiten() override;

    // For tests: waits until the device is open or has failed; true when it is open.
    bool WartenBisBereit();
    // The sounds whose files could be read, and one sound's samples (after WartenBisBereit).
    int Geladen() const;
    const TProben& Proben(TKlang k) const { return klaenge_[std::size_t(k)]; }
    // The sounds playing now (after WartenBisBereit).
    int Spielend();

    // 22 050 Hz mono 16-bit, as the game's own files are; other files are converted.
    static constexpr int kRate = 22050;

  private:
    void Starten();
    void Oeffnen();
    void Abspielen(TKlang k);
    static void Rueckruf(void* selbst, std::uint8_t* strom, int laenge);

    std::string ordner_;
    std::atomic<bool> an_{true};
    std::atomic<int> lautstaerke_{80};
    std::once_flag gestartet_;
    std::thread arbeiter_;
    std::atomic<int> zustand_{0};  // 0 not yet, 1 open, 2 failed
    const TSdl* sdl_ = nullptr;
    std::uint32_t geraet_ = 0;
    std::array<TProben, kKlangAnzahl> klaenge_;
    TMischer mischer_;
    // Sounds asked for while the device was still opening, played when it is ready if still
    // fresh.
    std::mutex wartend_;
    std::vector<std::pair<TKlang, std::chrono::steady_clock::time_point>> warteliste_;
};
