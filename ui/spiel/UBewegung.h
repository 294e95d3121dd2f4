// The board between its states: which cell changed from what and when, and how far each change
// has come at a moment of the match clock. Rules only, no toolkit: the grid draws what they say,
// and a moment nothing moves at draws each cell exactly as its state alone would.
#pragma once

#include <cstdint>
#include <vector>

#include "model/USpielRecEinstellungen.h"
#include "model/UTyp.h"

class TSpielfeld;
class TBombenListen;

// Match milliseconds each kind of motion takes.
struct TBewegungsDauer {
    std::uint32_t Schritt = 10;     // a figure from cell to cell
    std::uint32_t Zuendung = 2000;  // a bomb's fuse
    std::uint32_t Explosion = 1000;
    std::uint32_t Wasser = 400;  // water flowing into a cell
};
// From the round's settings: a step never outlasts the player's waiting time (so the drawn figure
// never lags its cell by more than one step), nor 150 ms.
TBewegungsDauer BewegungsDauer(const TSpielRecEinstellungen& e);
inline constexpr std::uint32_t kBruchDauer = 300;  // a block breaking, within its explosion
inline constexpr std::uint32_t kGlanzDauer = 350;  // an uncovered extra's glint
inline constexpr std::uint32_t kFallDauer = 450;   // a killed figure falling

// How far a change at `seit` has come at `jetzt` after `dauer`: 0 to 1.
double Anteil(std::uint64_t seit, std::uint64_t jetzt, std::uint32_t dauer);

// 1 or 2 for a cell that holds that player's figure, else 0.
int FigurIn(TZellenArt art);
bool IstExplosion(TZellenArt art);
bool IstBombe(TZellenArt art);

inline constexpr std::uint8_t kKeineRichtung = 255;

// The last change of one cell.
struct TWechsel {
    TZellenArt Vorher = zaFrei;
    std::uint16_t VorherBild = 0;
    std::uint64_t Zeit = 0;
    bool Frisch = false;                     // false: as the round began, nothing to move
    std::uint8_t Abstand = 0;                // an explosion cell: cells from its centre
    std::uint8_t Herkunft = kKeineRichtung;  // new water: the side it flows in from
    std::uint8_t Spieler = 0;                // a grave: whose figure falls
};

// Where a figure is drawn: Anteil of the way from cell Von to cell Nach (0-based numbers).
struct TFigur {
    int Von = -1, Nach = -1;
    double Anteil = 1;
    TRichtung Blick = riUnten;
    int Bild = 0;  // walking frame 1..4, 0 standing
    bool Geht() const { return Anteil < 1 && Von != Nach; }
};

// One explosion cell's flame: how far it has burst out (0 to 1 of the cell, from the side of its
// centre), how thick it burns (0 to 1), and which flicker frame (0..2) shows.
struct TFlamme {
    double Reichweite;
    double Staerke;
    int Flackern;
};
// At `anteil` of the explosion's time, `abstand` cells from its centre: out along each arm within
// the first tenth, then full and flickering, dying down over the last four tenths.
TFlamme Flamme(int abstand, double anteil, std::uint64_t alter);

// A bomb's fuse at `anteil` of its time: the part of the fuse left (1 to 0) and how much larger
// the bomb is drawn (swelling over the last fifth).
struct TZuendung {
    double Lunte;
    double Groesse;
};
TZuendung Zuendung(double anteil, std::uint64_t alter);

class TBewegung {
  public:
    // A new round, or after a jump: every cell as it is, nothing moving.
    void Beginnen(const TSpielfeld& f, const TBewegungsDauer& d);
    // The board has changed at match time `jetzt`: each changed cell starts its motion.
    void Vergleichen(const TSpielfeld& f, const TBombenListen& b, std::uint64_t jetzt);

    const TBewegungsDauer& Dauer() const { return dauer_; }
    // Follows this board (not one of another size, or none yet).
    bool Kennt(const TSpielfeld& f) const;
    const TWechsel& Wechsel(int zelle) const { return wechsel_[std::size_t(zelle)]; }
    TFigur Figur(int spieler, std::uint64_t jetzt) const;
    // The cell's own motion (not a figure walking over it) is still under way at `jetzt`.
    bool Laeuft(int zelle, std::uint64_t jetzt) const;

    // The cells whose picture differs from the last frame's at `jetzt`, each once more after its
    // motion ended; the ended ones are dropped. Empty: the board is still.
    std::vector<int> Bildwechsel(std::uint64_t jetzt);
    bool Still() const;

  private:
    std::uint64_t Ende(int zelle) const;
    void Aktivieren(int zelle);

    TBewegungsDauer dauer_;
    int breite_ = 0;
    std::vector<TZelle> alt_;
    std::vector<TWechsel> wechsel_;
    std::vector<int> aktiv_;
    std::uint64_t letzter_ = 0;
    struct TOrt {
        int Zelle = -1, Von = -1;
        std::uint64_t Zeit = 0;
        TRichtung Blick = riUnten;
    };
    TOrt figur_[2];
};
