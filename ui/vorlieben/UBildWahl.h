// "Bewegte Bilder": whether the board moves between its states. A preference of this user kept
// across restarts, as the sound is; on unless the player switched it off.
#pragma once

bool BewegteBilderLesen();
void BewegteBilderSpeichern(bool an);
