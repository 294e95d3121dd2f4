// The pictures built into the program, and the fall-back from a picture file to them.
#pragma once

#include <QImage>
#include <QPixmap>
#include <QWidget>
#include <string>

#include "model/UTyp.h"

enum class TEingebaut {
    Explosion,
    Bombe,
    Tot,
    Spieler1,
    Spieler2,
    Werfen,
    MehrBomben,
    Unverwundbar,
    Krankheit,
    Titel,
};

QImage EingebautesBild(TEingebaut b);
// A PNG file or resource, read as PNG whatever its contents claim: letting Qt guess the format
// loads every image plugin (and the JPEG library) first.
QImage PngLesen(const QString& pfad);
// The title picture for the info window: decoded once and shared, in the screen's own pixels for
// kTitelGroesse x kTitelGroesse units, so that a label of that size shows it without a scaled copy
// of its own.
inline constexpr int kTitelGroesse = 400;
QPixmap Titelbild();
// The title picture as the main menu shows it, kTitelGroesse units square. On a screen of normal
// density it is decoded band by band while it is painted, so that the menu, open all the time,
// keeps no decoded copy of 640 kB; a high-density screen gets the large picture.
class TTitelBild : public QWidget {
  public:
    explicit TTitelBild(QWidget* eltern = nullptr);

  protected:
    void paintEvent(QPaintEvent* e) override;
};
// The built-in player picture (spieler 1 or 2) and extras picture.
TEingebaut SpielerBild(int spieler);
TEingebaut ExtraBild(TExtra x);

// Bitmaps have no alpha channel; as in the game's first version, the colour of the bottom-left
// pixel counts as transparent.
QImage TransparentMachen(const QImage& bild);

// The picture file at pfad if one exists and can be read, otherwise the built-in picture.
// 'ausDatei' tells which of the two it is.
QImage BildOderEingebaut(const std::string& pfad, TEingebaut ersatz, bool* ausDatei = nullptr);
