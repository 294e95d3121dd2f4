// A process that starts SDL the way the game does (the sound or the pads), says "bereit" and
// then waits to be ended by a signal.
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "klang/UKlangAusgabe.h"
#include "pad/UPadGeraete.h"

int main(int argc, char** argv) {
    const bool ton = argc > 1 && std::strcmp(argv[1], "ton") == 0;
    TKlangAusgabe klaenge(argc > 2 ? argv[2] : "");
    TPadGeraete pads;
    bool bereit;
    if (ton) {
        klaenge.Spielen(TKlang::BombeGelegt);
        bereit = klaenge.WartenBisBereit();
    } else {
        bereit = pads.Starten();
    }
    std::printf(bereit ? "bereit\n" : "kein SDL\n");
    std::fflush(stdout);
    for (;;) pause();
}
