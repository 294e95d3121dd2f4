// The player's choice of sound: on or off and how loud. A preference of this user kept across
// restarts; the settings file, whose layout is fixed, never holds it.
#pragma once

struct TTonWahl {
    bool An = true;
    int Lautstaerke = 80;  // 0 to 100
};

TTonWahl TonWahlLesen();
void TonWahlSpeichern(const TTonWahl& w);
