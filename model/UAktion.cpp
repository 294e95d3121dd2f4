#include "model/UAktion.h"

TAktion SchrittNach(TRichtung r) {
    switch (r) {
        case riOben:
            return TAktion::Oben;
        case riLinks:
            return TAktion::Links;
        case riRechts:
            return TAktion::Rechts;
        default:
            return TAktion::Unten;
    }
}

bool IstSchritt(TAktion a) {
    return a >= TAktion::Oben && a <= TAktion::Rechts;
}

TRichtung RichtungVon(TAktion a) {
    switch (a) {
        case TAktion::Oben:
            return riOben;
        case TAktion::Unten:
            return riUnten;
        case TAktion::Links:
            return riLinks;
        default:
            return riRechts;
    }
}
