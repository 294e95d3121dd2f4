// The game settings record, its working copy and the level list of the match.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/UAktion.h"
#include "model/UTyp.h"

struct TSpielerEinstellungen {
    std::uint16_t TasteOben = 0;
    std::uint16_t TasteUnten = 0;
    std::uint16_t TasteLinks = 0;
    std::uint16_t TasteRechts = 0;
    std::uint16_t TasteBombe = 0;
    std::uint16_t TasteWerfen = 0;
    std::string Name;  // at most 20 characters in the file
    std::string Bild;  // at most 255 characters; empty: the built-in picture
    bool Computer = false;
    std::uint8_t Reserviert = 0;
    bool Werfen = false;
    bool MehrBomben = false;
    bool Unverwundbar = false;
    bool Krank = false;
    std::uint16_t Punkte = 0;

    // Keys by their place 1..6 in the block: up, down, left, right, bomb, throw.
    std::uint16_t& Taste(int nummer);
    std::uint16_t Taste(int nummer) const {
        return const_cast<TSpielerEinstellungen*>(this)->Taste(nummer);
    }
    // The key that does a (not Keine): its number is its place.
    std::uint16_t Taste(TAktion a) const { return Taste(int(a)); }
    bool& Extra(TExtra x) { return ExtraFlag(*this, x); }
    bool operator==(const TSpielerEinstellungen&) const = default;
};

struct TSpielRecEinstellungen {
    TSpielerEinstellungen Spieler1;
    TSpielerEinstellungen Spieler2;
    std::uint8_t Rundenanzahl = 3;
    bool LevelZufall = false;
    std::uint16_t WasserGeschwindigkeit = 2000;
    std::uint16_t SpielerVerzoegerung = 10;
    std::uint16_t PlatzExplo = 2000;
    std::uint16_t ExploDauer = 2000;
    std::uint8_t Unverwundbarkeit = 30;
    std::uint8_t ExtraProzent = 50;
    std::uint8_t Schwierigkeit = 3;
    std::string BildWerfen;
    std::string BildMehrBomben;
    std::string BildUnverwundbar;
    std::string BildKrankheit;

    TSpielerEinstellungen& Spieler(int nr) { return nr == 1 ? Spieler1 : Spieler2; }
    const TSpielerEinstellungen& Spieler(int nr) const { return nr == 1 ? Spieler1 : Spieler2; }
    // The picture file of an extra; empty: the built-in picture.
    std::string& ExtraBildPfad(TExtra x) { return this->*kExtraBildPfade[ExtraIndex(x)]; }
    const std::string& ExtraBildPfad(TExtra x) const {
        return this->*kExtraBildPfade[ExtraIndex(x)];
    }
    bool operator==(const TSpielRecEinstellungen&) const = default;

  private:
    static std::string TSpielRecEinstellungen::*const kExtraBildPfade[kExtraAnzahl];
};

TSpielRecEinstellungen StandardRecord();

// The range of each interval field of the settings dialog. A hand-made file may hold anything,
// and 0 ms or a few ms would freeze a round, so the match uses each clamped to its range.
struct TBereich {
    std::uint16_t Min, Max;
};
inline constexpr TBereich kBereichPlatzExplo{500, 60000}, kBereichExploDauer{500, 60000},
    kBereichWasser{10, 60000}, kBereichVerzoegerung{1, 1000};
TSpielRecEinstellungen IntervalleBegrenzt(TSpielRecEinstellungen e);

// Which computer steers a player: a preference, carried by recordings, never by a settings file.
enum class TComputerArt : std::uint8_t { Klassisch = 0, Stark = 1 };

// Owns the one global record, the working copy of the settings dialog and the level list.
class TEinstellungen {
  public:
    TEinstellungen() { StandardEinstellungen(); }

    TSpielRecEinstellungen EinstellungenHolen() const { return rec_; }
    void EinstellungenSetzen(const TSpielRecEinstellungen& r) { rec_ = r; }
    void StandardEinstellungen() { rec_ = StandardRecord(); }
    TAufgesammelt ExtrasVon(TZellenArt art) const;

    void LevelAnhaengen(const std::string& pfad) { levelliste_.push_back(pfad); }
    // The n-th level (1-based), the last one when n is too large; false on an empty list.
    bool LevelHolen(std::uint32_t n, std::string& pfad) const;
    const std::vector<std::string>& Levelliste() const { return levelliste_; }
    void LevellisteLoeschen() { levelliste_.clear(); }

    TSpielRecEinstellungen Arbeitskopie;
    std::uint16_t LevelAnzahl = 0;
    std::array<TComputerArt, 2> ComputerArten{};
    TComputerArt ComputerArt(int spieler) const { return ComputerArten[spieler == 1 ? 0 : 1]; }
    // Minutes of a round before the storm flood comes, 0 never: a preference as the computers
    // are, carried by recordings.
    std::uint8_t Sturmflut = 0;

  private:
    TSpielRecEinstellungen rec_;
    std::vector<std::string> levelliste_;
};
