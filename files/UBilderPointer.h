// The two image sets (block and water pictures), filled from image folders or from a level.
#pragma once

#include <QImage>
#include <cstdint>
#include <string>
#include <vector>

#include "files/UDateiFehler.h"
#include "files/URecords.h"

inline constexpr std::uint8_t kBlockbilder = 1;
inline constexpr std::uint8_t kWasserbilder = 3;

struct TBildSatzEintrag {
    TBildEintrag Daten;  // BildArt, Nummer, Pfad as stored in a level's image file
    QImage Bitmap;
};

// A .bmp loaded through QImageReader with the explicit format and an allocation limit; a null
// image when the file is missing or no valid bitmap.
QImage BitmapLaden(const std::string& pfad);
// A file exists at the path and its header is that of a bitmap (cheap: nothing is decoded).
bool BitmapLesbar(const std::string& pfad);
// ordner + name, with a separator between them when ordner lacks one.
std::string ImOrdner(const std::string& ordner, const std::string& name);

class TBilderSets {
  public:
    explicit TBilderSets(TDateiFehler& fehler);

    // Current folders of the two sets, absolute, with a trailing separator.
    std::string Blockbilderordner;
    std::string Wasserbilderordner;
    // Pictures named by another machine are looked up by file name in these folders only, never
    // at the path it gives.
    bool NurEigeneOrdner = false;
    void StandardOrdner(const std::string& programmordner);
    const std::string& Ordner(std::uint8_t bildArt) const;

    void OrdnerLaden(const std::string& ordner, std::uint8_t bildArt);
    void BilderNeuLaden();
    // False when the picture is missing or unreadable (reported, nothing appended).
    bool BildAnhaengen(const std::string& pfad, std::uint8_t bildArt);
    bool EintragAusDatei(const TBildEintrag& e);
    // 1-based; beyond the end the last picture; nullptr only for an empty set.
    const QImage* BildHolen(std::uint32_t position, std::uint8_t bildArt) const;
    std::uint32_t AnzahlBilder(std::uint8_t bildArt) const;
    bool IstGeladen(std::uint8_t bildArt) const { return AnzahlBilder(bildArt) > 0; }
    bool SchonBenutzt(const std::string& pfad, std::uint8_t bildArt) const;
    void AlleFreigeben();

    const std::vector<TBildSatzEintrag>& Satz(std::uint8_t bildArt) const;
    // Goes up with every change of either set, so a view can rescale its pictures only then.
    std::uint64_t Stand() const { return stand_; }

  private:
    std::vector<TBildSatzEintrag>& SatzVon(std::uint8_t bildArt);
    bool EintragAnlegen(std::uint8_t bildArt, std::uint16_t nummer, const std::string& pfad);

    TDateiFehler& fehler_;
    std::vector<TBildSatzEintrag> block_;
    std::vector<TBildSatzEintrag> wasser_;
    std::uint64_t stand_ = 0;
};
