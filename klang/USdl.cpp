#include "klang/USdl.h"

#include <dlfcn.h>

#include <mutex>

namespace {

std::once_flag geladen;
TSdl sdl;
const TSdl* ergebnis = nullptr;
std::string grund;

template <typename F>
bool Holen(void* bibliothek, F& ziel, const char* name) {
    ziel = reinterpret_cast<F>(dlsym(bibliothek, name));
    if (!ziel) grund = std::string("SDL2 ohne ") + name;
    return ziel != nullptr;
}

void Laden() {
    void* b = dlopen("libSDL2-2.0.so.0", RTLD_NOW | RTLD_LOCAL);
    if (!b) {
        const char* e = dlerror();
        grund = e ? e : "libSDL2-2.0.so.0 nicht gefunden";
        return;
    }
    const bool alle =
        Holen(b, sdl.InitSubSystem, "SDL_InitSubSystem") &&
        Holen(b, sdl.QuitSubSystem, "SDL_QuitSubSystem") &&
        Holen(b, sdl.GetError, "SDL_GetError") && Holen(b, sdl.SetHint, "SDL_SetHint") &&
        Holen(b, sdl.OpenAudioDevice, "SDL_OpenAudioDevice") &&
        Holen(b, sdl.CloseAudioDevice, "SDL_CloseAudioDevice") &&
        Holen(b, sdl.PauseAudioDevice, "SDL_PauseAudioDevice") &&
        Holen(b, sdl.LockAudioDevice, "SDL_LockAudioDevice") &&
        Holen(b, sdl.UnlockAudioDevice, "SDL_UnlockAudioDevice") &&
        Holen(b, sdl.RWFromFile, "SDL_RWFromFile") && Holen(b, sdl.LoadWAV_RW, "SDL_LoadWAV_RW") &&
        Holen(b, sdl.FreeWAV, "SDL_FreeWAV") && Holen(b, sdl.BuildAudioCVT, "SDL_BuildAudioCVT") &&
        Holen(b, sdl.ConvertAudio, "SDL_ConvertAudio");
    // The library stays loaded to the end of the program: its threads may still run.
    if (alle) ergebnis = &sdl;
}

}  // namespace

const TSdl* SdlLaden(std::string& fehler) {
    std::call_once(geladen, Laden);
    if (!ergebnis) fehler = grund;
    return ergebnis;
}
