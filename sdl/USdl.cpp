#include "sdl/USdl.h"

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
        Holen(b, sdl.ConvertAudio, "SDL_ConvertAudio") &&
        Holen(b, sdl.NumJoysticks, "SDL_NumJoysticks") &&
        Holen(b, sdl.IsGameController, "SDL_IsGameController") &&
        Holen(b, sdl.JoystickGetDeviceInstanceID, "SDL_JoystickGetDeviceInstanceID") &&
        Holen(b, sdl.GameControllerOpen, "SDL_GameControllerOpen") &&
        Holen(b, sdl.GameControllerClose, "SDL_GameControllerClose") &&
        Holen(b, sdl.GameControllerGetAttached, "SDL_GameControllerGetAttached") &&
        Holen(b, sdl.GameControllerGetButton, "SDL_GameControllerGetButton") &&
        Holen(b, sdl.GameControllerGetAxis, "SDL_GameControllerGetAxis") &&
        Holen(b, sdl.GameControllerGetJoystick, "SDL_GameControllerGetJoystick") &&
        Holen(b, sdl.JoystickInstanceID, "SDL_JoystickInstanceID") &&
        Holen(b, sdl.GameControllerUpdate, "SDL_GameControllerUpdate") &&
        Holen(b, sdl.JoystickOpen, "SDL_JoystickOpen") &&
        Holen(b, sdl.JoystickClose, "SDL_JoystickClose") &&
        Holen(b, sdl.JoystickAttachVirtual, "SDL_JoystickAttachVirtual") &&
        Holen(b, sdl.JoystickDetachVirtual, "SDL_JoystickDetachVirtual") &&
        Holen(b, sdl.JoystickSetVirtualButton, "SDL_JoystickSetVirtualButton") &&
        Holen(b, sdl.JoystickSetVirtualAxis, "SDL_JoystickSetVirtualAxis");
    if (!alle) return;
    // SDL would catch SIGINT and SIGTERM for its event queue, which nobody reads here: a logout
    // or Ctrl+C would then wait for the game. The default (end the process) stays in force.
    sdl.SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // The library stays loaded to the end of the program: its threads may still run.
    ergebnis = &sdl;
}

}  // namespace

const TSdl* SdlLaden(std::string& fehler) {
    std::call_once(geladen, Laden);
    if (!ergebnis) fehler = grund;
    return ergebnis;
}
