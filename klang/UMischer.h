// Mixes the sounds that play at once into one stream of 16-bit samples. Not thread-safe: the
// audio callback and the adding side share it under the device's lock.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

using TProben = std::vector<std::int16_t>;

// A mixed sample in the 16-bit range: unchanged up to three quarters of full scale, softly
// limited above.
std::int16_t Begrenzt(std::int64_t x);

class TMischer {
  public:
    static constexpr int kStimmen = 16;

    // Starts a sound; when all voices play, the one that started first gives way. The samples
    // must outlive their playing.
    void Hinzufuegen(const TProben* klang);
    // Fills `n` samples: the sum of all voices, scaled by the volume (0 to 100, felt roughly
    // linearly), softly limited to the 16-bit range. Finished voices fall silent.
    void Mischen(std::int16_t* aus, int n, int lautstaerke);
    int Aktiv() const;

  private:
    struct TStimme {
        const TProben* Daten = nullptr;
        std::size_t Pos = 0;
        std::uint64_t Beginn = 0;
    };
    std::array<TStimme, kStimmen> stimmen_{};
    std::uint64_t zaehler_ = 0;
    std::vector<std::int32_t> summe_;
};
