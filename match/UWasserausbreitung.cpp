#include "match/UWasserausbreitung.h"

#include <algorithm>

namespace {

bool Unveraenderlich(const TZelle& z) {
    return z.Art == zaUnzerstoerbar || z.Art == zaWasser;
}

}  // namespace

bool TWasserausbreitung::Eingeschlossen(TSpielfeld& feld, TIndex i) {
    TKnoten z = feld.KnotenBei(i);
    for (TRichtung r = riOben; r <= riUnten; ++r) {
        if (!HatNachbar(feld.FeldDaten(), i, r)) continue;
        const TKnoten n = feld.Nachbar(z, r);
        if (n && !Unveraenderlich(*n)) return false;
    }
    return true;
}

void TWasserausbreitung::Aufbauen(TSpielfeld& feld) {
    rand_.clear();
    markiert_.clear();
    mitNachbar_ = false;
    const auto& zellen = feld.Zellen();
    for (TIndex i = 1; i <= zellen.size(); ++i) {
        const TZelle& z = zellen[i - 1];
        if (z.Art != zaWasser) continue;
        if (z.Neu) markiert_.push_back(i);
        for (TRichtung r = riOben; r <= riUnten && !mitNachbar_; ++r)
            mitNachbar_ = HatNachbar(feld.FeldDaten(), i, r) && feld.Nachbar(feld.KnotenBei(i), r);
        if (!Eingeschlossen(feld, i)) rand_.push_back(i);
    }
    bekannt_ = true;
}

TGetroffen TWasserausbreitung::WasserAusbreiten(TSpielfeld& feld, bool& geaendert) {
    if (!bekannt_) Aufbauen(feld);
    TGetroffen g = 0;
    for (TIndex i : markiert_) {
        TKnoten z = feld.KnotenBei(i);
        if (z && z->Art == zaWasser) z->Neu = false;
    }
    markiert_.clear();
    neu_.clear();
    // Every water cell with a neighbour visits it, whatever it holds.
    if (mitNachbar_) geaendert = true;

    std::size_t behalten = 0;
    for (std::size_t k = 0; k < rand_.size(); ++k) {
        const TIndex i = rand_[k];
        const TKnoten z = feld.KnotenBei(i);
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            if (!HatNachbar(feld.FeldDaten(), i, r)) continue;
            const TKnoten n = feld.Nachbar(z, r);
            if (!n) continue;
            switch (n->Art) {
                case zaFrei:
                    n->Art = zaWasser;
                    n->Bild = z->Bild;
                    n->Neu = true;
                    neu_.push_back(feld.Verschiebe(i, 2, r));
                    break;
                case zaSpieler1:
                    g += 1;
                    TSpielfeld::SetzeZelle(n, zaTot, 0);
                    break;
                case zaSpieler2:
                    g += 2;
                    TSpielfeld::SetzeZelle(n, zaTot, 0);
                    break;
                default:
                    break;
            }
        }
        if (!Eingeschlossen(feld, i)) rand_[behalten++] = i;
    }
    rand_.resize(behalten);

    if (!neu_.empty()) {
        mitNachbar_ = true;
        markiert_ = neu_;
        std::sort(neu_.begin(), neu_.end());
        zusammen_.clear();
        std::merge(rand_.begin(), rand_.end(), neu_.begin(), neu_.end(),
                   std::back_inserter(zusammen_));
        rand_.swap(zusammen_);
    }
    return g;
}

bool TWasserausbreitung::WasserKannFliessen(TSpielfeld& feld) {
    if (!bekannt_) Aufbauen(feld);
    for (TIndex i : rand_) {
        const TKnoten z = feld.KnotenBei(i);
        for (TRichtung r = riOben; r <= riUnten; ++r) {
            if (!HatNachbar(feld.FeldDaten(), i, r)) continue;
            const TKnoten n = feld.Nachbar(z, r);
            if (n && (n->Art == zaFrei || n->Art == zaSpieler1 || n->Art == zaSpieler2))
                return true;
        }
    }
    return false;
}
