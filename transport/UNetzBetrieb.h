// One turn of a network match over ENet, the same for the tool and the game: what arrived goes
// to the session, the session runs to the present, and what it has to say goes out.
#pragma once

#include <cstdint>

#include "netz/UNetzSitzung.h"
#include "transport/UEnetTransport.h"

// Milliseconds of a steady clock.
std::uint64_t WandMs();

// warteMs: how long the socket may be waited on first (0: only what is there).
void NetzBedienen(TEnetTransport& t, TNetzSitzung& s, int warteMs);
