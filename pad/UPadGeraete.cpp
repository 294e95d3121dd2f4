#include "pad/UPadGeraete.h"

#include <dirent.h>

#include <algorithm>
#include <cstring>

#include "sdl/USdl.h"

TPadGeraete::~TPadGeraete() {
    if (zustand_ != 1) return;
    while (!virtuell_.empty()) VirtuellTrennen(virtuell_.back().first);
    for (SDL_GameController* p : pads_)
        if (p) sdl_->GameControllerClose(p);
    sdl_->QuitSubSystem(SDL_INIT_GAMECONTROLLER);
}

bool TPadGeraete::JoystickDa() {
    // The joystick device nodes, and udev's names for the event nodes of joysticks. Read with
    // the C library: this runs at every start, and std::filesystem would be paged in for it.
    for (const auto& [ordner, teil] :
         {std::pair{"/dev/input", "js"}, {"/dev/input/by-id", "joystick"}}) {
        DIR* d = opendir(ordner);
        if (!d) continue;
        bool da = false;
        while (const dirent* e = readdir(d))
            if ((da = std::strstr(e->d_name, teil) != nullptr)) break;
        closedir(d);
        if (da) return true;
    }
    return false;
}

bool TPadGeraete::Starten() {
    if (zustand_ != 0) return zustand_ == 1;
    zustand_ = 2;
    sdl_ = SdlLaden(Fehler);
    if (!sdl_) return false;
    // The game's window is Qt's, not SDL's: pads are read whichever window has the focus.
    sdl_->SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
    if (sdl_->InitSubSystem(SDL_INIT_GAMECONTROLLER) != 0) {
        Fehler = sdl_->GetError();
        return false;
    }
    zustand_ = 1;
    return true;
}

std::array<std::optional<TPadRoh>, 2> TPadGeraete::Abfragen() {
    std::array<std::optional<TPadRoh>, 2> stand;
    if (zustand_ != 1) return stand;
    sdl_->GameControllerUpdate();
    for (std::size_t i = 0; i < 2; ++i)
        if (pads_[i] && !sdl_->GameControllerGetAttached(pads_[i])) {
            sdl_->GameControllerClose(pads_[i]);
            pads_[i] = nullptr;
            ids_[i] = -1;
        }
    for (int g = 0; g < sdl_->NumJoysticks(); ++g) {
        if (!sdl_->IsGameController(g)) continue;
        const SDL_JoystickID id = sdl_->JoystickGetDeviceInstanceID(g);
        if (std::find(ids_.begin(), ids_.end(), id) != ids_.end()) continue;
        const auto frei = std::find(pads_.begin(), pads_.end(), nullptr);
        if (frei == pads_.end()) break;
        if (SDL_GameController* p = sdl_->GameControllerOpen(g)) {
            *frei = p;
            ids_[std::size_t(frei - pads_.begin())] = id;
        }
    }
    for (std::size_t i = 0; i < 2; ++i) {
        if (!pads_[i]) continue;
        TPadRoh r;
        for (int k = 0; k < 15; ++k)
            r.Knoepfe[std::size_t(k)] =
                sdl_->GameControllerGetButton(pads_[i], SDL_GameControllerButton(k)) != 0;
        r.StickX = sdl_->GameControllerGetAxis(pads_[i], SDL_CONTROLLER_AXIS_LEFTX);
        r.StickY = sdl_->GameControllerGetAxis(pads_[i], SDL_CONTROLLER_AXIS_LEFTY);
        stand[i] = r;
    }
    return stand;
}

int TPadGeraete::VirtuellAnschliessen() {
    if (!Starten()) return -1;
    const int g = sdl_->JoystickAttachVirtual(
        SDL_JOYSTICK_TYPE_GAMECONTROLLER, SDL_CONTROLLER_AXIS_MAX, SDL_CONTROLLER_BUTTON_MAX, 0);
    if (g < 0) return -1;
    virtuell_.emplace_back(g, sdl_->JoystickOpen(g));
    return g;
}

void TPadGeraete::VirtuellKnopf(int geraet, int knopf, bool gedrueckt) {
    for (auto& [nr, j] : virtuell_)
        if (nr == geraet && j) sdl_->JoystickSetVirtualButton(j, knopf, gedrueckt ? 1 : 0);
}

void TPadGeraete::VirtuellStick(int geraet, Sint16 x, Sint16 y) {
    for (auto& [nr, j] : virtuell_)
        if (nr == geraet && j) {
            sdl_->JoystickSetVirtualAxis(j, SDL_CONTROLLER_AXIS_LEFTX, x);
            sdl_->JoystickSetVirtualAxis(j, SDL_CONTROLLER_AXIS_LEFTY, y);
        }
}

void TPadGeraete::VirtuellTrennen(int geraet) {
    for (auto it = virtuell_.begin(); it != virtuell_.end(); ++it)
        if (it->first == geraet) {
            if (it->second) sdl_->JoystickClose(it->second);
            sdl_->JoystickDetachVirtual(geraet);
            virtuell_.erase(it);
            return;
        }
}
