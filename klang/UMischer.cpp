#include "klang/UMischer.h"

#include <algorithm>

std::int16_t Begrenzt(std::int64_t x) {
    // Above the knee the level bends towards full scale instead of being cut off: several loud
    // sounds at once get louder without the harsh edges of clipping.
    constexpr std::int64_t knie = 24576, rest = 32767 - knie;
    const std::int64_t betrag = x < 0 ? -x : x;
    if (betrag <= knie) return std::int16_t(x);
    const std::int64_t ueber = betrag - knie;
    const std::int64_t y = knie + ueber * rest / (ueber + rest);
    return std::int16_t(x < 0 ? -y : y);
}

void TMischer::Hinzufuegen(const TProben* klang) {
    if (!klang || klang->empty()) return;
    TStimme* frei = &stimmen_[0];
    for (TStimme& s : stimmen_) {
        if (!s.Daten) {
            frei = &s;
            break;
        }
        if (s.Beginn < frei->Beginn) frei = &s;
    }
    *frei = {klang, 0, ++zaehler_};
}

void TMischer::Mischen(std::int16_t* aus, int n, int lautstaerke) {
    // The ear hears loudness logarithmically; a square makes the slider's middle sound halfway.
    const int v = std::clamp(lautstaerke, 0, 100);
    const std::int64_t faktor = std::int64_t(v) * v;  // of 10 000
    // Grows once to the device's buffer size; no allocation in the audio thread after that.
    std::vector<std::int32_t>& summe = summe_;
    summe.assign(std::size_t(std::max(n, 0)), 0);
    for (TStimme& s : stimmen_) {
        if (!s.Daten) continue;
        const std::size_t rest = s.Daten->size() - s.Pos;
        const std::size_t k = std::min<std::size_t>(rest, summe.size());
        for (std::size_t i = 0; i < k; ++i) summe[i] += (*s.Daten)[s.Pos + i];
        s.Pos += k;
        if (s.Pos >= s.Daten->size()) s = {};
    }
    for (std::size_t i = 0; i < summe.size(); ++i) aus[i] = Begrenzt(summe[i] * faktor / 10000);
}

int TMischer::Aktiv() const {
    return int(std::count_if(stimmen_.begin(), stimmen_.end(),
                             [](const TStimme& s) { return s.Daten != nullptr; }));
}
