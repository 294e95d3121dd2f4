#include "match/UKlang.h"

namespace {

struct TKlangText {
    const char* Name;
    const char* Datei;
};

// In the order of TKlang.
constexpr TKlangText kTexte[kKlangAnzahl] = {
    {"Bombe gelegt", "bombe_gelegt"},
    {"Bombe geworfen", "bombe_geworfen"},
    {"Bombe gelandet", "bombe_gelandet"},
    {"Explosion", "explosion"},
    {"Block zerstört", "block_zerstoert"},
    {"Extra freigelegt", "extra_freigelegt"},
    {"Extra Werfen", "extra_werfen"},
    {"Extra Mehr Bomben", "extra_mehr_bomben"},
    {"Extra Unverwundbar", "extra_unverwundbar"},
    {"Extra Krankheit", "extra_krankheit"},
    {"Unverwundbarkeit endet", "unverwundbar_endet"},
    {"Tasten vertauscht", "tasten_vertauscht"},
    {"Wasser steigt", "wasser_steigt"},
    {"Spieler getroffen", "spieler_getroffen"},
    {"Spieler ertrunken", "spieler_ertrunken"},
    {"Runde gewonnen", "runde_gewonnen"},
    {"Runde unentschieden", "runde_unentschieden"},
    {"Match gewonnen", "match_gewonnen"},
    {"Sturmflut", "sturmflut"},
    {"Sturmflut Ring", "sturmflut_ring"},
};

}  // namespace

std::string KlangName(TKlang k) {
    return kTexte[int(k)].Name;
}

std::string KlangDatei(TKlang k) {
    return std::string(kTexte[int(k)].Datei) + ".wav";
}
