// Draws the game's sounds: every event of a match as a short 16-bit PCM WAV file (mono,
// 22 050 Hz), synthesised here from tones and filtered noise. Run by hand; its output is
// committed.
//
//   knallfeld-klaenge ORDNER      writes ORDNER/Klaenge/*.wav
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "match/UKlang.h"

namespace {

constexpr int kRate = 22050;
constexpr double kPi = 3.14159265358979323846;

using TSpur = std::vector<double>;

int Proben(double sekunden) {
    return int(std::lround(sekunden * kRate));
}

// A fixed-seed noise source, so that every run writes the same files.
struct TRauschen {
    std::uint32_t z = 0x2545F491;
    double operator()() {
        z ^= z << 13;
        z ^= z >> 17;
        z ^= z << 5;
        return double(z) / 2147483648.0 - 1.0;
    }
};

// Rises in `an` seconds, then falls exponentially with the given half-life; the last 8 ms of a
// part of `dauer` seconds fade to nothing, so that no part ends with a click.
double Huelle(double t, double an, double halbwert, double dauer) {
    const double ende = std::clamp((dauer - t) / 0.008, 0.0, 1.0);
    if (t < an) return t / an * ende;
    return std::pow(0.5, (t - an) / halbwert) * ende;
}

enum class TForm { Sinus, Dreieck, Weich };

double Welle(TForm f, double phase) {
    const double s = std::sin(phase);
    switch (f) {
        case TForm::Dreieck:
            return 2.0 / kPi * std::asin(s);
        case TForm::Weich:  // a square with its edges rounded off
            return std::tanh(3.0 * s);
        default:
            return s;
    }
}

// A tone gliding from f0 to f1 (exponentially), added to the track from `ab` seconds on.
void Ton(TSpur& spur, double ab, double dauer, double f0, double f1, TForm form, double laut,
         double an, double halbwert, double vibrato = 0, double vibratoHz = 0) {
    const int start = Proben(ab), n = Proben(dauer);
    if (int(spur.size()) < start + n) spur.resize(std::size_t(start + n), 0.0);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        double f = f0 * std::pow(f1 / f0, t / dauer);
        f *= 1.0 + vibrato * std::sin(2 * kPi * vibratoHz * t);
        phase += 2 * kPi * f / kRate;
        spur[std::size_t(start + i)] += laut * Huelle(t, an, halbwert, dauer) * Welle(form, phase);
    }
}

// Noise through a low-pass whose cut-off glides from c0 to c1 Hz.
void Rauschen(TSpur& spur, double ab, double dauer, double c0, double c1, double laut, double an,
              double halbwert, std::uint32_t saat = 1) {
    const int start = Proben(ab), n = Proben(dauer);
    if (int(spur.size()) < start + n) spur.resize(std::size_t(start + n), 0.0);
    TRauschen r;
    r.z += saat * 2654435761u;
    double y1 = 0, y2 = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double c = c0 * std::pow(c1 / c0, t / dauer);
        const double a = 1.0 - std::exp(-2 * kPi * c / kRate);
        y1 += a * (r() - y1);  // two poles: a softer slope
        y2 += a * (y1 - y2);
        spur[std::size_t(start + i)] += laut * Huelle(t, an, halbwert, dauer) * y2 * 2.0;
    }
}

// Peak to `spitze` of full scale, with short fades so that nothing clicks.
std::vector<std::int16_t> Fertig(TSpur spur, double spitze) {
    double max = 1e-9;
    for (double v : spur) max = std::max(max, std::abs(v));
    const int ein = Proben(0.002), aus = Proben(0.012);
    std::vector<std::int16_t> pcm(spur.size());
    for (std::size_t i = 0; i < spur.size(); ++i) {
        double v = spur[i] / max * spitze;
        if (int(i) < ein) v *= double(i) / ein;
        const int rest = int(spur.size() - 1 - i);
        if (rest < aus) v *= double(rest) / aus;
        pcm[i] = std::int16_t(std::lround(std::clamp(v, -1.0, 1.0) * 32767));
    }
    return pcm;
}

void WavSchreiben(const std::filesystem::path& pfad, const std::vector<std::int16_t>& pcm) {
    std::ofstream f(pfad, std::ios::binary);
    auto wort = [&](std::uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) f.put(char((v >> (8 * i)) & 0xFF));
    };
    const std::uint32_t daten = std::uint32_t(pcm.size() * 2);
    f.write("RIFF", 4);
    wort(36 + daten, 4);
    f.write("WAVEfmt ", 8);
    wort(16, 4);
    wort(1, 2);  // PCM
    wort(1, 2);  // mono
    wort(kRate, 4);
    wort(kRate * 2, 4);
    wort(2, 2);
    wort(16, 2);
    f.write("data", 4);
    wort(daten, 4);
    for (std::int16_t s : pcm) wort(std::uint16_t(s), 2);
}

// A short melody: each note a sine with two soft overtones and a quick decay.
void Melodie(TSpur& s, std::initializer_list<std::pair<double, double>> noten, double schritt,
             double halbwert) {
    double t = 0;
    for (const auto& [f, laenge] : noten) {
        Ton(s, t, laenge + 0.15, f, f, TForm::Sinus, 0.5, 0.004, halbwert);
        Ton(s, t, laenge + 0.15, 2 * f, 2 * f, TForm::Sinus, 0.15, 0.004, halbwert * 0.6);
        Ton(s, t, laenge + 0.15, 3 * f, 3 * f, TForm::Sinus, 0.05, 0.004, halbwert * 0.4);
        t += schritt;
    }
}

TSpur Erzeugen(TKlang k) {
    TSpur s;
    using enum TKlang;
    switch (k) {
        case BombeGelegt:  // a soft plop
            Ton(s, 0, 0.14, 260, 130, TForm::Sinus, 0.9, 0.003, 0.035);
            Rauschen(s, 0, 0.03, 3000, 800, 0.25, 0.001, 0.008);
            return s;
        case BombeGeworfen:  // a whoosh through the air
            Rauschen(s, 0, 0.26, 500, 2500, 0.8, 0.12, 0.05, 2);
            return s;
        case BombeGelandet:  // a thud once the throw is over
            s.resize(std::size_t(Proben(0.18)), 0.0);
            Ton(s, 0.18, 0.16, 140, 60, TForm::Sinus, 0.9, 0.002, 0.04);
            Rauschen(s, 0.18, 0.08, 1200, 300, 0.35, 0.001, 0.02, 3);
            return s;
        case Explosion:  // a deep boom with a rumbling tail
            Rauschen(s, 0, 0.75, 3500, 150, 1.0, 0.004, 0.12, 4);
            Ton(s, 0, 0.6, 80, 38, TForm::Sinus, 0.8, 0.005, 0.12);
            return s;
        case BlockZerstoert:  // crumbling: short grains of noise
            for (int i = 0; i < 7; ++i)
                Rauschen(s, 0.03 * i + 0.004 * (i % 3), 0.07, 2600 - 200 * i, 700, 0.5 - 0.05 * i,
                         0.002, 0.015, std::uint32_t(10 + i));
            return s;
        case ExtraFreigelegt:  // a sparkle
            Ton(s, 0, 0.2, 1318.5, 1318.5, TForm::Sinus, 0.5, 0.003, 0.05);
            Ton(s, 0.07, 0.2, 1760, 1760, TForm::Sinus, 0.5, 0.003, 0.05);
            return s;
        case ExtraWerfen:  // rising, up and away
            Melodie(s, {{523.3, 0.07}, {659.3, 0.07}, {784.0, 0.1}}, 0.07, 0.05);
            return s;
        case ExtraMehrBomben:  // two bloops, low and high
            Ton(s, 0, 0.14, 392, 440, TForm::Weich, 0.35, 0.004, 0.04);
            Ton(s, 0.11, 0.18, 784, 880, TForm::Weich, 0.35, 0.004, 0.05);
            return s;
        case ExtraUnverwundbar:  // a shimmering chord
            for (double f : {523.3, 659.3, 784.0, 1046.5})
                Ton(s, 0, 0.45, f, f, TForm::Sinus, 0.3, 0.02, 0.12, 0.004, 7);
            return s;
        case ExtraKrankheit:  // a queasy, wobbling fall
            Ton(s, 0, 0.45, 420, 230, TForm::Dreieck, 0.7, 0.01, 0.15, 0.06, 9);
            return s;
        case UnverwundbarEndet:  // a short warning beep
            Ton(s, 0, 0.09, 987.8, 987.8, TForm::Dreieck, 0.6, 0.003, 0.03);
            return s;
        case TastenVertauscht:  // a boing back and forth
            Ton(s, 0, 0.22, 600, 420, TForm::Dreieck, 0.6, 0.004, 0.06, 0.12, 22);
            return s;
        case WasserSteigt:  // a quiet blub
            Ton(s, 0, 0.14, 280, 520, TForm::Sinus, 0.6, 0.01, 0.03);
            return s;
        case SpielerGetroffen:  // an "ouch" falling off
            Ton(s, 0, 0.38, 720, 180, TForm::Weich, 0.45, 0.005, 0.1);
            Rauschen(s, 0, 0.12, 2000, 600, 0.2, 0.002, 0.03, 5);
            return s;
        case SpielerErtrunken:  // bubbles sinking
            for (int i = 0; i < 6; ++i)
                Ton(s, 0.075 * i, 0.1, 520 - 45 * i, 760 - 60 * i, TForm::Sinus, 0.6 - 0.05 * i,
                    0.006, 0.025);
            return s;
        case RundeGewonnen:  // a short fanfare
            Melodie(s, {{523.3, 0.09}, {659.3, 0.09}, {784.0, 0.09}, {1046.5, 0.2}}, 0.1, 0.09);
            return s;
        case RundeUnentschieden:  // two neutral notes
            Melodie(s, {{587.3, 0.12}, {523.3, 0.2}}, 0.16, 0.1);
            return s;
        case MatchGewonnen:  // the fanfare with a held chord
            Melodie(s, {{523.3, 0.1}, {659.3, 0.1}, {784.0, 0.1}, {1046.5, 0.1}}, 0.11, 0.08);
            for (double f : {523.3, 659.3, 784.0, 1046.5})
                Ton(s, 0.44, 0.6, f, f, TForm::Dreieck, 0.25, 0.01, 0.2);
            return s;
        case Sturmflut:  // a storm horn over a swelling surge
            Rauschen(s, 0, 1.2, 300, 1400, 0.7, 0.5, 0.4, 6);
            Ton(s, 0.05, 1.0, 110, 98, TForm::Weich, 0.35, 0.15, 0.5, 0.01, 5);
            Ton(s, 0.05, 1.0, 165, 147, TForm::Weich, 0.2, 0.15, 0.5, 0.01, 5);
            return s;
        case SturmflutRing:  // a short wave breaking
            Rauschen(s, 0, 0.25, 1800, 400, 0.8, 0.03, 0.06, 7);
            return s;
    }
    return s;
}

// How loud each sound is against the loudest (the explosion): water and warnings stay quiet.
double Spitze(TKlang k) {
    switch (k) {
        case TKlang::Explosion:
            return 0.89;
        case TKlang::WasserSteigt:
        case TKlang::SturmflutRing:
            return 0.22;
        case TKlang::UnverwundbarEndet:
        case TKlang::BombeGelegt:
        case TKlang::ExtraFreigelegt:
            return 0.45;
        default:
            return 0.6;
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "Aufruf: knallfeld-klaenge ORDNER\n");
        return 2;
    }
    const std::filesystem::path ordner = std::filesystem::path(argv[1]) / "Klaenge";
    std::filesystem::create_directories(ordner);
    for (int i = 0; i < kKlangAnzahl; ++i) {
        const TKlang k = TKlang(i);
        const auto pcm = Fertig(Erzeugen(k), Spitze(k));
        WavSchreiben(ordner / KlangDatei(k), pcm);
        std::printf("%-24s %.3f s\n", KlangDatei(k).c_str(), double(pcm.size()) / kRate);
    }
    return 0;
}
