// The connected game controllers through SDL2's GameController API (its mapping database makes
// common pads work without setup). At most two: "Pad 1" and "Pad 2" in the order they were
// connected; a pad that is removed frees its number, and the next one connected takes it.
#pragma once

#include <SDL.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "pad/UPadBelegung.h"

struct TSdl;

class TPadGeraete {
  public:
    TPadGeraete() = default;
    ~TPadGeraete();
    TPadGeraete(const TPadGeraete&) = delete;
    TPadGeraete& operator=(const TPadGeraete&) = delete;

    // Loads SDL and starts its controller support, once; false with the reason in Fehler when
    // that is not possible (the game then has no pads).
    bool Starten();
    bool Laeuft() const { return zustand_ == 1; }
    // Whether the system shows any joystick at all; checked without loading SDL, so that a game
    // without pads never loads it.
    static bool JoystickDa();
    // Every pad's state now: index 0 is Pad 1; nothing for a number without a pad.
    std::array<std::optional<TPadRoh>, 2> Abfragen();
    std::string Fehler;

    // SDL's virtual controllers, for tests: attach one (its device index), set its buttons and
    // left stick, detach it.
    int VirtuellAnschliessen();
    void VirtuellKnopf(int geraet, int knopf, bool gedrueckt);
    void VirtuellStick(int geraet, Sint16 x, Sint16 y);
    void VirtuellTrennen(int geraet);

  private:
    const TSdl* sdl_ = nullptr;
    int zustand_ = 0;  // 0 not started, 1 running, 2 failed
    std::array<SDL_GameController*, 2> pads_{};
    std::array<SDL_JoystickID, 2> ids_{-1, -1};
    std::vector<std::pair<int, SDL_Joystick*>> virtuell_;
};
