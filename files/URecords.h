// Byte layouts of every record stored in a file, packed and unpacked field by field.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "model/USpielRecEinstellungen.h"
#include "model/UTyp.h"

inline constexpr std::size_t kGroesseZelle = 6;
inline constexpr std::size_t kGroesseFeldDaten = 36;
inline constexpr std::size_t kGroesseBildEintrag = 260;
inline constexpr std::size_t kGroesseEinstellungen = 1634;
inline constexpr std::size_t kGroesseLevelPfad = 256;
inline constexpr std::size_t kGroesseHighscore = 24;

using TBytes = std::vector<std::uint8_t>;

// The stored part of an image set entry.
struct TBildEintrag {
    std::uint8_t BildArt = 1;
    std::uint16_t Nummer = 0;
    std::string Pfad;
    bool operator==(const TBildEintrag&) const = default;
};

struct THighscoreEintrag {
    std::string Name;
    std::uint16_t Punkte = 0;
    bool operator==(const THighscoreEintrag&) const = default;
};

// Little-endian fields and length-prefixed Windows-1252 strings of fixed capacity.
class TByteSchreiber {
public:
    explicit TByteSchreiber(std::size_t groesse) : daten_(groesse, 0) {}
    void Byte(std::size_t ofs, std::uint8_t v) { daten_[ofs] = v; }
    void Wort(std::size_t ofs, std::uint16_t v);
    void Langwort(std::size_t ofs, std::uint32_t v);
    // Text beyond the capacity is cut off.
    void KurzString(std::size_t ofs, std::size_t kapazitaet, const std::string& utf8);
    TBytes Fertig() { return std::move(daten_); }

private:
    TBytes daten_;
};

class TByteLeser {
public:
    TByteLeser(const std::uint8_t* daten, std::size_t groesse) : daten_(daten), groesse_(groesse) {}
    std::uint8_t Byte(std::size_t ofs) const { return ofs < groesse_ ? daten_[ofs] : 0; }
    std::uint16_t Wort(std::size_t ofs) const;
    std::uint32_t Langwort(std::size_t ofs) const;
    // A length byte above the capacity reads as the capacity.
    std::string KurzString(std::size_t ofs, std::size_t kapazitaet) const;

private:
    const std::uint8_t* daten_;
    std::size_t groesse_;
};

TBytes PackeZelle(const TZelle& z);
TZelle EntpackeZelle(const std::uint8_t* b);
TBytes PackeFeldDaten(const TFeldDaten& d);
TFeldDaten EntpackeFeldDaten(const std::uint8_t* b);
TBytes PackeBildEintrag(const TBildEintrag& e);
TBildEintrag EntpackeBildEintrag(const std::uint8_t* b);
TBytes PackeEinstellungen(const TSpielRecEinstellungen& r);
TSpielRecEinstellungen EntpackeEinstellungen(const std::uint8_t* b);
TBytes PackeLevelPfad(const std::string& pfad);
std::string EntpackeLevelPfad(const std::uint8_t* b);
TBytes PackeHighscore(const THighscoreEintrag& e);
THighscoreEintrag EntpackeHighscore(const std::uint8_t* b);
