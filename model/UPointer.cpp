#include "model/UPointer.h"

#include "model/USpielRecEinstellungen.h"
#include "model/UZufall.h"

void TSpielfeld::SetzeFeldGroesse(std::uint16_t einzelHoehe, std::uint16_t einzelBreite,
                                  std::uint16_t spielHoehe, std::uint16_t spielBreite,
                                  std::uint32_t farbe) {
    daten_.EinzelHoehe = einzelHoehe;
    daten_.EinzelBreite = einzelBreite;
    daten_.SpielHoehe = spielHoehe;
    daten_.SpielBreite = spielBreite;
    daten_.Farbe = farbe;
}

void TSpielfeld::ErzeugeFeld(std::uint32_t n) {
    zellen_.assign(n, TZelle{});
}

void TSpielfeld::LeereFeld() {
    for (auto& z : zellen_) z = TZelle{};
}

TKnoten TSpielfeld::KnotenBei(TIndex index) {
    if (zellen_.empty()) return nullptr;
    if (index <= 1) return zellen_.data();
    if (index > zellen_.size()) return nullptr;
    return &zellen_[index - 1];
}

TIndex TSpielfeld::IndexVonKnoten(const TZelle* knoten) const {
    const TZelle* anfang = zellen_.data();
    if (knoten && !zellen_.empty() && knoten >= anfang && knoten < anfang + zellen_.size())
        return static_cast<TIndex>(knoten - anfang) + 1;
    return static_cast<TIndex>(zellen_.size()) + 1;
}

TPosition TSpielfeld::PositionVon(TIndex index) const {
    const TIndex b = daten_.SpielBreite;
    if (b == 0 || index == 0) return {};
    return {static_cast<std::uint16_t>((index - 1) / b + 1),
            static_cast<std::uint16_t>((index - 1) % b + 1)};
}

TZelle TSpielfeld::ZelleBei(std::uint32_t spalte0, std::uint32_t zeile0) {
    const TZelle* z = KnotenBei(IndexVon(spalte0, zeile0));
    return z ? *z : TZelle{};
}

TIndex TSpielfeld::Verschiebe(TIndex index, std::uint32_t n, TRichtung r) const {
    const TIndex schritte = n - 1;
    switch (r) {
        case riOben:
            return index - schritte * daten_.SpielBreite;
        case riLinks:
            return index - schritte;
        case riRechts:
            return index + schritte;
        case riUnten:
            return index + schritte * daten_.SpielBreite;
        default:
            return index;
    }
}

TKnoten TSpielfeld::Nachbar(TKnoten knoten, TRichtung r) {
    if (!knoten) return nullptr;
    const std::int64_t i = knoten - zellen_.data();
    std::int64_t ziel;
    switch (r) {
        case riOben:
            ziel = i - daten_.SpielBreite;
            break;
        case riLinks:
            ziel = i - 1;
            break;
        case riRechts:
            ziel = i + 1;
            break;
        case riUnten:
            ziel = i + daten_.SpielBreite;
            break;
        default:
            return knoten;
    }
    if (ziel < 0 || ziel >= static_cast<std::int64_t>(zellen_.size())) return nullptr;
    return &zellen_[ziel];
}

TGefunden TSpielfeld::FindeSpieler(int spieler) {
    for (auto& z : zellen_)
        if (spieler == 1 ? IstSpieler1(&z) : IstSpieler2(&z)) return {&z, IndexVonKnoten(&z)};
    return {nullptr, AnzahlKnoten() + 1};
}

TGefunden TSpielfeld::FindeArt(TZellenArt art) {
    for (auto& z : zellen_)
        if (z.Art == art) return {&z, IndexVonKnoten(&z)};
    return {nullptr, AnzahlKnoten() + 1};
}

std::uint32_t TSpielfeld::AnzahlFrei() const {
    std::uint32_t n = 0;
    for (const auto& z : zellen_) n += z.Art == zaFrei;
    return n;
}

TKnoten TSpielfeld::FreieZelle(std::uint32_t n) {
    if (n == 0) return ErsterKnoten();
    for (auto& z : zellen_)
        if (z.Art == zaFrei && --n == 0) return &z;
    return nullptr;
}

int TSpielfeld::ErstesWasserBild() const {
    for (const auto& z : zellen_)
        if (z.Art == zaWasser) return z.Bild;
    return -1;
}

bool TSpielfeld::AlleFrei() const {
    for (const auto& z : zellen_)
        if (z.Art != zaFrei) return false;
    return true;
}

bool TSpielfeld::ListeEnthaelt(TZellenArt art) const {
    for (const auto& z : zellen_)
        if (z.Art == art) return true;
    return false;
}

bool TSpielfeld::ArtSchonVorhanden(TZellenArt art, std::uint32_t spalte0, std::uint32_t zeile0) {
    const TZelle* z = KnotenBei(IndexVon(spalte0, zeile0));
    if (z && z->Art == art) return false;
    return ListeEnthaelt(art);
}

void TSpielfeld::SetzeZelle(TKnoten knoten, TZellenArt art, std::uint16_t bild) {
    if (!knoten) return;
    knoten->Art = art;
    knoten->Bild = bild;
    knoten->Neu = false;
}

void TSpielfeld::LoescheNeuMarken() {
    for (auto& z : zellen_) z.Neu = false;
}

void TSpielfeld::LoescheSpielerstart(TZellenArt art) {
    LeereZelle(FindeSpieler(SpielerVon(art)).Knoten);
}

int SpielerVon(TZellenArt art) {
    return IstSpieler1Art(art) ? 1 : 2;
}

TZellenArt SpielerArt(int spieler) {
    return spieler == 1 ? zaSpieler1 : zaSpieler2;
}

TRichtung NaechsteRichtung(TRichtung r) {
    return r >= riUnten ? TRichtung(riOben) : TRichtung(r + 1);
}

TZellenArt ZufallsExtra(TZufall& zufall) {
    return ExtraArt(kExtraFolge[zufall.Zufall(kExtraAnzahl)]);
}

bool ExtraErscheint(TZufall& zufall, const TSpielRecEinstellungen& e) {
    return zufall.Zufall(100) + 1 <= e.ExtraProzent;
}

void GibExtra(TSpielRecEinstellungen& e, int spieler, TZellenArt art, TAufgesammelt& flags) {
    if (!IstExtraArt(art)) return;
    const TExtra x = ExtraDerArt(art);
    TSpielerEinstellungen& s = spieler == 1 ? e.Spieler1 : e.Spieler2;
    s.Extra(x) = true;
    flags[x] = true;
}
