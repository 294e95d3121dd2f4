// SDL2, shared by the sound and the game controllers, loaded on first use. Linked directly it would
// load its twenty libraries (X11, Wayland, PulseAudio, ALSA, ...) at every start of the game, sound
// or not.
#pragma once

#include <SDL.h>

#include <string>

struct TSdl {
    decltype(&SDL_InitSubSystem) InitSubSystem;
    decltype(&SDL_QuitSubSystem) QuitSubSystem;
    decltype(&SDL_GetError) GetError;
    decltype(&SDL_SetHint) SetHint;
    decltype(&SDL_OpenAudioDevice) OpenAudioDevice;
    decltype(&SDL_CloseAudioDevice) CloseAudioDevice;
    decltype(&SDL_PauseAudioDevice) PauseAudioDevice;
    decltype(&SDL_LockAudioDevice) LockAudioDevice;
    decltype(&SDL_UnlockAudioDevice) UnlockAudioDevice;
    decltype(&SDL_RWFromFile) RWFromFile;
    decltype(&SDL_LoadWAV_RW) LoadWAV_RW;
    decltype(&SDL_FreeWAV) FreeWAV;
    decltype(&SDL_BuildAudioCVT) BuildAudioCVT;
    decltype(&SDL_ConvertAudio) ConvertAudio;
    decltype(&SDL_NumJoysticks) NumJoysticks;
    decltype(&SDL_IsGameController) IsGameController;
    decltype(&SDL_JoystickGetDeviceInstanceID) JoystickGetDeviceInstanceID;
    decltype(&SDL_GameControllerOpen) GameControllerOpen;
    decltype(&SDL_GameControllerClose) GameControllerClose;
    decltype(&SDL_GameControllerGetAttached) GameControllerGetAttached;
    decltype(&SDL_GameControllerGetButton) GameControllerGetButton;
    decltype(&SDL_GameControllerGetAxis) GameControllerGetAxis;
    decltype(&SDL_GameControllerGetJoystick) GameControllerGetJoystick;
    decltype(&SDL_JoystickInstanceID) JoystickInstanceID;
    decltype(&SDL_GameControllerUpdate) GameControllerUpdate;
    decltype(&SDL_JoystickOpen) JoystickOpen;
    decltype(&SDL_JoystickClose) JoystickClose;
    decltype(&SDL_JoystickAttachVirtual) JoystickAttachVirtual;
    decltype(&SDL_JoystickDetachVirtual) JoystickDetachVirtual;
    decltype(&SDL_JoystickSetVirtualButton) JoystickSetVirtualButton;
    decltype(&SDL_JoystickSetVirtualAxis) JoystickSetVirtualAxis;
};

// The library's functions, or nullptr with the reason in `fehler` when it cannot be loaded.
// Loaded once; safe to call from any thread.
const TSdl* SdlLaden(std::string& fehler);
