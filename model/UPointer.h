// The board: one rectangle of cells in row-major order, and the field geometry that shapes it.
#pragma once

#include <cstdint>
#include <vector>

#include "model/UTyp.h"
#include "model/UZellenTests.h"

class TZufall;
struct TSpielRecEinstellungen;

using TKnoten = TZelle*;  // a node: a cell of the current board, or nullptr for none

struct TGefunden {
    TKnoten Knoten = nullptr;
    TIndex Index = 0;
};

class TSpielfeld {
  public:
    // Geometry.
    TFeldDaten HoleFeldDaten() const { return daten_; }
    const TFeldDaten& FeldDaten() const { return daten_; }
    void SetzeFeldDaten(const TFeldDaten& d) { daten_ = d; }
    void SetzeFeldGroesse(std::uint16_t einzelHoehe, std::uint16_t einzelBreite,
                          std::uint16_t spielHoehe, std::uint16_t spielBreite, std::uint32_t farbe);
    void SetzeStandardGroesse() { SetzeFeldGroesse(40, 40, 16, 20, clGruen); }
    // Width x height of the geometry; may exceed the cells actually built.
    std::uint32_t Zellenzahl() const {
        return std::uint32_t(daten_.SpielBreite) * daten_.SpielHoehe;
    }

    // Board store.
    void ErzeugeFeld(std::uint32_t n);
    void LoescheFeld() { zellen_.clear(); }
    void LeereFeld();
    TKnoten ErsterKnoten() { return zellen_.empty() ? nullptr : zellen_.data(); }
    std::uint32_t AnzahlKnoten() const { return static_cast<std::uint32_t>(zellen_.size()); }
    const std::vector<TZelle>& Zellen() const { return zellen_; }

    // Addressing.
    TIndex IndexVon(std::uint32_t spalte0, std::uint32_t zeile0) const {
        return daten_.SpielBreite * zeile0 + spalte0 + 1;
    }
    TKnoten KnotenBei(TIndex index);
    TIndex IndexVonKnoten(const TZelle* knoten) const;
    TPosition PositionVon(TIndex index) const;
    TZelle ZelleBei(std::uint32_t spalte0, std::uint32_t zeile0);
    TIndex Verschiebe(TIndex index, std::uint32_t n, TRichtung r) const;
    TKnoten Nachbar(TKnoten knoten, TRichtung r);

    // Search.
    TGefunden FindeSpieler(int spieler);
    TGefunden FindeArt(TZellenArt art);
    std::uint32_t AnzahlFrei() const;
    TKnoten FreieZelle(std::uint32_t n);
    int ErstesWasserBild() const;
    bool AlleFrei() const;
    bool ListeEnthaelt(TZellenArt art) const;
    bool ArtSchonVorhanden(TZellenArt art, std::uint32_t spalte0, std::uint32_t zeile0);

    // Writing cells.
    static void SetzeZelle(TKnoten knoten, TZellenArt art, std::uint16_t bild);
    static void LeereZelle(TKnoten knoten) { SetzeZelle(knoten, zaFrei, 0); }
    void SetzeZelleBei(TIndex index, TZellenArt art, std::uint16_t bild) {
        SetzeZelle(KnotenBei(index), art, bild);
    }
    static void SetzeZellenDaten(TKnoten knoten, const TZelle& z) {
        if (knoten) *knoten = z;
    }
    void LoescheNeuMarken();
    void LoescheSpielerstart(TZellenArt art);

  private:
    TFeldDaten daten_;
    std::vector<TZelle> zellen_;
};

// Kind functions.
int SpielerVon(TZellenArt art);
TZellenArt SpielerArt(int spieler);
TRichtung NaechsteRichtung(TRichtung r);

// Extras.
TZellenArt ZufallsExtra(TZufall& zufall);
bool ExtraErscheint(TZufall& zufall, const TSpielRecEinstellungen& e);
void GibExtra(TSpielRecEinstellungen& e, int spieler, TZellenArt art, TAufgesammelt& flags);
