// What the match lets the players hear. The engine only names the event; the window plays it,
// the simulator prints it.
#pragma once

#include <cstdint>
#include <string>

enum class TKlang : std::uint8_t {
    BombeGelegt,
    BombeGeworfen,
    BombeGelandet,
    Explosion,  // once per beat, however many bombs go off in it
    BlockZerstoert,
    ExtraFreigelegt,
    ExtraWerfen,
    ExtraMehrBomben,
    ExtraUnverwundbar,
    ExtraKrankheit,
    UnverwundbarEndet,  // each of the last three seconds
    TastenVertauscht,
    WasserSteigt,  // at most one per water step
    SpielerGetroffen,
    SpielerErtrunken,
    RundeGewonnen,
    RundeUnentschieden,
    MatchGewonnen,
    Sturmflut,      // the first ring of the flood
    SturmflutRing,  // each ring after it
};
inline constexpr int kKlangAnzahl = int(TKlang::SturmflutRing) + 1;

// The event as the simulator prints it ("Explosion", "Bombe gelegt", ...).
std::string KlangName(TKlang k);
// The file it is played from, in the Klaenge folder ("explosion.wav", ...).
std::string KlangDatei(TKlang k);
