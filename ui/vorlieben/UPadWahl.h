// The pad bindings as a preference of this user (QSettings), beside the settings file, whose
// layout is fixed and holds keys only.
#pragma once

#include "pad/UPadBelegung.h"

TPadBelegung PadBelegungLesen();
void PadBelegungSpeichern(const TPadBelegung& b);
