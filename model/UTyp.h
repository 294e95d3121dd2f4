// Shared types of the game model: cell kinds, the cell and geometry records, positions, directions.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

using TZellenArt = std::uint8_t;

enum : TZellenArt {
    zaFrei = 0,
    zaZerstoerbar = 1,
    zaUnzerstoerbar = 2,
    zaWasser = 3,
    zaSpieler1 = 4,
    zaSpieler1Bombe = 5,
    zaSpieler1Explosion = 6,
    zaSpieler1ExplosionExtra = 7,
    zaSpieler2 = 8,
    zaSpieler2Bombe = 9,
    zaSpieler2Explosion = 10,
    zaSpieler2ExplosionExtra = 11,
    zaTot = 12,
    zaBombe = 13,
    zaExplosion = 14,
    zaExplosionExtra = 15,
    zaWerfen = 16,
    zaMehrBomben = 17,
    zaUnverwundbar = 18,
    zaKrankheit = 19,
};

// One cell; the same six bytes as in a level's cell file.
struct TZelle {
    TZellenArt Art = zaFrei;
    std::uint16_t Bild = 0;
    bool Neu = false;

    bool operator==(const TZelle&) const = default;
};

// Names are kept as UTF-8 in memory; the file layer converts to and from Windows-1252.
struct TFeldDaten {
    std::string Name;
    std::uint16_t SpielBreite = 20;
    std::uint16_t SpielHoehe = 16;
    std::uint16_t EinzelBreite = 40;
    std::uint16_t EinzelHoehe = 40;
    std::uint32_t Farbe = 0x00008000;

    bool operator==(const TFeldDaten&) const = default;
};

inline constexpr std::uint32_t clGruen = 0x00008000;

// 1-based row and column.
struct TPosition {
    std::uint16_t Zeile = 0;
    std::uint16_t Spalte = 0;

    bool operator==(const TPosition&) const = default;
};

using TRichtung = std::uint8_t;

enum : TRichtung { riOben = 0, riLinks = 1, riRechts = 2, riUnten = 3 };

// Whom an event killed: 0 nobody, 1 player 1, 2 player 2, 3 both.
using TGetroffen = std::uint8_t;

// The four extras, numbered as their cell kinds zaWerfen .. zaKrankheit are.
enum class TExtra : std::uint8_t { Werfen = 0, MehrBomben = 1, Unverwundbar = 2, Krankheit = 3 };

inline constexpr std::size_t kExtraAnzahl = 4;
inline constexpr TExtra kExtras[kExtraAnzahl] = {TExtra::Werfen, TExtra::MehrBomben,
                                                 TExtra::Unverwundbar, TExtra::Krankheit};
// The order the game has always listed them in: a random draw numbers them so (recordings replay
// that draw, so this order stays), one action's pickups are taken so, and the status panel shows
// them so from the left.
inline constexpr TExtra kExtraFolge[kExtraAnzahl] = {TExtra::MehrBomben, TExtra::Werfen,
                                                     TExtra::Unverwundbar, TExtra::Krankheit};

constexpr std::size_t ExtraIndex(TExtra x) {
    return static_cast<std::size_t>(x);
}
constexpr TZellenArt ExtraArt(TExtra x) {
    return static_cast<TZellenArt>(zaWerfen + ExtraIndex(x));
}
// Only for the four extras kinds (IstExtraArt).
constexpr TExtra ExtraDerArt(TZellenArt art) {
    return static_cast<TExtra>(art - zaWerfen);
}
// Where an extra stands in kExtraFolge.
constexpr std::size_t FolgePlatz(TExtra x) {
    std::size_t i = 0;
    while (i + 1 < kExtraAnzahl && kExtraFolge[i] != x) ++i;
    return i;
}

// The flag of an extra in a record that keeps one per extra, named as the extras are.
template <class T>
constexpr auto& ExtraFlag(T& r, TExtra x) {
    switch (x) {
        case TExtra::Werfen:
            return r.Werfen;
        case TExtra::MehrBomben:
            return r.MehrBomben;
        case TExtra::Unverwundbar:
            return r.Unverwundbar;
        default:
            return r.Krank;
    }
}

// Extras collected in one action.
struct TAufgesammelt {
    bool Werfen = false;
    bool MehrBomben = false;
    bool Unverwundbar = false;
    bool Krank = false;

    bool& operator[](TExtra x) { return ExtraFlag(*this, x); }
    bool operator[](TExtra x) const { return ExtraFlag(*this, x); }
    bool Irgendeins() const { return Werfen || MehrBomben || Unverwundbar || Krank; }
    bool operator==(const TAufgesammelt&) const = default;
};
