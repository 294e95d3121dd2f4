#include "model/UBombenPointer.h"

#include "model/USpielRecEinstellungen.h"

TPosition TBombenListen::ErstePosition(bool bomben) const {
    const auto& l = Liste(bomben);
    return l.empty() ? TPosition{} : l.front().Position;
}

void TBombenListen::Weiterzaehlen(bool bomben) {
    for (auto& b : Liste(bomben)) ++b.Zaehler;
}

void TBombenListen::Anhaengen(std::uint16_t zaehler, TPosition pos, std::uint8_t spieler,
                              bool bomben) {
    Liste(bomben).push_back({zaehler, pos, spieler});
}

bool TBombenListen::OhneBombe(std::uint8_t spieler) const {
    for (const auto* l : {&bomben_, &explosionen_})
        for (const auto& b : *l)
            if (b.Spieler == spieler) return false;
    return true;
}

bool TBombenListen::DarfBombeLegen(const TSpielRecEinstellungen& e, int spieler) const {
    if (spieler != 1 && spieler != 2) return false;
    if (e.Spieler(spieler).MehrBomben) return true;
    return OhneBombe(static_cast<std::uint8_t>(spieler));
}

bool TBombenListen::ExplosionBei(TPosition pos) const {
    for (const auto& b : explosionen_)
        if (b.Position == pos) return true;
    return false;
}

bool TBombenListen::ExplosionNeben(TPosition pos, std::uint8_t d, TRichtung r) const {
    switch (r) {
        case riOben:
            pos.Zeile -= d;
            break;
        case riLinks:
            pos.Spalte -= d;
            break;
        case riRechts:
            pos.Spalte += d;
            break;
        case riUnten:
            pos.Zeile += d;
            break;
        default:
            break;
    }
    return ExplosionBei(pos);
}

void TBombenListen::BombeVersetzen(TPosition neu, TPosition alt) {
    for (auto& b : bomben_)
        if (b.Position == alt) {
            b.Position = neu;
            return;
        }
}

bool TBombenListen::BombeEntfernen(TPosition pos) {
    const auto vorher = bomben_.size();
    std::erase_if(bomben_, [&](const TBombe& b) { return b.Position == pos; });
    return bomben_.size() != vorher;
}

void TBombenListen::ErsteEntfernen(bool bomben) {
    auto& l = Liste(bomben);
    if (!l.empty()) l.pop_front();
}

void TBombenListen::ListenFreigeben() {
    bomben_.clear();
    explosionen_.clear();
}
