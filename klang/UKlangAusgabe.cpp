#include "klang/UKlangAusgabe.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include "sdl/USdl.h"

namespace {

// A replaced file longer than this is not a sound effect; it is not read.
constexpr std::uintmax_t kGroessteDatei = 8u << 20;
// A sound asked for while the device opened is still played if it is this fresh: with the
// device's buffer it is then heard within 150 ms of its event. Later it would only confuse.
constexpr auto kNochFrisch = std::chrono::milliseconds(120);

void AlsaSchweigt(const char*, int, const char*, int, const char*, ...) {}

// Without a sound device, ALSA (which SDL tries after PulseAudio) writes its own lines on
// standard error before SDL reports the failure; the game's one line says all there is. The
// library is the one SDL loads itself; without it there is nothing to quieten.
void AlsaStillHalten() {
    void* alsa = dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!alsa) return;
    using THandler = void (*)(const char*, int, const char*, int, const char*, ...);
    if (auto setzen = reinterpret_cast<int (*)(THandler)>(dlsym(alsa, "snd_lib_error_set_handler")))
        setzen(&AlsaSchweigt);
}

}  // namespace

TKlangAusgabe::TKlangAusgabe(std::string ordner) : ordner_(std::move(ordner)) {}

TKlangAusgabe::~TKlangAusgabe() {
    if (arbeiter_.joinable()) arbeiter_.join();
    if (zustand_ == 1) {
        sdl_->CloseAudioDevice(geraet_);
        sdl_->QuitSubSystem(SDL_INIT_AUDIO);
    }
}

void TKlangAusgabe::Einstellen(bool an, int lautstaerke) {
    an_ = an;
    lautstaerke_ = std::clamp(lautstaerke, 0, 100);
}

void TKlangAusgabe::Starten() {
    std::call_once(gestartet_, [this] { arbeiter_ = std::thread([this] { Oeffnen(); }); });
}

void TKlangAusgabe::Vorbereiten() {
    if (an_) Starten();
}

void TKlangAusgabe::Spielen(TKlang k) {
    if (!an_ || int(k) >= kKlangAnzahl) return;
    Starten();
    if (zustand_ == 1) {
        Abspielen(k);
        return;
    }
    if (zustand_ == 2) return;
    const std::lock_guard<std::mutex> sperre(wartend_);
    // The opening thread may have finished meanwhile; then it has emptied the list already.
    if (zustand_ == 1)
        Abspielen(k);
    else if (warteliste_.size() < 8)
        warteliste_.emplace_back(k, std::chrono::steady_clock::now());
}

void TKlangAusgabe::Abspielen(TKlang k) {
    sdl_->LockAudioDevice(geraet_);
    mischer_.Hinzufuegen(&klaenge_[std::size_t(k)]);
    sdl_->UnlockAudioDevice(geraet_);
}

void TKlangAusgabe::Rueckruf(void* selbst, std::uint8_t* strom, int laenge) {
    auto* a = static_cast<TKlangAusgabe*>(selbst);
    a->mischer_.Mischen(reinterpret_cast<std::int16_t*>(strom), laenge / 2, a->lautstaerke_);
}

void TKlangAusgabe::Oeffnen() {
    std::string fehler;
    sdl_ = SdlLaden(fehler);
    SDL_AudioSpec gewuenscht{}, erhalten{};
    if (sdl_) {
        sdl_->SetHint(SDL_HINT_AUDIO_DEVICE_APP_NAME, "Knallfeld");
        AlsaStillHalten();
        if (sdl_->InitSubSystem(SDL_INIT_AUDIO) != 0) {
            fehler = sdl_->GetError();
        } else {
            gewuenscht.freq = kRate;
            gewuenscht.format = AUDIO_S16SYS;
            gewuenscht.channels = 1;
            // 256 samples: about 12 ms from a sound's start to the audio system.
            gewuenscht.samples = 256;
            gewuenscht.callback = &TKlangAusgabe::Rueckruf;
            gewuenscht.userdata = this;
            geraet_ = sdl_->OpenAudioDevice(nullptr, 0, &gewuenscht, &erhalten, 0);
            if (geraet_ == 0) {
                fehler = sdl_->GetError();
                sdl_->QuitSubSystem(SDL_INIT_AUDIO);
            }
        }
    }
    if (!sdl_ || geraet_ == 0) {
        std::fprintf(stderr, "Knallfeld: kein Ton (%s)\n", fehler.c_str());
        const std::lock_guard<std::mutex> sperre(wartend_);
        warteliste_.clear();
        zustand_ = 2;
        return;
    }
    for (int i = 0; i < kKlangAnzahl; ++i) {
        const std::string pfad = ordner_ + KlangDatei(TKlang(i));
        std::error_code ec;
        const auto groesse = std::filesystem::file_size(pfad, ec);
        if (ec || groesse > kGroessteDatei) continue;
        SDL_AudioSpec datei{};
        Uint8* roh = nullptr;
        Uint32 laenge = 0;
        if (!sdl_->LoadWAV_RW(sdl_->RWFromFile(pfad.c_str(), "rb"), 1, &datei, &roh, &laenge))
            continue;
        SDL_AudioCVT cvt{};
        const int noetig = sdl_->BuildAudioCVT(&cvt, datei.format, datei.channels, datei.freq,
                                               AUDIO_S16SYS, 1, kRate);
        if (noetig >= 0) {
            std::vector<Uint8> puffer(std::size_t(laenge) * std::size_t(std::max(cvt.len_mult, 1)));
            std::copy(roh, roh + laenge, puffer.begin());
            cvt.buf = puffer.data();
            cvt.len = int(laenge);
            if (noetig == 0 || sdl_->ConvertAudio(&cvt) == 0) {
                const std::size_t n = std::size_t(noetig == 0 ? int(laenge) : cvt.len_cvt) / 2;
                auto& ziel = klaenge_[std::size_t(i)];
                ziel.resize(n);
                std::copy_n(puffer.data(), n * 2, reinterpret_cast<Uint8*>(ziel.data()));
            }
        }
        sdl_->FreeWAV(roh);
    }
    sdl_->PauseAudioDevice(geraet_, 0);
    const std::lock_guard<std::mutex> sperre(wartend_);
    zustand_ = 1;
    const auto jetzt = std::chrono::steady_clock::now();
    for (const auto& [k, wann] : warteliste_)
        if (jetzt - wann <= kNochFrisch) Abspielen(k);
    warteliste_.clear();
}

bool TKlangAusgabe::WartenBisBereit() {
    if (arbeiter_.joinable()) arbeiter_.join();
    return zustand_ == 1;
}

int TKlangAusgabe::Geladen() const {
    int n = 0;
    for (const auto& k : klaenge_) n += k.empty() ? 0 : 1;
    return n;
}

int TKlangAusgabe::Spielend() {
    if (zustand_ != 1) return 0;
    sdl_->LockAudioDevice(geraet_);
    const int n = mischer_.Aktiv();
    sdl_->UnlockAudioDevice(geraet_);
    return n;
}
