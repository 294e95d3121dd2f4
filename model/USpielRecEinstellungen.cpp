#include "model/USpielRecEinstellungen.h"

#include <algorithm>

#include "model/UPointer.h"
#include "model/UVirtuelleTasten.h"

std::uint16_t& TSpielerEinstellungen::Taste(int nummer) {
    switch (nummer) {
        case 1:
            return TasteOben;
        case 2:
            return TasteUnten;
        case 3:
            return TasteLinks;
        case 4:
            return TasteRechts;
        case 5:
            return TasteBombe;
        default:
            return TasteWerfen;
    }
}

std::string TSpielRecEinstellungen::*const TSpielRecEinstellungen::kExtraBildPfade[kExtraAnzahl] = {
    &TSpielRecEinstellungen::BildWerfen, &TSpielRecEinstellungen::BildMehrBomben,
    &TSpielRecEinstellungen::BildUnverwundbar, &TSpielRecEinstellungen::BildKrankheit};

TSpielRecEinstellungen StandardRecord() {
    TSpielRecEinstellungen r;
    const std::uint16_t tasten1[6] = {'W', 'S', 'A', 'D', 'E', 'R'};
    const std::uint16_t tasten2[6] = {vkUp, vkDown, vkLeft, vkRight, vkSpace, vkControl};
    for (int k = 1; k <= 6; ++k) {
        r.Spieler1.Taste(k) = tasten1[k - 1];
        r.Spieler2.Taste(k) = tasten2[k - 1];
    }
    r.Spieler1.Name = "Spieler 1";
    r.Spieler2.Name = "Spieler 2";
    return r;
}

TAufgesammelt TEinstellungen::ExtrasVon(TZellenArt art) const {
    const TSpielerEinstellungen& s = rec_.Spieler(SpielerVon(art));
    return {s.Werfen, s.MehrBomben, s.Unverwundbar, s.Krank};
}

bool TEinstellungen::LevelHolen(std::uint32_t n, std::string& pfad) const {
    if (levelliste_.empty()) return false;
    if (n == 0) n = 1;
    pfad = levelliste_[std::min<std::size_t>(n, levelliste_.size()) - 1];
    return true;
}

TSpielRecEinstellungen IntervalleBegrenzt(TSpielRecEinstellungen e) {
    const auto k = [](std::uint16_t& v, TBereich b) { v = std::clamp(v, b.Min, b.Max); };
    k(e.PlatzExplo, kBereichPlatzExplo);
    k(e.ExploDauer, kBereichExploDauer);
    k(e.WasserGeschwindigkeit, kBereichWasser);
    k(e.SpielerVerzoegerung, kBereichVerzoegerung);
    return e;
}
