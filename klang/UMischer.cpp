#include "klang/UMischer.h"

#include <algorithm>

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
    for (std::size_t i = 0; i < summe.size(); ++i)
        aus[i] = std::int16_t(std::clamp<std::int64_t>(summe[i] * faktor / 10000, -32768, 32767));
}

int TMischer::Aktiv() const {
    return int(std::count_if(stimmen_.begin(), stimmen_.end(),
                             [](const TStimme& s) { return s.Daten != nullptr; }));
}
