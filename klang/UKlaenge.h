// What the windows ask of the sound: get ready, play an event, follow the player's choice.
#pragma once

#include "match/UKlang.h"

class IKlaenge {
  public:
    virtual ~IKlaenge() = default;
    // Sound on or off, and the volume from 0 to 100.
    virtual void Einstellen(bool an, int lautstaerke) = 0;
    virtual void Spielen(TKlang k) = 0;
    // A match is about to begin: the output may get ready now, so that its first sound is on
    // time.
    virtual void Vorbereiten() {}
};
