// The match's board grid: draws every cell from the board and hands every key press on it to the
// players, and to nothing else.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "model/UPointer.h"
#include "ui/spiel/UBewegung.h"
#include "ui/spiel/UBewegungsBilder.h"

class TSpielBilder;

class TSpielGitter : public QWidget {
    Q_OBJECT
  public:
    TSpielGitter(TSpielfeld& feld, TSpielBilder& bilder, QWidget* eltern = nullptr);

    // (w + 1) x B + 3 by (h + 1) x H + 3: a line between cells and a two-pixel frame.
    static QSize Groesse(const TFeldDaten& g);
    static QSize Groesse(const TFeldDaten& g, QSize zelle);
    // Takes the geometry's size, colour and cell size.
    void Einrichten(const TFeldDaten& g);
    // Draws the cells at another size (a resized window); the pictures follow, scaled once.
    void Zellgroesse(QSize zelle);
    QSize Zelle() const { return zelle_; }
    const TFeldDaten& Geometrie() const { return g_; }
    QRect ZellRechteck(int spalte, int zeile) const;

    // Called with the virtual-key code of every key press, auto-repeat included.
    std::function<void(std::uint16_t)> TasteGedrueckt;

    // Draws one cell as its kind says (DrawFeld).
    void DrawFeld(QPainter& p, int spalte, int zeile, const QRect& r);

    // "Bewegte Bilder": on, the board moves between its states on `uhr` (match milliseconds);
    // off, every state is drawn as it is.
    void BewegungEinrichten(bool an, std::function<std::uint64_t()> uhr);
    bool Bewegt() const { return bewegt_; }
    // A round begins on the board as it stands: nothing moves yet.
    void RundeBeginnt(const TBewegungsDauer& d);
    // The match has changed the board.
    void FeldGeaendert(const TBombenListen& b);
    // While the match jumps ahead each state shows at once, nothing moving into it.
    void Springen(bool an);
    // A box stands in front of the board: what was moving is shown as it ends.
    void BilderBeenden();
    // The clock may run again (a replay resumed): frames while something moves.
    void Wecken();
    // A frame is due at the screen's next refresh.
    bool BilderLaufen() const { return bildtakt_.isActive(); }
    const TBewegung& Bewegung() const { return bewegung_; }

  protected:
    bool event(QEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

  private:
    void Malen(QPainter& p, const TZelle& z, const QRect& r);
    void BewegtMalen(QPainter& p, int spalte, int zeile, const QRect& r, std::uint64_t jetzt);
    void FigurenMalen(QPainter& p);
    // One frame: the cells that moved since the last one are drawn again.
    void Bild();

    TSpielfeld& feld_;
    TSpielBilder& bilder_;
    TFeldDaten g_;
    QSize zelle_;
    bool bewegt_ = false;
    bool springt_ = false;
    std::function<std::uint64_t()> uhr_;
    TBewegung bewegung_;
    QTimer bildtakt_;
    TBildSpeicher speicher_;
    std::uint64_t letztesBild_ = 0;
    std::array<TFigur, 2> figuren_;  // as this paint draws them
};
