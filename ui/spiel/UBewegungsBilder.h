// The in-between pictures, drawn at the cell's own size from the motion rules: crisp at any size
// and on any screen, as nothing is stretched from a bitmap.
#pragma once

#include <QPainter>
#include <QPixmap>
#include <array>
#include <cstdint>
#include <functional>
#include <unordered_map>

#include "ui/spiel/UBewegung.h"

// Moving pictures drawn once for each look at one cell size, so that a frame of a busy board
// only copies them.
class TBildSpeicher {
  public:
    // Draws the picture `schluessel` into cell r; `malen` draws it the first time, into the cell's
    // rectangle in a transparent picture with room around it for what reaches past the cell.
    void Zeigen(QPainter& p, const QRect& r, std::uint64_t schluessel,
                const std::function<void(QPainter&, const QRectF&)>& malen);

  private:
    QSize zelle_;
    qreal dpr_ = 0;
    std::unordered_map<std::uint64_t, QPixmap> bilder_;
};

// The flame and the burning bomb through the store, their looks rounded to steps no eye sees.
void FlammeZeigen(TBildSpeicher& s, QPainter& p, const QRect& r, TFlamme f,
                  std::array<bool, 4> verbunden, std::uint8_t herkunft);
void ZuendungZeigen(TBildSpeicher& s, QPainter& p, const QRect& r, TZuendung z);

// A flame in cell r, joined to the flames of the neighbours in `verbunden` (by TRichtung).
// `herkunft` is the side its centre lies on (kKeineRichtung: it is the centre).
void FlammeMalen(QPainter& p, const QRectF& r, const TFlamme& f, std::array<bool, 4> verbunden,
                 std::uint8_t herkunft);
// A bomb whose fuse burns down, swelling at its end.
void ZuendungMalen(QPainter& p, const QRectF& r, const TZuendung& z);
// A block flying apart in four pieces.
void BruchMalen(QPainter& p, const QRect& r, const QPixmap& block, double anteil);
// A short glint over an uncovered extra.
void GlanzMalen(QPainter& p, const QRectF& r, double anteil);
// Water flowing in from side `herkunft` (from the middle when none), a ripple at its front.
void FlutMalen(QPainter& p, const QRect& r, const QPixmap* wasser, double anteil,
               std::uint8_t herkunft, std::uint64_t alter);
// A figure toppling over; `eingebaut` draws the built-in one of player `spieler`, else `bild`.
void FallMalen(QPainter& p, const QRectF& r, const QPixmap& bild, bool eingebaut, int spieler,
               double anteil);
// A walking figure in r (between two cells).
void GehenMalen(QPainter& p, const QRectF& r, const QPixmap& bild, bool eingebaut, int spieler,
                const TFigur& f);
