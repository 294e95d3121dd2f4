// Shared types of the game model: cell kinds, the cell and geometry records, positions, directions.
#pragma once

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

// Extras collected in one action, in the order Werfen, MehrBomben, Unverwundbar, Krank.
struct TAufgesammelt {
    bool Werfen = false;
    bool MehrBomben = false;
    bool Unverwundbar = false;
    bool Krank = false;

    bool& operator[](int i) {
        return i == 0 ? Werfen : i == 1 ? MehrBomben : i == 2 ? Unverwundbar : Krank;
    }
    bool Irgendeins() const { return Werfen || MehrBomben || Unverwundbar || Krank; }
    bool operator==(const TAufgesammelt&) const = default;
};
